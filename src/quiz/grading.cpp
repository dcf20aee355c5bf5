#include "grading.h"

#include "console/console.h"
#include "console/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A decimal number exactly as written: its significant digits d1 d2 ... (no leading or
// trailing zeros; none for zero) and the power of ten of d1, so that the magnitude is
// d1.d2d3... x 10^lead.
struct Decimal {
    bool negative = false;
    std::string digits;
    long long lead{};
    long long lastWritten{}; // the power of ten of the last digit as written (trailing zeros too)

    bool isZero() const { return digits.empty(); }
    // The power of ten of the last digit.
    long long last() const { return lead - static_cast<long long>(digits.size()) + 1; }
};

// Reads [+-] digits [. digits] [e [+-] digits], with a digit before or after the point, and
// nothing else. An exponent beyond a billion is held at a billion: far past any double.
bool readDecimal(const std::string& text, Decimal& number) {
    // Whether the character at `at` is one of `chars` (none is, past the end).
    const auto isOneOf = [&text](std::size_t at, const char* chars) {
        return text.find_first_of(chars, at) == at;
    };
    const auto digitsEnd = [&text](std::size_t from) {
        return std::min(text.find_first_not_of("0123456789", from), text.size());
    };
    number = Decimal();
    std::size_t at = 0;
    if (isOneOf(at, "+-"))
        number.negative = text[at++] == '-';
    // The digits before the point, and after it.
    std::size_t end = digitsEnd(at);
    std::string all = text.substr(at, end - at);
    const auto beforePoint = static_cast<long long>(all.size());
    at = end;
    if (isOneOf(at, ".")) {
        end = digitsEnd(at + 1);
        all += text.substr(at + 1, end - at - 1);
        at = end;
    }
    if (all.empty())
        return false;
    long long exponent = 0;
    if (isOneOf(at, "eE")) {
        const bool negativeExponent = isOneOf(++at, "-");
        if (isOneOf(at, "+-"))
            ++at;
        end = digitsEnd(at);
        if (end == at)
            return false;
        for (; at != end; ++at)
            exponent = std::min(exponent * 10 + (text[at] - '0'), 1000000000LL);
        exponent = negativeExponent ? -exponent : exponent;
    }
    if (at != text.size())
        return false;
    number.lastWritten = beforePoint - static_cast<long long>(all.size()) + exponent;
    const std::size_t first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return true; // zero
    number.digits = all.substr(first, all.find_last_not_of('0') - first + 1);
    number.lead = beforePoint - static_cast<long long>(first) - 1 + exponent;
    return true;
}

