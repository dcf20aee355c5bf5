// Every explanation holds: each line's arithmetic is redone from the numbers written in it, to
// the precision they are written with, and its result is the number the trace shows for it;
// the worked examples' figures in their lines, the shell sessions hold.
#include "console/wrapping.h"
#include "demos/demos.h"
#include "explain/explain.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// An interval that holds the exact value of what a line writes.
struct Interval {
    double lo, hi;
};

Interval widened(double lo, double hi) {
    return {std::nextafter(lo, -INFINITY), std::nextafter(hi, INFINITY)};
}

// A number written with six significant digits stands for all that round to it.
Interval written(double x) {
    if (x == 0)
        return {0, 0};
    const double half = 0.5 * std::pow(10, std::floor(std::log10(std::fabs(x))) - 5);
    return widened(x - half, x + half);
}

Interval operator+(Interval a, Interval b) {
    return widened(a.lo + b.lo, a.hi + b.hi);
}
Interval operator-(Interval a, Interval b) {
    return widened(a.lo - b.hi, a.hi - b.lo);
}
Interval operator*(Interval a, Interval b) {
    const double p[] = {a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi};
    return widened(*std::min_element(p, p + 4), *std::max_element(p, p + 4));
}
Interval operator/(Interval a, Interval b) {
    if (b.lo <= 0 && b.hi >= 0)
        return {-INFINITY, INFINITY};
    return a * widened(1 / b.hi, 1 / b.lo);
}

using Value = std::vector<Interval>; // a number, or a vector's elements

// Evaluates a numeric expression as the explanations write them: numbers, + - * /, products
// of neighbours "(a)(b)", ^2, exp, sqrt, sgn (of each element), and vectors "[ a; b ]".
// False where it names a symbol, such as "w . y", and so is no numeric expression.
class Evaluation {
  public:
    explicit Evaluation(const std::string& expression) : text(expression) {}

    bool evaluate(Value& value) {
        symbol = false;
        value = expression();
        skipBlanks();
        return !symbol && at == text.size();
    }

  private:
    const std::string text;
    std::size_t at = 0;
    bool symbol = false;

    void skipBlanks() {
        while (at < text.size() && text[at] == ' ')
            ++at;
    }
    bool next(char c) {
        skipBlanks();
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    static Value apply(const Value& a, const Value& b, Interval (*op)(Interval, Interval)) {
        Value result;
        for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i)
            result.push_back(op(a[std::min(i, a.size() - 1)], b[std::min(i, b.size() - 1)]));
        return result;
    }
    Value expression() {
        Value value = term();
        for (;;) {
            if (next('+'))
                value = apply(value, term(), [](Interval a, Interval b) { return a + b; });
            else if (next('-'))
                value = apply(value, term(), [](Interval a, Interval b) { return a - b; });
            else
                return value;
        }
    }
    Value term() {
        Value value = unary();
        for (;;) {
            skipBlanks();
            if (next('*'))
                value = apply(value, unary(), [](Interval a, Interval b) { return a * b; });
            else if (next('/'))
                value = apply(value, unary(), [](Interval a, Interval b) { return a / b; });
            else if (at < text.size() && text[at] == '(') // neighbours multiply
                value = apply(value, unary(), [](Interval a, Interval b) { return a * b; });
            else
                return value;
        }
    }
    Value unary() {
        if (next('-'))
            return apply({{0, 0}}, unary(), [](Interval a, Interval b) { return a - b; });
        Value value = primary();
        if (next('^')) {
            primary(); // the explanations square only
            return apply(value, value, [](Interval a, Interval b) {
                const Interval square = a * b;
                return a.lo <= 0 && a.hi >= 0 ? Interval{0, square.hi} : square;
            });
        }
        return value;
    }
    Value primary() {
        skipBlanks();
        if (next('(')) {
            Value value = expression();
            next(')');
            return value;
        }
        if (next('[')) {
            Value value;
            do
                value.push_back(expression().front());
            while (next(';'));
            next(']');
            return value;
        }
        const std::size_t start = at;
        while (at < text.size() && (std::isalnum(static_cast<unsigned char>(text[at])) ||
                                    std::strchr(".[]", text[at]) || (text[at] == '-' && text[at - 1] == 'e')))
            symbol = symbol || text[at] == '[' || text[at] == ']', ++at; // an index, as in w1[0]
        const std::string word = text.substr(start, at - start);
        if (word.empty() || symbol) {
            symbol = true;
            return {{0, 0}};
        }
        if (std::isdigit(static_cast<unsigned char>(word[0])))
            return {written(std::stod(word))};
        Value argument = primary();
        if (word == "exp")
            for (Interval& x : argument)
                x = widened(std::exp(x.lo), std::exp(x.hi));
        else if (word == "sqrt")
            for (Interval& x : argument)
                x = widened(std::sqrt(std::max(0.0, x.lo)), std::sqrt(std::max(0.0, x.hi)));
        else if (word == "sgn")
            for (Interval& x : argument)
                x = {x.hi < 0 ? -1.0 : x.lo >= 0 ? 1.0 : -1.0, x.hi < 0 ? -1.0 : 1.0};
        else
            symbol = true;
        return argument;
    }
};

