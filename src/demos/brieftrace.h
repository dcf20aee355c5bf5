// A brief trace (--brief[=N]): of a training run, the first N units (steps or cycles, 2
// unless told) and the last N in full, and one line for those between that says what
// happened in them. A stepped run is not shortened, nor a unit that the quiz asks about.
#ifndef NNRULES_DEMOS_BRIEFTRACE_H
#define NNRULES_DEMOS_BRIEFTRACE_H

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

class BriefTrace {
  public:
    // `unit` names one unit ("cycle", "step"), `valueName` what a unit's value is, or nullptr
    // where units have no value to tell.
    BriefTrace(const char* unitName, const char* valueNamed) : unit(unitName), valueName(valueNamed) {}

    // Begins the unit numbered so, from 1: from the one after the first N on, its trace is
    // held back (by giving standard output a buffer of its own), to be written only if it is
    // one of the last N.
    void startUnit(int number);

    // Ends the unit begun, with its value and whether it changed the weights.
    void closeUnit(int number, double value, bool changed);

    // Writes the line for the units left out, then the last units held back.
    void writeHeld();

  private:
    struct Held {
        int number = 0;
        double value = 0;
        bool changed = false;
        std::string text;
    };

    const char* unit;
    const char* valueName;
    std::stringbuf holding;           // where the trace of the unit under way goes
    std::streambuf* output = nullptr; // standard output's buffer while it is held back
    std::vector<Held> last;           // the last units held back, oldest first
    // The units left out: how many, the first and the last, and those that changed the weights.
    int leftOut = 0;
    Held firstLeftOut, lastLeftOut;
    std::vector<int> changedUnits;

    void leaveOut(const Held& unit);
    std::string changes() const;
};

#endif
