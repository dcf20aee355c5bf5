// The writer of numbers that standard output uses.
#ifndef NNRULES_CONSOLE_NUMBERS_H
#define NNRULES_CONSOLE_NUMBERS_H

#include <locale>
#include <string>

// A number as the traces write it: six significant digits, the shorter of fixed and
// scientific, by the writer below.
std::string written(double value);

// Writes doubles in the stream's default format (six significant digits, the shorter of
// fixed and scientific) without going through the C library's printf, which dominates a
// long trace; the text is printf's to the byte. Any other formatting a stream may ask for
// is left to the standard writer.
class FastNumberWriter : public std::num_put<char> {
  public:
    // How many doubles, in all, were handed on to the standard writer: those this writer
    // has no quick way for.
    static long long handedOnToStandard();

  protected:
    iter_type do_put(iter_type out, std::ios_base& stream, char_type fill, double value) const override;
    iter_type do_put(iter_type out, std::ios_base& stream, char_type fill, long value) const override;
    iter_type do_put(iter_type out, std::ios_base& stream, char_type fill,
                     unsigned long value) const override;

  private:
    template <class Integer>
    iter_type putInteger(iter_type out, std::ios_base& stream, char_type fill, Integer value) const;
};

#endif