// The value's shortest decimal text that reads back as the value: what it is as a decimal.
Decimal decimalOf(double value) {
    char text[40];
    for (int precision = 1; precision <= std::numeric_limits<double>::max_digits10; ++precision) {
        std::snprintf(text, sizeof text, "%.*e", precision - 1, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    Decimal number;
    readDecimal(text, number);
    return number;
}

// -1, 0 or 1 as |a| is less than, equal to or greater than |b|.
int compareMagnitudes(const Decimal& a, const Decimal& b) {
    if (a.isZero() || b.isZero())
        return a.isZero() == b.isZero() ? 0 : a.isZero() ? -1 : 1;
    if (a.lead != b.lead)
        return a.lead < b.lead ? -1 : 1;
    const int digits = a.digits.compare(b.digits);
    return digits < 0 ? -1 : digits > 0 ? 1 : 0;
}

// Below 0, 0 or above 0 as a is less than, equal to or greater than b.
int compare(const Decimal& a, const Decimal& b) {
    const int sign = a.isZero() ? 0 : a.negative ? -1 : 1, otherSign = b.isZero() ? 0 : b.negative ? -1 : 1;
    if (sign != otherSign)
        return sign - otherSign;
    return sign * compareMagnitudes(a, b);
}

// |a| + |b|, or |a| - |b| where |a| > |b|, as a positive decimal. For numbers of few digits
// near one another (the value and half a unit of its sixth digit).
Decimal addMagnitudes(const Decimal& a, const Decimal& b, bool subtract) {
    const long long low = std::min(a.last(), b.last()), high = std::max(a.lead, b.lead) + 1;
    std::vector<int> sum(static_cast<std::size_t>(high - low + 1), 0);
    for (const Decimal* term : {&a, &b})
        for (std::size_t i = 0; i < term->digits.size(); ++i)
            sum[static_cast<std::size_t>(term->lead - static_cast<long long>(i) - low)] +=
                (term == &b && subtract ? -1 : 1) * (term->digits[i] - '0');
    for (std::size_t i = 0; i + 1 < sum.size(); ++i) {
        const int carry = sum[i] < 0 ? -1 : sum[i] / 10;
        sum[i] -= 10 * carry;
        sum.at(i + 1) += carry;
    }
    std::string text;
    for (std::size_t i = sum.size(); i-- > 0;)
        text += static_cast<char>('0' + sum[i]);
    Decimal result;
    readDecimal(text + "e" + std::to_string(low), result);
    return result;
}

// a + b, or a - b, with their signs.
Decimal add(const Decimal& a, Decimal b, bool subtract) {
    b.negative = b.negative != subtract;
    if (a.isZero() || b.isZero())
        return a.isZero() ? b : a;
    if (a.negative == b.negative) {
        Decimal sum = addMagnitudes(a, b, false);
        sum.negative = a.negative;
        return sum;
    }
    // The one of the larger magnitude, less the other, with its sign.
    const int larger = compareMagnitudes(a, b);
    if (larger == 0)
        return Decimal();
    const Decimal& more = larger == 1 ? a : b;
    Decimal difference = addMagnitudes(more, &more == &a ? b : a, true);
    difference.negative = more.negative;
    return difference;
}

} // namespace

bool isAnswerNumber(const std::string& word) {
    Decimal number;
    return readDecimal(word, number) || word == "inf" || word == "-inf" || word == "nan" || word == "-nan";
}

Grade gradeNumber(const std::string& typed, double value, int leastDigits) {
    if (!std::isfinite(value))
        return {typed == written(value), false};
    Decimal number;
    if (!readDecimal(typed, number))
        return {false, false};
    const Decimal key = decimalOf(value);
    if (compare(number, key) == 0)
        return {true, false};
    // Enough digits: so many significant ones, or so many decimals.
    const long long significant = number.isZero() ? 0 : number.lead - number.lastWritten + 1;
    if (significant < leastDigits && -number.lastWritten < leastDigits)
        return {false, true};
    // Within half a unit of the last digit written, on either side, edges included. A last
    // digit far from the key's own digits is far off the key, or finer than any of them.
    const long long keyLast = key.isZero() ? number.lastWritten : key.last();
    const long long keyLead = key.isZero() ? number.lastWritten : key.lead;
    if (number.lastWritten < keyLast - 40 || number.lastWritten > keyLead + 40)
        return {false, false};
    Decimal half;
    half.digits = "5";
    half.lead = number.lastWritten - 1;
    const Decimal least = add(key, half, true), most = add(key, half, false);
    return {compare(least, number) <= 0 && compare(number, most) <= 0, false};
}

namespace {

// The words of an answer's line: apart by blanks, commas, or the brackets and semicolons of
// the trace's vectors; a Unicode minus is a minus.
std::vector<std::string> answerWords(std::string line) {
    for (std::size_t at; (at = line.find("\xe2\x88\x92")) != std::string::npos;)
        line.replace(at, 3, "-");
    for (char& c : line)
        if (c == ',' || c == ';' || c == '[' || c == ']' || c == '\t')
            c = ' ';
    std::istringstream words(line);
    std::vector<std::string> found;
    for (std::string word; words >> word;)
        found.push_back(word);
    return found;
}

} // namespace

Judgement judgeAnswer(const std::string& line, const std::vector<double>& key, int leastDigits) {
    Judgement judgement;
    const std::vector<std::string> typed = answerWords(line);
    if (typed.empty() || line == "-" || line == "?")
        return judgement;
    judgement.answered = true;
    for (const std::string& word : typed)
        if (judgement.refused.empty() && !isAnswerNumber(word))
            judgement.refused = "\"" + shownWord(word) + "\" is not a number";
    const std::size_t count = key.size();
    if (judgement.refused.empty() && typed.size() != count)
        judgement.refused = std::to_string(typed.size()) + (typed.size() == 1 ? " number" : " numbers") +
                            " where " + std::to_string(count) + (count == 1 ? " is" : " are") + " wanted";
    for (std::size_t i = 0; i < count && judgement.refused.empty(); ++i) {
        const Grade grade = gradeNumber(typed[i], key[i], leastDigits);
        if (!grade.right)
            (grade.tooFewDigits ? judgement.tooShort : judgement.off).push_back(i + 1);
    }
    return judgement;
}
