// A brief trace (--brief): of a training run, the first two units (steps or cycles) and the
// last two in full, and one line for those between. A stepped run is not shortened.
#ifndef NNRULES_DEMOS_BRIEFTRACE_H
#define NNRULES_DEMOS_BRIEFTRACE_H

#include <sstream>
#include <streambuf>
#include <string>

class BriefTrace {
  public:
    // `unit` names one unit ("cycle", "step"), `valueName` what a unit's value is.
    BriefTrace(const char* unitName, const char* valueNamed) : unit(unitName), valueName(valueNamed) {}

    // Begins the unit numbered so, from 1: from the third on, its trace is held back (by
    // giving standard output a buffer of its own), to be written only if it is one of the last.
    void begin(int number);

    // Ends the unit begun, with its value.
    void end(int number, double value);

    // Writes the line for the units left out, then the last units held back.
    void writeHeld();

  private:
    struct Held {
        int number = 0;
        double value = 0;
        std::string text;
    };
    static constexpr int kept = 2; // the units kept at either end

    const char* unit;
    const char* valueName;
    std::stringbuf holding;           // where the trace of the unit under way goes
    std::streambuf* output = nullptr; // standard output's buffer while it is held back
    Held last[kept];                  // the last units held back, oldest first
    int lastCount = 0;
    Held firstLeftOut, lastLeftOut; // the first and last units left out
    int leftOut = 0;
};

#endif
