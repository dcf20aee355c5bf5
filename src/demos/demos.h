// The demos of the main menu, in menu order: the one list that the menu, the command
// line, --help and the tests read. Each demo runs one whole demo on standard input and
// output and returns to its caller. A demo's number is its place in the list, from 1.
#ifndef NNRULES_DEMOS_DEMOS_H
#define NNRULES_DEMOS_DEMOS_H

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>

void SDPTA();
void MCDPTA();
void SCPTA();
void MCCPTA();
void BPN();
void HAM();
void BAM();
void KCL();

struct Demo {
    const char* name;    // the short name the command line takes, in lower case
    const char* title;   // the menu's and --help's name of it
    const char* teaches; // what it shows a student, in a few words
    void (*run)();
};

inline constexpr Demo demos[] = {
    {"sdpta", "Single Discrete Perceptron Training Algorithm",
     "fixed-increment correction of one signum neuron", SDPTA},
    {"mcdpta", "Multiclass Discrete Perceptron Training Algorithm",
     "the same for three signum neurons, one a class", MCDPTA},
    {"scpta", "Single Continuous Perceptron Training Algorithm",
     "the delta rule for one continuous bipolar neuron", SCPTA},
    {"mccpta", "Multiclass Continuous Perceptron Training Algorithm",
     "the delta rule for three such neurons, one a class", MCCPTA},
    {"bpn", "2-Layer Back Propagation Network", "back-propagation in two layers, on the exclusive-or", BPN},
    {"ham", "Hopfield Auto-Associative Memory Storage",
     "a Hopfield memory: three vectors stored, one recalled", HAM},
    {"bam", "Bidirectional Associative Memory Storage", "a bidirectional memory: four pairs, one recalled",
     BAM},
    {"kcl", "Kohonen Competitive Learning", "winner-take-all learning of two neurons", KCL},
};

inline constexpr int demoCount = static_cast<int>(std::size(demos));

// The length of the longest of the demos' titles, or of their short names, for the lists
// that line them up: longest(&Demo::title).
constexpr std::size_t longest(const char* Demo::*text) {
    std::size_t length = 0;
    for (const Demo& demo : demos)
        length = std::max(length, std::char_traits<char>::length(demo.*text));
    return length;
}

// The demo that a number ("5") or a short name in any case ("BPN") names, or nullptr.
const Demo* findDemo(const char* numberOrName);

#endif
