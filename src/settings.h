// The settings of a session: what the command line asks for, one value that the menu and
// every demo's run read.
#ifndef NNRULES_SETTINGS_H
#define NNRULES_SETTINGS_H

#include <cstdint>
#include <string>
#include <vector>

struct Settings {
    bool pictures = false;         // draw each demo's pictures after its output (-p)
    bool step = false;             // pause the trace after every step or cycle (-s)
    int brief = 0;                 // of a training, so many units in full at either end, 0: all (--brief)
    bool defaultsAnswered = false; // answer each demo's question y, reading nothing (-d)
    bool explain = false;          // the rule, and each step's arithmetic after its trace (-e)
    bool explainAll = false;  // every unit of a long training explained, not its ends alone (--explain=all)
    bool echo = false;        // each answer read from a file written after its prompt (--echo)
    int quizzedUnits = 0;     // the first units asked about before their results (--quiz)
    int answerDigits = 3;     // the significant digits (or decimals) a quiz's answer needs (--digits)
    bool exercise = false;    // values drawn from the seed instead of the defaults (--exercise)
    std::uint64_t seed = 0;   // the exercise's seed
    bool problemOnly = false; // the exercise's problem alone, no question, no trace (--problem)
    std::string answersFile;  // where the quiz's answers are read from, if not standard input (--answers)
    bool sheet = false;       // the quiz's problem and questions, to be worked on paper (--sheet)
    bool key = false;         // the sheet's answers and their arithmetic, and the run's end (--key)
    std::vector<std::string> gradedFiles; // answer files graded at once, a row each (--grade)
    std::string curveFile;                // where the learning curves go, if anywhere (--curve)
    std::string svgFolder;                // where the pictures go as SVG files, if anywhere (--svg)
    int cycleLimit = 100000;              // no training runs more cycles (or steps) than this; tests lower it
};

// The settings of the session under way, as the menu was given them.
const Settings& settings();

// The settings from now on: for the menu, as it begins a session.
void useSettings(const Settings& settings);

#endif
