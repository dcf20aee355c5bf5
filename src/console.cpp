#include "console.h"

#include <algorithm>
#include <charconv>
#include <iostream>

namespace {

// True when the stream asks for its numbers in the default format, with no field width.
bool plainFormat(const std::ios_base& stream) {
    const auto flags = stream.flags();
    const auto extras = std::ios_base::floatfield | std::ios_base::showpos | std::ios_base::showpoint |
                        std::ios_base::showbase | std::ios_base::uppercase;
    const auto base = flags & std::ios_base::basefield;
    return (flags & extras) == 0 && (base == std::ios_base::dec || base == 0) && stream.width() == 0;
}

} // namespace

FastNumberWriter::iter_type FastNumberWriter::do_put(iter_type out, std::ios_base& stream, char_type fill,
                                                     double value) const {
    const std::streamsize precision = stream.precision();
    if (!plainFormat(stream) || precision <= 0 || precision > 17)
        return std::num_put<char>::do_put(out, stream, fill, value);
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, int(precision));
    return std::copy(text, written.ptr, out);
}

// Integers in plain decimal, in the default format.
template <class Integer>
FastNumberWriter::iter_type FastNumberWriter::putInteger(iter_type out, std::ios_base& stream, char_type fill,
                                                         Integer value) const {
    if (!plainFormat(stream))
        return std::num_put<char>::do_put(out, stream, fill, value);
    char text[24];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::copy(text, written.ptr, out);
}

FastNumberWriter::iter_type FastNumberWriter::do_put(iter_type out, std::ios_base& stream, char_type fill,
                                                     long value) const {
    return putInteger(out, stream, fill, value);
}

FastNumberWriter::iter_type FastNumberWriter::do_put(iter_type out, std::ios_base& stream, char_type fill,
                                                     unsigned long value) const {
    return putInteger(out, stream, fill, value);
}

void setUpConsole() {
    std::ios_base::sync_with_stdio(false);
    std::cout.imbue(std::locale(std::locale::classic(), new FastNumberWriter));
}