bool overlaps(const Value& a, const Value& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].hi < b[i].lo || b[i].hi < a[i].lo)
            return false;
    return true;
}

// The explanation lines of a screen, each whole (a line that goes on, joined again), with the
// trace's text just before and just after it.
struct Explained {
    std::string line, before, after;
};

std::vector<Explained> explainedLines(const std::string& screen) {
    std::vector<std::pair<std::string, std::size_t>> found; // each line, and where in the trace
    std::string trace;
    bool goesOn = false; // the line before was an explanation's
    for (const std::string& line : linesOf(screen)) {
        if (goesOn && line.rfind("        ", 0) == 0) {
            found.back().first += " " + line.substr(8);
        } else if (line.rfind("    ", 0) == 0 && line.size() > 4 && line[4] != ' ') {
            found.push_back({line.substr(4), trace.size()});
            goesOn = true;
            continue;
        } else {
            trace += line + "\n";
        }
        goesOn = goesOn && line.rfind("        ", 0) == 0;
    }
    std::vector<Explained> lines;
    constexpr std::size_t around = 500;
    for (const auto& [line, at] : found)
        lines.push_back(
            {line, trace.substr(at - std::min(at, around), std::min(at, around)), trace.substr(at, around)});
    return lines;
}

// The numbers of a text, as written.
std::vector<std::string> numbersIn(const std::string& text) {
    static const std::regex number(R"(-?\d+(\.\d+)?(e[+-]\d+)?)");
    std::vector<std::string> numbers;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
        numbers.push_back(it->str());
    return numbers;
}

// True when the numbers follow one another among those of the text.
bool shownIn(const std::vector<std::string>& numbers, const std::string& text) {
    const std::vector<std::string> all = numbersIn(text);
    return std::search(all.begin(), all.end(), numbers.begin(), numbers.end()) != all.end();
}

