// What one demo's run keeps while it goes: one value, made new for every run by the menu,
// which owns it, and read by the views that watch the run (the pauses, the quiz, the
// explanations, the pictures).
#ifndef NNRULES_RUN_H
#define NNRULES_RUN_H

#include <functional>
#include <string>
#include <vector>

struct Practice;

struct RunState {
    // Step mode's pauses: no more of them (c), or so many still to be passed by (a number).
    bool runToEnd = false;
    int pausesToPass = 0;
    // The quiz's questions asked so far, and those answered right.
    int asked = 0, rightAnswers = 0;
    // The explanation of the unit under way, kept for e at its pause.
    std::vector<std::string> keptExplanation;
    // The pictures of the run, kept to be drawn when the student asks for them at its end.
    std::function<void()> keptPictures;
    // The run's number among its demo's runs whose pictures went to SVG files (0: none yet).
    int svgRun = 0;
    // A practice run (a sheet, its key, a class's grades), which shows nothing of itself: what
    // it notes of the run, and the rule in symbols that the run's training applies.
    Practice* practice = nullptr;
    std::vector<std::string> rule;
};

// The run under way: the one the menu made last, or a run of its own for what runs outside
// the menu (tests).
RunState& thisRun();

// Makes `run` the run under way for as long as it lives.
class RunScope {
  public:
    explicit RunScope(RunState& run);
    ~RunScope();
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

  private:
    RunState* const before;
};

#endif
