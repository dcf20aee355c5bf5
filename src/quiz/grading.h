// Grading a typed number against the value it answers, on the decimal texts of both: the
// number as typed, and the value's shortest text that reads back as it. No binary rounding
// decides a case that lies exactly on the edge.
#ifndef NNRULES_QUIZ_GRADING_H
#define NNRULES_QUIZ_GRADING_H

#include <cstddef>
#include <string>
#include <vector>

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

// What one line of answer makes of a question that wants the numbers `key`: no answer (a
// blank line, - or ?), a line that does not answer it (why: a word that is no number, too few
// or too many numbers), or graded numbers, with which of them (from 1) are off and which give
// too few digits to tell.
struct Judgement {
    bool answered = false;
    std::string refused;
    std::vector<std::size_t> off, tooShort;

    bool right() const { return answered && refused.empty() && off.empty() && tooShort.empty(); }
};

// Judges the line: its numbers apart by blanks, commas, or the brackets and semicolons of the
// trace's vectors ([ -1.5; 2.75 ]); a Unicode minus is a minus.
Judgement judgeAnswer(const std::string& line, const std::vector<double>& key, int leastDigits);

#endif
