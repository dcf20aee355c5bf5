#include "brieftrace.h"

#include "quiz/quiz.h"
#include "settings.h"

#include <iostream>
#include <utility>

void BriefTrace::begin(int number) {
    // A unit that the quiz asks about is shown in full.
    if (settings().brief && !settings().step && number > kept && !quizzes(number)) {
        holding.str("");
        output = std::cout.rdbuf(&holding);
    }
}

void BriefTrace::end(int number, double value) {
    if (!output)
        return;
    std::cout.rdbuf(output);
    output = nullptr;
    // The oldest of the last units is left out now.
    if (lastCount == kept) {
        if (leftOut++ == 0)
            firstLeftOut = last[0];
        lastLeftOut = last[0];
        for (int i = 0; i + 1 < kept; ++i)
            last[i] = std::move(last[i + 1]);
        lastCount = kept - 1;
    }
    last[lastCount++] = {number, value, holding.str()};
}

void BriefTrace::writeHeld() {
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
}
