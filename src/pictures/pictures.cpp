// Each record's pictures, drawn after its demo's own output when they are asked for, and
// its learning curve written to the file of curves when there is one.
#include "drawings.h"

void showPictures(const SingleNeuronRun& run) {
    writeCurve(run.demo, run.curve);
    if (picturesAsked()) {
        drawCurve(run.curve);
        drawLine(run);
    }
}

void showPictures(const MulticlassRun& run) {
    writeCurve(run.demo, run.curve);
    if (picturesAsked()) {
        drawCurve(run.curve);
        drawClasses(run);
    }
}

void showPictures(const NetworkRun& run) {
    writeCurve("bpn", run.curve);
    if (picturesAsked()) {
        drawCurve(run.curve);
        drawNetworkMap(run);
    }
}

void showPictures(const KohonenRun& run) {
    writeCurve("kcl", run.curve);
    if (picturesAsked()) {
        drawCurve(run.curve);
        drawKohonenPlane(run);
    }
}

void showPictures(const HopfieldRun& run) {
    if (picturesAsked())
        drawHopfield(run);
}

void showPictures(const BidirectionalRun& run) {
    if (picturesAsked())
        drawBidirectional(run);
}
