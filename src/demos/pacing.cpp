#include "pacing.h"

#include "console/answers.h"
#include "explain/explain.h"
#include "run.h"
#include "settings.h"

#include <iostream>
#include <string>

bool pauseAfterDrawing(const char* unit, int number, const std::function<std::string()>& standing,
                       const std::function<void()>& drawPicture) {
    if (leavingDemo())
        return false;
    if (stopKeyPressed()) {
        forgetStopKey();
        return false;
    }
    if (!settings().step || thisRun().runToEnd)
        return true;
    if (thisRun().pausesToPass > 0) {
        --thisRun().pausesToPass;
        return true;
    }
    drawPicture();
    // Ctrl-C pressed while the picture was drawn stops the training, as during the trace.
    if (stopKeyPressed()) {
        forgetStopKey();
        return false;
    }
    const std::string stands = standing();
    for (;;) {
        toTypist() << std::endl
                   << "Paused after " << unit << " " << number << (stands.empty() ? "" : " (" + stands + ")")
                   << ". Enter: next, N: N more, c: to the end, q: stop, e: explain: ";
        std::string answer;
        const bool answered = readPauseAnswer(answer);
        if (leavingDemo())
            return false;
        if (!answered || answer == "c" || answer == "C") {
            thisRun().runToEnd = true;
            break;
        }
        if (answer == "q" || answer == "Q")
            return false;
        // The unit's arithmetic, and the question again.
        if ((answer == "e" || answer == "E") && writeKeptExplanation(toTypist()))
            continue;
        int more = 1;
        if (answer.empty() || (readWhole(answer, more) && more > 0)) {
            thisRun().pausesToPass = more - 1;
            break;
        }
        // A count too large for an int is more than any run has left: to the end, as c.
        if (answer.find_first_not_of("0123456789") == std::string::npos && !readWhole(answer, more)) {
            thisRun().runToEnd = true;
            break;
        }
        toTypist() << std::endl
                   << '"' << shownWord(answer)
                   << "\" is not an answer here: press Enter, or type a number, c, q or e.";
    }
    return true;
}
