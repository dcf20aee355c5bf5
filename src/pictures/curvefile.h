// The curve file (--curve): the learning curve of every training run of the session, as
// tab-separated rows for plotting tools.
#ifndef NNRULES_PICTURES_CURVEFILE_H
#define NNRULES_PICTURES_CURVEFILE_H

#include "model/records.h"

#include <string>

// The file's columns, as its header names them, each run's rows below it.
inline constexpr const char* curveColumns[] = {"demo", "run", "measure", "cycle", "value"};

// Writes the learning curve of every training run from now on to a new file of that name,
// under a header. Empty when done, otherwise why the file cannot be written (it cannot be
// made, or it is the program's standard input, output or error). When a later write fails,
// the program says so and ends with status 1.
std::string openCurveFile(const std::string& path);

// Writes the run's curve to the file, when one is open: each row says what it measures, and
// a blank line comes between two runs, as plotting tools take several sets of data from one
// file.
void writeCurve(const LearningCurve& curve);

// Closes the file, if one is open; a failure ends the program as a write does.
void closeCurveFile();

#endif
