// Grading a typed number against the value it answers, on the decimal texts of both: the
// number as typed, and the value's shortest text that reads back as it. No binary rounding
// decides a case that lies exactly on the edge.
#ifndef NNRULES_QUIZ_GRADING_H
#define NNRULES_QUIZ_GRADING_H

#include <string>

// True when the word can answer a number: a decimal number (1, -0.5, .5, 2.75e-3), or an
// infinity or NaN as the trace writes them (inf, -inf, nan, -nan).
bool isAnswerNumber(const std::string& word);

// How a typed number answers a value: right or not, and when not, whether it gave too few
// digits to be graded.
struct Grade {
    bool right;
    bool tooFewDigits;
};

// The answer is right to the digits it gives: with at least `leastDigits` significant digits
// (or decimals), when it is within half a unit of its last digit of the value, edges included;
// with fewer, only when it is the value exactly (-1, 2.75, 0). An infinite or NaN value is
// answered only by the same word the trace writes for it.
Grade gradeNumber(const std::string& typed, double value, int leastDigits);

#endif
