// Lines too long for the screen, broken at blanks: the one way the explanations, the quiz and
// the pictures fit theirs to 79 columns.
#ifndef NNRULES_CONSOLE_WRAPPING_H
#define NNRULES_CONSOLE_WRAPPING_H

#include <functional>
#include <limits>
#include <string>
#include <vector>

constexpr std::size_t screenWidth = 79;

// How good a place to break the line the blank at `at` is: 0 the best, higher worse, and
// noBreakHere (below 0) no place to break at all.
using BreakRank = std::function<int(const std::string& line, std::size_t at)>;
constexpr int noBreakHere = std::numeric_limits<int>::min();

// The line as the screen shows it: `indent` before it, and where it is longer than the width,
// broken at the best-ranked blank that leaves the piece within the width (the last of those
// ranked so), the blank dropped, and the rest going on after `goesOnIndent`, and so on. A piece
// without a blank to break at stays whole. Every blank is as good as any other unless `rank`
// says otherwise.
std::vector<std::string> wrapped(const std::string& line, const std::string& indent = "",
                                 const std::string& goesOnIndent = "", const BreakRank& rank = nullptr);

// A question's rank: a blank after a comma outside brackets (between two of the values it
// gives) is the best place, any other blank the next best.
int afterACommaOutsideBrackets(const std::string& line, std::size_t at);

// A paragraph's rank: a blank outside brackets that leaves a few words after it is the best
// place; one that would leave a short word or two alone is the next best, and a blank inside
// a vector's brackets the worst.
int keepingVectorsAndLastWordsWhole(const std::string& line, std::size_t at);

#endif