// Holds every explanation line of the screen: its numeric expressions equal its result, and a
// result named by `traced` appears in the trace right before the line, or right after it. Each
// of the texts `begun` (apart by commas) begins a line.
void expectExplanationsHold(const std::string& screen, const std::string& traced,
                            const std::string& begun = "") {
    const std::vector<Explained> lines = explainedLines(screen);
    ASSERT_GT(lines.size(), 3u) << "no explanations";
    bool inRule = false; // the rule's block and every explanation line fit 79 columns
    for (const std::string& line : linesOf(screen)) {
        inRule = line.rfind("How it ", 0) == 0 || (inRule && !line.empty());
        EXPECT_TRUE(line.size() <= 79 || (!inRule && line.rfind("    ", 0) != 0)) << line;
    }
    EXPECT_EQ(screen.find("How it "), screen.rfind("How it ")) << "the rule is told once";
    const std::regex tracedName(traced);
    for (const Explained& explained : lines) {
        std::string line = explained.line;
        line = line.substr(0, line.find("  ("));
        if (line.find(" = ") == std::string::npos || line.find("nan") != std::string::npos ||
            line.find("inf") != std::string::npos)
            continue;
        std::vector<std::string> parts;
        for (std::size_t from = 0, to; from != std::string::npos;
             from = to == std::string::npos ? to : to + 3) {
            to = line.find(" = ", from);
            parts.push_back(line.substr(from, to == std::string::npos ? to : to - from));
        }
        Value result;
        ASSERT_TRUE(Evaluation(parts.back()).evaluate(result)) << "no result: " << line;
        int checked = 0;
        for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
            Value value;
            if (!Evaluation(parts[i]).evaluate(value))
                continue;
            ++checked;
            EXPECT_TRUE(overlaps(value, result)) << "the arithmetic does not hold: " << line;
        }
        EXPECT_GT(checked, 0) << "nothing to redo: " << line;
        if (std::regex_match(parts.front(), tracedName)) {
            EXPECT_TRUE(shownIn(numbersIn(parts.back()), explained.before) ||
                        shownIn(numbersIn(parts.back()), explained.after))
                << "the trace does not show " << line;
        }
    }
    std::istringstream starts(begun);
    for (std::string start; std::getline(starts, start, ',');)
        EXPECT_TRUE(
            std::any_of(lines.begin(), lines.end(),
                        [&start](const Explained& explained) { return explained.line.rfind(start, 0) == 0; }))
            << "no line begins " << start;
}

// Each demo's results that its trace shows, and texts that begin lines of its default run's
// explanations: its first and last rows, neurons and patterns among them.
const std::pair<const char*, const char*> traced[] = {
    {R"(w\d+)", "w2 = w1 + r y1,w11 = w10 + r y2"}, // sdpta: the next step's weights
    {R"(o\d|e|new w\d)", "net = w1 . y1,net = w3 . y3,new w3 = w3 + r y3"},
    {R"(e|new w)", "net = w . y1,net = w . y4,d4 - o"},
    {R"(o\d|e|new w\d)", "net = w1 . y1,net = w3 . y3,new w3 = w3 + c y3"},
    {R"(y1|y2|o|e|delO|new w|new v1|new v2)", "net1,net2,delY1,delY2,new v1,new v2"},
    {R"(y\[\d\])", "W[0],W[4],net[0],net[4],y[0],y[4]"},
    {R"(W\[\d\]|a|b)", "W[0],W[5]"},
    {R"(d1|d2|new w\d)", "d1,d2,new w1"}};

} // namespace

// What each demo's default run explains, and the figures of the worked examples.
TEST(Explanations, EveryDefaultRunsArithmeticHoldsAndMeetsItsTrace) {
    for (int i = 0; i < demoCount; ++i) {
        SCOPED_TRACE(demos[i].name);
        expectExplanationsHold(optionsOutput("--explain", std::to_string(i + 1) + "\ny\nq\n"),
                               traced[i].first, traced[i].second);
    }
}

// Runs on values typed in: a learning constant of 0.5, a steepness of 2, another threshold,
// a Kohonen rate typed as shown, a Hopfield probe whose net input is 0, a B probe.
TEST(Explanations, RunsOnTypedValuesHoldToo) {
    for (const char* input :
         {"1\nn\n6 1 0.5 1 1 -0.5 -1 3 1 -2 -1 -2.5 1.75\nq\n",
          "3\nn\n1 0.2 2 1 1 -0.5 -1 3 1 -2 -1 -2.5 1.75\nq\n",
          "5\nn\n-2 0.5 1 0 0 -1 0 1 -1 1 0 -1 1 1 -1 0.5 0.4 0.8 0.9 1 -0.1 0 0 0 -1.2 1.1 0.3\nq\n",
          "6\nn\n1 -1 1 -1 1 -1 1 1 -1 -1 1 1 -1 1 1 2\nq\n",
          "7\nn\n1 1 1 1 1 1 -1 -1 -1 -1 -1 -1 1 1 -1 -1 1 1 -1 -1 1 1 -1 -1 1 1 1 -1 -1 -1 1 -1 1 -1 1 -1\n"
          "B\n1 -1 -1\nq\n",
          "8\nn\n0.5 0.8 0.6 0.1736 -0.9848 0.707 0.707 0.342 -0.9397 0.6 0.8 0 1 0 -1\nq\n"}) {
        SCOPED_TRACE(input);
        expectExplanationsHold(optionsOutput("--explain", input), traced[input[0] - '1'].first);
    }
}

