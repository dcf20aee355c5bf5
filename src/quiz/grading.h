// Grading a typed number against the value it answers, on the decimal texts of both: the
// number as typed, and the value's shortest text that reads back as it. No binary rounding
// decides a case that lies exactly on the edge.
#ifndef NNRULES_QUIZ_GRADING_H
#define NNRULES_QUIZ_GRADING_H

#include <string>

// True when the word can answer a number: a decimal number (1, -0.5, .5, 2.75e-3), or an
// infinity or NaN as the trace writes them (inf, -inf, nan, -nan).
bool isAnswerNumber(const std::string& word);

// True when the typed number is the value to the precision the trace writes: within half a
// unit of the value's sixth significant digit, edges included (0 only for a zero). An
// infinite or NaN value is answered only by the same word the trace writes for it.
bool rightNumber(const std::string& typed, double value);

#endif
