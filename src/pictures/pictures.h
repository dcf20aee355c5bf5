// Pictures of what a demo learned, drawn as plain text after its own output when they are
// asked for (--pictures), and its learning curve written to a file for plotting tools
// (--curve). A demo notes what its pictures need as it goes, in one of the records below,
// and hands the record over at its end; without either option nothing is noted or drawn.
#ifndef NNRULES_PICTURES_PICTURES_H
#define NNRULES_PICTURES_PICTURES_H

#include "demos/rules.h"
#include "matrix/cwtsmatrix.h"

#include <array>
#include <string>
#include <vector>

// Draws the pictures after every demo from now on (or, asked false, no more).
void askForPictures(bool asked = true);

// True when the pictures are asked for.
bool picturesAsked();

// Writes the learning curve of every training run from now on to a new file of that name,
// as tab-separated rows under a header. Refuses a file that is the program's standard input,
// output or error, which it would overwrite or mix with its own lines. Empty when done, otherwise why the file cannot be
// written. When a later write fails, the program says so and ends with status 1.
std::string writeCurvesTo(const std::string& path);

// Closes the file of curves, if there is one; a failure ends the program as a write does.
void finishCurves();

// True when the file of curves is open.
bool curveFileOpen();

// True when the learning curves are noted: for the pictures, drawn now or at the student's
// request, or for the file of curves.
bool curvesNoted();

// The value a training run works down, once per cycle, and the limit it works towards.
struct LearningCurve {
    const char* valueName;           // what the value is, as the picture's title says it
    const char* cycleName;           // what one value is noted for: "cycle" or "pass"
    double limit;                    // NaN when there is none
    std::vector<double> values = {}; // noted only when pictures are wanted

    void note(double value) {
        if (curvesNoted())
            values.push_back(value);
    }
};

// In the records below, the weights are those that stand at the end of the run, or at the
// pause where a record is handed over.

// A single perceptron with one input and a bias input: its patterns (input, bias input),
// desired responses and weights (input weight, bias weight) at the start and the end.
struct SingleNeuronRun {
    const char* demo;
    LearningCurve curve;
    bool discrete;     // a signum neuron, or a continuous bipolar one
    double lambda = 1; // the continuous neuron's steepness
    std::array<CwMtx::CWTSVector<2>, 4> patterns{};
    std::array<double, 4> desired{};
    CwMtx::CWTSVector<2> startWeights{}, weights{};
};

// Three perceptrons, one per class, over two inputs and a bias input.
struct MulticlassRun {
    const char* demo;
    LearningCurve curve;
    bool discrete;
    double lambda = 1; // the continuous neurons' steepness
    std::array<CwMtx::CWTSVector<3>, 3> patterns{}, weights{};
};

// The back-propagation network learning the exclusive-or.
struct NetworkRun {
    LearningCurve curve;
    std::array<CwMtx::CWTSVector<3>, 4> patterns{};
    std::array<double, 4> desired{};
    FirstLayer firstLayer{};
    CwMtx::CWTSVector<3> secondLayer{};
    double threshold = 0;
};

// Two competing neurons and their five patterns in the plane.
struct KohonenRun {
    LearningCurve curve;
    std::array<CwMtx::CWTSVector<2>, 5> patterns{};
    std::array<CwMtx::CWTSVector<2>, 2> startWeights{}, weights{};
};

// The Hopfield memory's stored vectors, its probe and what it recalled.
struct HopfieldRun {
    std::array<CwMtx::CWTSVector<5>, 3> stored{};
    int probeNumber = 1;
    CwMtx::CWTSVector<5> recalled{};
};

// The bidirectional memory's stored pairs, its probe (an A or a B vector) and the pair it
// recalled, numbered from 1, or 0 for none.
struct BidirectionalRun {
    std::array<CwMtx::CWTSVector<6>, 4> a{};
    std::array<CwMtx::CWTSVector<3>, 4> b{};
    bool probeIsB = false;
    CwMtx::CWTSVector<6> probeA{};
    CwMtx::CWTSVector<3> probeB{};
    CwMtx::CWTSVector<6> recalledA{};
    CwMtx::CWTSVector<3> recalledB{};
    unsigned recalledPair = 0;
    bool recallEnded = false; // at a pause of step mode, the recall is still under way
};

// Draws the run's pictures when they are asked for (at a terminal otherwise, keeps them to
// be drawn on request), and writes its learning curve when curves are: after the demo's own
// output, which they leave unchanged.
void showPictures(const SingleNeuronRun& run);
void showPictures(const MulticlassRun& run);
void showPictures(const NetworkRun& run);
void showPictures(const KohonenRun& run);
void showPictures(const HopfieldRun& run);
void showPictures(const BidirectionalRun& run);

// Draws the pictures of the run just ended, kept at a terminal; false when none are kept.
bool drawLastRunPictures();

// Draws where the neurons decide for the weights as the record holds them (or the memory's
// state): at a pause of step mode.
void drawProgress(const SingleNeuronRun& run);
void drawProgress(const MulticlassRun& run);
void drawProgress(const NetworkRun& run);
void drawProgress(const KohonenRun& run);
void drawProgress(const HopfieldRun& run);
void drawProgress(const BidirectionalRun& run);

#endif