// A line of arithmetic too long for the screen breaks before an = sign, but not so near its
// start that a name shorter than 16 characters would stand alone: then after the =.
TEST(Explanations, ALongLineBreaksBeforeAnEqualsSignLeavingNoShortNameAlone) {
    const std::string rest(65, 'x');
    std::ostringstream longName, shortName;
    writeExplanation({std::string(16, 'n') + " = " + rest}, longName);
    writeExplanation({std::string(15, 'n') + " = " + rest}, shortName);
    EXPECT_EQ(longName.str(), "    " + std::string(16, 'n') + "\n        = " + rest + "\n");
    EXPECT_EQ(shortName.str(), "    " + std::string(15, 'n') + " =\n        " + rest + "\n");
    // Where a blank near its start is the only one, the line breaks there all the same.
    std::ostringstream onlyBlank;
    writeExplanation({"aaa " + rest + "bbbbbbbbbb"}, onlyBlank);
    EXPECT_EQ(onlyBlank.str(), "    aaa\n        " + rest + "bbbbbbbbbb\n");
    // Nor so near its end that a character would stand alone.
    std::ostringstream lastCharacter;
    writeExplanation({std::string(60, 'a') + " " + std::string(13, 'b') + " c"}, lastCharacter);
    EXPECT_EQ(lastCharacter.str(),
              "    " + std::string(60, 'a') + "\n        " + std::string(13, 'b') + " c\n");
    // A blank at the screen's last column is a place to break: the piece before it fills the
    // line.
    EXPECT_EQ(wrapped(std::string(79, 'a') + " b"), (std::vector<std::string>{std::string(79, 'a'), "b"}));
    // A question breaks after a comma where it can, however early.
    EXPECT_EQ(wrapped("a, " + std::string(74, 'b') + " c d", "", "", afterACommaOutsideBrackets),
              (std::vector<std::string>{"a,", std::string(74, 'b') + " c d"}));
    // A sheet's paragraph keeps a vector whole, breaking before its bracket.
    const std::string vector = "[ 1; 2; 3; 4; 5; 6; 7 ] " + std::string(15, 'b');
    EXPECT_EQ(wrapped(std::string(60, 'a') + " " + vector, "", "", keepingVectorsAndLastWordsWhole),
              (std::vector<std::string>{std::string(60, 'a'), vector}));
    // It leaves ten characters or more after its last break: a blank that leaves ten will do.
    EXPECT_EQ(
        wrapped(std::string(60, 'a') + " " + std::string(17, 'b') + " " + std::string(10, 'c'), "", "",
                keepingVectorsAndLastWordsWhole),
        (std::vector<std::string>{std::string(60, 'a') + " " + std::string(17, 'b'), std::string(10, 'c')}));
    // A sum of products without a later = breaks before a + (or a -), never after one.
    for (const std::string sign : {" + ", " - "}) {
        std::string sum = "t = (1.5)(2.5)";
        for (int term = 0; term < 12; ++term)
            sum += sign + "(1.5)(2.5)";
        std::ostringstream sumWritten;
        writeExplanation({sum}, sumWritten);
        const std::vector<std::string> pieces = linesOf(sumWritten.str());
        ASSERT_GE(pieces.size(), 3u); // two lines, and the empty one after the last line end
        for (std::size_t i = 1; i + 1 < pieces.size(); ++i)
            EXPECT_EQ(pieces[i].substr(0, 10), "       " + sign) << pieces[i];
    }
}
