// The program's writer of numbers against the standard one: the same text, bit for bit.
#include "console/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>
#include <sstream>

namespace {

// What a stream writes for the value with the fast writer of numbers and with the
// standard one, after the same formatting.
template <class Number>
void expectSameText(
    Number value, void (*format)(std::ostream&) = [](std::ostream&) {}) {
    std::ostringstream fast, standard;
    fast.imbue(std::locale(std::locale::classic(), new FastNumberWriter));
    format(fast);
    format(standard);
    fast << value << '|' << value;
    standard << value << '|' << value;
    ASSERT_EQ(fast.str(), standard.str());
}

} // namespace

TEST(Console, DoublesReadExactlyAsTheDefaultFormat) {
    using limits = std::numeric_limits<double>;
    // Shortest digits that end in a 5 just past the sixth, or carry into a new digit.
    const double edges[] = {0.0,      -0.0,         0.1,       1e-7,        0.0001,          0.00999869,
                            123456.0, 1234567.0,    999999.5,  9.999995e-5, 0.1234565,       1234565.0,
                            2.5,      0.0001234565, 9.9999995, 99999.95,    0.99999949999999};
    for (const double value : edges)
        expectSameText(value);
    for (const double value : {limits::denorm_min(), limits::max(), limits::lowest(), limits::infinity(),
                               -limits::infinity(), limits::quiet_NaN(), -limits::quiet_NaN()})
        expectSameText(value);
    std::mt19937_64 random(2026);
    for (int i = 0; i < 200000; ++i) {
        const unsigned long long bits = random();
        double anyBits;
        std::memcpy(&anyBits, &bits, sizeof anyBits);
        expectSameText(anyBits);
        expectSameText(double(long(random() % 2000001) - 1000000) / double(random() % 997 + 1));
        expectSameText(std::ldexp(double(random() >> 11), int(random() % 180) - 150)); // 1e-29 to 1e12
        if (i % 8 == 0) {
            expectSameText(anyBits, [](std::ostream& s) { s << std::setprecision(12); });
            expectSameText(double(random() % 100000) / 7, [](std::ostream& s) { s << std::setprecision(3); });
        }
    }
}

TEST(Console, IntegersAndOtherFormatsAreUnchanged) {
    for (long value : {0L, -1L, 5629L, std::numeric_limits<long>::min(), std::numeric_limits<long>::max()})
        expectSameText(value);
    expectSameText(std::numeric_limits<unsigned long>::max());
    expectSameText(0.5, [](std::ostream& s) { s << std::setw(9); });
    expectSameText(1.0 / 3, [](std::ostream& s) { s << std::setprecision(12); });
    expectSameText(1.0 / 3, [](std::ostream& s) { s << std::fixed; });
    expectSameText(255L, [](std::ostream& s) { s << std::hex << std::showbase; });
    expectSameText(255L, [](std::ostream& s) { s << std::hex; });
    expectSameText(255.0, [](std::ostream& s) { s << std::oct; });
    expectSameText(1e6);
    expectSameText(1e15, [](std::ostream& s) { s << std::setprecision(15); });
    expectSameText(2.5, [](std::ostream& s) { s << std::showpos; });
    expectSameText(1e-300, [](std::ostream& s) { s << std::setprecision(0); });
}

// The traces are quick as the writer's own ways take nearly every number: whole numbers below
// 10^precision, and all but ties of other numbers of the traces' sizes with up to 9 digits.
TEST(Console, TheWritersOwnWaysTakeNearlyEveryNumber) {
    std::ostringstream out;
    out.imbue(std::locale(std::locale::classic(), new FastNumberWriter));
    std::mt19937_64 random(7);
    for (int precision = 1; precision <= 15; ++precision) {
        out << std::setprecision(precision);
        const long long before = FastNumberWriter::handedOnToStandard();
        for (int i = 0; i < 1000; ++i) {
            const double limit = std::pow(10.0, precision);
            out << -std::floor(std::ldexp(double(random() >> 11), -53) * limit);
            if (precision <= 9)
                out << std::ldexp(double(random() >> 11), int(random() % 80) - 93); // 1e-12 to 1e12
        }
        EXPECT_LE(FastNumberWriter::handedOnToStandard() - before, precision <= 9 ? 10 : 0) << precision;
    }
    // As far as a power of ten scales exactly: by 10^22, either way.
    const long long before = FastNumberWriter::handedOnToStandard();
    out << std::setprecision(6) << 1.23456e-17 << 1.23456e27;
    EXPECT_EQ(FastNumberWriter::handedOnToStandard(), before);
}
