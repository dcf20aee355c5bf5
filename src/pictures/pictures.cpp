// Each record's pictures, drawn after its demo's own output when they are asked for (or
// kept, at a terminal, to be drawn when the student asks at the pause), and its learning
// curve written to the file of curves when there is one.
#include "console/console.h"
#include "drawings.h"

#include <functional>

namespace {

// The pictures of the run just ended, kept to be drawn on request.
std::function<void()> lastRunPictures;

// Draws the run's pictures now when they are asked for; at a terminal otherwise, keeps
// them for the student to ask for.
template <class Record>
void drawOrKeep(const Record& run, void (*draw)(const Record&)) {
    if (picturesAsked())
        draw(run);
    else if (inputIsTerminal())
        lastRunPictures = [run, draw] { draw(run); };
}

void drawTraining(const SingleNeuronRun& run) {
    drawCurve(run.curve);
    drawLine(run);
}

void drawTraining(const MulticlassRun& run) {
    drawCurve(run.curve);
    drawClasses(run);
}

void drawTraining(const NetworkRun& run) {
    drawCurve(run.curve);
    drawNetworkMap(run);
}

void drawTraining(const KohonenRun& run) {
    drawCurve(run.curve);
    drawKohonenPlane(run);
}

} // namespace

bool curvesNoted() {
    return picturesAsked() || curveFileOpen() || inputIsTerminal();
}

void showPictures(const SingleNeuronRun& run) {
    writeCurve(run.demo, run.curve);
    drawOrKeep(run, drawTraining);
}

void showPictures(const MulticlassRun& run) {
    writeCurve(run.demo, run.curve);
    drawOrKeep(run, drawTraining);
}

void showPictures(const NetworkRun& run) {
    writeCurve("bpn", run.curve);
    drawOrKeep(run, drawTraining);
}

void showPictures(const KohonenRun& run) {
    writeCurve("kcl", run.curve);
    drawOrKeep(run, drawTraining);
}

void showPictures(const HopfieldRun& run) {
    drawOrKeep(run, drawHopfield);
}

void showPictures(const BidirectionalRun& run) {
    drawOrKeep(run, drawBidirectional);
}

bool drawLastRunPictures() {
    if (!lastRunPictures)
        return false;
    lastRunPictures();
    lastRunPictures = nullptr;
    return true;
}

void drawProgress(const SingleNeuronRun& run) {
    drawLine(run);
}

void drawProgress(const MulticlassRun& run) {
    drawClasses(run);
}

void drawProgress(const NetworkRun& run) {
    drawNetworkMap(run);
}

void drawProgress(const KohonenRun& run) {
    drawKohonenPlane(run);
}

void drawProgress(const HopfieldRun& run) {
    drawHopfield(run);
}

void drawProgress(const BidirectionalRun& run) {
    drawBidirectional(run);
}
