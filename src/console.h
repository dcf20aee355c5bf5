// How the program sets up its standard streams, once, before the first menu.
#ifndef NNRULES_CONSOLE_H
#define NNRULES_CONSOLE_H

#include <locale>

// The writer of numbers that standard output uses: doubles in the stream's default
// format (six significant digits, the shorter of fixed and scientific) written without
// going through the C library's printf, which dominates a long trace. Any other
// formatting a stream may ask for is left to the standard writer.
class FastNumberWriter : public std::num_put<char> {
  protected:
    iter_type do_put(iter_type out, std::ios_base& stream, char_type fill, double value) const override;
    iter_type do_put(iter_type out, std::ios_base& stream, char_type fill, long value) const override;
    iter_type do_put(iter_type out, std::ios_base& stream, char_type fill,
                     unsigned long value) const override;

  private:
    template <class Integer>
    iter_type putInteger(iter_type out, std::ios_base& stream, char_type fill, Integer value) const;
};

// Unties the standard streams from C stdio (nothing here writes through stdio) and gives
// standard output the fast writer of numbers. Every line end still flushes.
void setUpConsole();

#endif
