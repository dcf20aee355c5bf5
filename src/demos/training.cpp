#include "training.h"

#include "console/console.h"
#include "dialog.h"

#include <cmath>
#include <iostream>

int maxTrainingCycles = 100000;

namespace {

bool stepping = false;
bool brief = false;

// In step mode, within a demo's run: pauses are no more (c), or so many are still to be
// passed by (a number typed at a pause).
bool runToEnd;
int pausesToPass;

// Whether the stop key is being watched: while a training runs at a terminal.
bool watching = false;

void watchStopKey(bool watched) {
    if (watched != watching && inputIsTerminal())
        catchStopKey(watched);
    watching = watched;
}

} // namespace

void stepThroughLearning(bool step) {
    stepping = step;
}

void keepTracesBrief(bool shortened) {
    brief = shortened;
}

void startPacing() {
    runToEnd = false;
    pausesToPass = 0;
}

bool pauseAfterDrawing(const char* unit, int number, const std::function<void()>& drawPicture) {
    if (stopKeyPressed())
        return false;
    if (!stepping || runToEnd)
        return true;
    if (pausesToPass > 0) {
        --pausesToPass;
        return true;
    }
    if (picturesAsked())
        drawPicture();
    // Ctrl-C pressed while the picture was drawn stops the training, as during the trace.
    if (stopKeyPressed())
        return false;
    // Ctrl-C at the pause's prompt ends the program, as at any prompt.
    const bool watched = watching;
    watchStopKey(false);
    for (;;) {
        toTypist() << std::endl
                   << "Paused after " << unit << " " << number
                   << ". Enter: next, N: N more, c: to the end, q: stop: ";
        std::string answer;
        if (!readPauseAnswer(answer) || answer == "c" || answer == "C") {
            runToEnd = true;
            break;
        }
        if (answer == "q" || answer == "Q") {
            watchStopKey(watched);
            return false;
        }
        int more = 1;
        if (answer.empty() || (readWhole(answer, more) && more > 0)) {
            pausesToPass = more - 1;
            break;
        }
        // A count too large for an int is more than any run has left: to the end, as c.
        if (answer.find_first_not_of("0123456789") == std::string::npos && !readWhole(answer, more)) {
            runToEnd = true;
            break;
        }
        toTypist() << std::endl
                   << '"' << shownWord(answer)
                   << "\" is not an answer here: press Enter, or type a number, c or q.";
    }
    watchStopKey(watched);
    return true;
}

bool Training::due() const {
    return units < unitLimit && weightsMoved &&
           (units == 0 || std::isnan(errorLimit) || cycleError > errorLimit);
}

bool Training::goesOn() {
    const bool more = !stopAsked && due();
    if (!more) {
        writeHeld();
        watchStopKey(false);
    }
    return more;
}

int Training::start() {
    ++units;
    watchStopKey(true);
    if (brief && !stepping && units > 2) {
        holding.str("");
        output = std::cout.rdbuf(&holding);
    }
    return units;
}

void Training::finishWith(double value, bool movedWeights, const std::function<void()>& drawPicture) {
    cycleError = value;
    weightsMoved = movedWeights;
    if (output) {
        std::cout.rdbuf(output);
        output = nullptr;
        // The oldest of the last two is left out now.
        if (lastCount == kept) {
            if (leftOut++ == 0)
                firstLeftOut = last[0];
            lastLeftOut = last[0];
            last[0] = std::move(last[1]);
            lastCount = 1;
        }
        last[lastCount++] = {units, value, holding.str()};
    }
    // Asked after the last unit, a stop stops nothing.
    if (!pauseAfterDrawing(unit, units, drawPicture))
        stopAsked = due();
}

void Training::writeHeld() {
    // "... 5625 cycles left out (3 to 5627): cycle error 0.494752 to 0.0100049 ..."
    if (leftOut > 0) {
        std::cout << std::endl
                  << "... " << leftOut << " " << unit << (leftOut == 1 ? "" : "s") << " left out ("
                  << firstLeftOut.number;
        if (leftOut > 1)
            std::cout << " to " << lastLeftOut.number;
        std::cout << "): " << valueName << " " << firstLeftOut.value;
        if (leftOut > 1)
            std::cout << " to " << lastLeftOut.value;
        std::cout << " ...";
    }
    for (int i = 0; i < lastCount; ++i)
        std::cout << last[i].text;
    leftOut = lastCount = 0;
}

void Training::writeEnd(const char* finishedLine, const char* stillMovingReason) const {
    const bool limitReached = std::isnan(errorLimit) ? !weightsMoved || !stillMovingReason
                                                     : !std::isnan(cycleError) && !(cycleError > errorLimit);
    if (limitReached && !stopAsked) {
        std::cout << finishedLine;
        return;
    }
    std::cout << "Training stopped after " << units << " " << unit << (units == 1 ? "" : "s");
    if (stopAsked)
        std::cout << ", as asked.";
    else if (std::isnan(errorLimit))
        std::cout << ": " << stillMovingReason;
    else if (std::isnan(cycleError))
        std::cout << ": the cycle error is not a number.";
    else if (!weightsMoved)
        std::cout << ": the weights no longer change and the cycle error is still above " << errorLimit
                  << ".";
    else
        std::cout << ": the cycle error is still above " << errorLimit << ".";
}
