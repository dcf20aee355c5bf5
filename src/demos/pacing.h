// Step mode (--step): after every unit of learning (a step, a training cycle, a recall
// cycle) the trace pauses until the student goes on, with the picture of where the run
// stands when pictures are asked for.
#ifndef NNRULES_DEMOS_PACING_H
#define NNRULES_DEMOS_PACING_H

#include "pictures/pictures.h"

#include <functional>
#include <string>

// After a unit of learning, numbered from 1: in step mode, the pause, with the picture of
// where the run stands first (drawn when pictures are asked for, written to an SVG file when
// they go to a folder), and its line saying where the run stands (its value, such as
// "cycle error 6.72105", when it has one). False when the student asked to stop there, or
// pressed Ctrl-C at a terminal while the unit ran or its picture was drawn.
bool pauseAfterDrawing(const char* unit, int number, const std::function<std::string()>& standing,
                       const std::function<void()>& drawPicture);

template <class Record>
bool pauseAfter(const char* unit, int number, const Record& run) {
    return pauseAfterDrawing(
        unit, number, [] { return std::string(); }, [&run, number] { showState(run, number); });
}

#endif
