// Practice for a class (--sheet, --key, --grade). A practice run runs a demo as its quiz
// would, on the demo's own values or an exercise's, with nothing of the run shown: it notes
// the questions the quiz would ask, and at the run's end its record. From them it writes a
// sheet of the problem and its questions to be worked on paper, the sheet's key, or the
// grades of a class's answer files.
#ifndef NNRULES_QUIZ_PRACTICE_H
#define NNRULES_QUIZ_PRACTICE_H

#include "model/records.h"
#include "quiz.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

struct Practice {
    const char* demoName;                 // "sdpta"
    const char* demoTitle;                // "Single Discrete Perceptron Training Algorithm"
    std::ostream& pages;                  // where the sheet, the key or the grades go
    std::vector<Question> questions = {}; // those the quiz would ask, in order
};

// Runs the demo as a practice run and writes what the settings ask for: its sheet, its key,
// or one row of grades for each answer file named. The program's exit status: 0, or 1 when an
// answer file could not be read.
int practise(void (*demo)(), const char* name, const char* title);

// At the end of a practice run, the sheet or the key, from the record of the run.
void writePractice(const SingleNeuronRun& run);
void writePractice(const MulticlassRun& run);
void writePractice(const NetworkRun& run);
void writePractice(const KohonenRun& run);
void writePractice(const HopfieldRun& run);
void writePractice(const BidirectionalRun& run);

// The givens of the question numbered `index` (from 0) as a sheet states them: a vector of
// weights or of a memory's state that is an earlier question's answer as the key writes it,
// or a run of its numbers, is named as that answer (the latest, where two are), so that no
// question gives an earlier one away; a pattern (x, y) is given as it is.
std::string statedOnSheet(const std::vector<Question>& questions, std::size_t index);

// Reads the whole file into text; false, with why (the system's words), when it cannot.
bool readWholeFile(const std::string& path, std::string& text, std::string& why);

#endif
