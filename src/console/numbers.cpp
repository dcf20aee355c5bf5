#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>

namespace {

// True when the stream asks for its numbers in the default format, with no field width.
bool plainFormat(const std::ios_base& stream) {
    const auto extras = std::ios_base::floatfield | std::ios_base::showpos | std::ios_base::showpoint |
                        std::ios_base::showbase | std::ios_base::uppercase | std::ios_base::oct |
                        std::ios_base::hex;
    return !(stream.flags() & extras) && !stream.width();
}

// How many numbers were handed on to the standard writer.
long long handedOn = 0;

// Powers of ten that a double holds exactly.
constexpr double tenToThe[] = {1,    1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                               1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Writes a normal value (not zero, subnormal, infinite or NaN) as printf's %g writes it with
// the given precision, 1 to 9 digits, much faster. Scaled by an exact power of ten, with one
// rounding, the value's leading digits are sure unless the scaled value lies within a
// rounding error of a tie between two roundings: then nullptr is returned, and the exact
// value must decide. So is it when no exact power of ten can scale the value.
// std::to_chars in the general format writes the same text, but more slowly: in this
// writer's place it takes the default back-propagation run from 0.48 of the time that the
// same text takes through C's printf to 0.56 (make bench), above the goal of 0.5.
char* writeGeneral(char* text, double value, int precision) {
    const double magnitude = std::fabs(value);
    // The decimal exponent from the value's bits read as a number: about 2^52 times (1023 +
    // log2 of the value), where the mantissa stands in for the logarithm of 1 to 2 and falls
    // short of it by less than 0.09. So the estimate is never too large, and at most one too
    // small, which the value scaled by it shows.
    std::int64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const double estimate = (static_cast<double>(bits) / 0x1p52 - 1023) * 0.30102999566398120;
    int exponent = static_cast<int>(std::floor(estimate));
    // The value times 10^shift, or NaN where no exact power of ten can scale it.
    const auto scaledBy = [magnitude](int shift) {
        if (std::abs(shift) > 22)
            return std::nan("");
        return shift >= 0 ? magnitude * tenToThe[shift] : magnitude / tenToThe[-shift];
    };
    double scaled = scaledBy(precision - 1 - exponent);
    if (scaled >= tenToThe[precision])
        scaled = scaledBy(precision - 1 - ++exponent);
    if (std::isnan(scaled))
        return nullptr;
    const double whole = static_cast<double>(static_cast<long long>(scaled)); // scaled is below 10^9
    if (std::fabs(scaled - whole - 0.5) <= scaled * 1e-15)
        return nullptr;
    auto leading = static_cast<std::uint32_t>(scaled - whole > 0.5 ? whole + 1 : whole);
    if (leading == static_cast<std::uint32_t>(tenToThe[precision])) { // 9.99...96 rounds up to 10
        leading /= 10;
        ++exponent;
    }
    // The digits, two at a time from the right.
    static constexpr char pairs[] =
        "0001020304050607080910111213141516171819202122232425262728293031323334353637383940"
        "4142434445464748495051525354555657585960616263646566676869707172737475767778798081"
        "828384858687888990919293949596979899";
    char digits[10];
    int left = precision;
    for (; left >= 2; left -= 2, leading /= 100)
        std::memcpy(digits + left - 2, pairs + 2 * (leading % 100), 2);
    if (left == 1)
        digits[0] = static_cast<char>('0' + leading);
    // Then the sign, the point among the digits, and the zeros at the end of the fraction
    // taken off, with the point where nothing follows it.
    if (value < 0)
        *text++ = '-';
    const bool scientific = exponent < -4 || exponent >= precision;
    if (!scientific && exponent < 0) {
        *text++ = '0';
        *text++ = '.';
        text = std::fill_n(text, -exponent - 1, '0');
    }
    const int integerDigits = scientific ? 1 : std::max(exponent + 1, 0);
    const bool point = integerDigits > 0 && integerDigits < precision;
    for (int i = 0; i < precision; ++i) {
        if (point && i == integerDigits)
            *text++ = '.';
        *text++ = digits[i];
    }
    if (point || integerDigits == 0) {
        while (text[-1] == '0')
            --text;
        if (text[-1] == '.')
            --text;
    }
    if (!scientific)
        return text;
    *text++ = 'e';
    *text++ = exponent < 0 ? '-' : '+';
    if (std::abs(exponent) < 10)
        *text++ = '0';
    return std::to_chars(text, text + 4, std::abs(exponent)).ptr;
}

} // namespace

FastNumberWriter::iter_type FastNumberWriter::do_put(iter_type out, std::ios_base& stream, char_type fill,
                                                     double value) const {
    const std::streamsize precision = stream.precision();
    const bool plain = plainFormat(stream) && precision > 0;
    char text[32];
    char* written = nullptr;
    // Whole numbers below 10^precision, common in the traces, are written as integers.
    if (plain && precision <= 15 && std::fabs(value) < tenToThe[precision] &&
        static_cast<double>(static_cast<long long>(value)) == value)
        written = value == 0 && std::signbit(value)
                      ? std::copy_n("-0", 2, text)
                      : std::to_chars(text, text + sizeof text, static_cast<long long>(value)).ptr;
    else if (plain && precision <= 9 && std::isnormal(value))
        written = writeGeneral(text, value, int(precision));
    // The rest (subnormals, infinities, NaN, ties, many digits, other formats) is the
    // standard writer's.
    if (!written) {
        ++handedOn;
        return std::num_put<char>::do_put(out, stream, fill, value);
    }
    return std::copy(text, written, out);
}

long long FastNumberWriter::handedOnToStandard() {
    return handedOn;
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

std::string written(double value) {
    static std::ostringstream text = [] {
        std::ostringstream stream;
        stream.imbue(std::locale(std::locale::classic(), new FastNumberWriter));
        return stream;
    }();
    text.str("");
    text << value;
    return text.str();
}
