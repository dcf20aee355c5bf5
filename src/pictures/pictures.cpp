// Each record's pictures, drawn after its demo's own output when they are asked for, or
// kept, where input is typed, to be drawn when the student asks at the pause; and its
// learning curve written to the curve file when there is one.
#include "pictures.h"

#include "console/console.h"
#include "curvefile.h"
#include "run.h"
#include "settings.h"
#include "svg.h"

#include <functional>

namespace {

// Draws the run's pictures now when they are asked for; where input is typed otherwise,
// keeps them for the student to ask for.
template <class Drawing>
void drawOrKeep(const Drawing& draw) {
    if (settings().pictures)
        draw();
    else if (inputIsTyped())
        thisRun().keptPictures = draw;
}

// A training's pictures: its learning curve, then where it ended. A demo left before its end
// (its problem shown alone, Ctrl-C at a prompt) has none, and no learning curve in the file.
template <class Record>
void showTraining(const Record& run) {
    if (leavingDemo())
        return;
    writeCurve(run.curve);
    Record ended = run;
    ended.ended = true;
    writeSvgPictures(ended);
    drawOrKeep([ended] {
        drawCurve(ended.curve);
        drawState(ended);
    });
}

} // namespace

void showPictures(const SingleNeuronRun& run) {
    showTraining(run);
}

void showPictures(const MulticlassRun& run) {
    showTraining(run);
}

void showPictures(const NetworkRun& run) {
    showTraining(run);
}

void showPictures(const KohonenRun& run) {
    showTraining(run);
}

void showPictures(const HopfieldRun& run) {
    writeSvgPictures(run);
    drawOrKeep([run] { drawState(run); });
}

void showPictures(const BidirectionalRun& run) {
    writeSvgPictures(run);
    drawOrKeep([run] { drawState(run); });
}

namespace {

template <class Record>
void showStanding(const Record& run, int unit) {
    if (settings().pictures)
        drawState(run);
    writeSvgPictures(run, unit);
}

} // namespace

void showState(const SingleNeuronRun& run, int unit) {
    showStanding(run, unit);
}
void showState(const MulticlassRun& run, int unit) {
    showStanding(run, unit);
}
void showState(const NetworkRun& run, int unit) {
    showStanding(run, unit);
}
void showState(const KohonenRun& run, int unit) {
    showStanding(run, unit);
}
void showState(const HopfieldRun& run, int unit) {
    showStanding(run, unit);
}
void showState(const BidirectionalRun& run, int unit) {
    showStanding(run, unit);
}

bool drawLastRunPictures() {
    if (!thisRun().keptPictures)
        return false;
    thisRun().keptPictures();
    thisRun().keptPictures = nullptr;
    return true;
}
