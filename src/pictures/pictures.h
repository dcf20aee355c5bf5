// Pictures of what a demo learned, drawn as plain text from the record the demo noted of
// its run: after its own output when they are asked for (--pictures), or at a pause of step
// mode. Nothing here changes the demos' own output.
#ifndef NNRULES_PICTURES_PICTURES_H
#define NNRULES_PICTURES_PICTURES_H

#include "model/records.h"

// At the end of a demo: writes its learning curve to the curve file when there is one, and
// draws its pictures (the learning curve, then the picture of its state) when they are asked
// for; where input is typed, otherwise, keeps them for the student to ask for.
void showPictures(const SingleNeuronRun& run);
void showPictures(const MulticlassRun& run);
void showPictures(const NetworkRun& run);
void showPictures(const KohonenRun& run);
void showPictures(const HopfieldRun& run);
void showPictures(const BidirectionalRun& run);

// Draws the pictures of the run just ended, kept to be drawn on request; false when none
// are kept.
bool drawLastRunPictures();

// The picture of where a run stands, for the weights the record holds: where the neurons
// decide, with the patterns marked (or what a memory stored, its probe and its recall).
void drawState(const SingleNeuronRun& run); // the decision line
void drawState(const MulticlassRun& run);   // the decision map of the classes
void drawState(const NetworkRun& run);      // the network's output map
void drawState(const KohonenRun& run);      // the plane of patterns and weight vectors
void drawState(const HopfieldRun& run);     // the stored vectors, the probe and the recall
void drawState(const BidirectionalRun& run);

// At a pause of step mode after the unit numbered so: the picture of where the run stands,
// drawn when pictures are asked for, and written to the SVG folder when there is one.
void showState(const SingleNeuronRun& run, int unit);
void showState(const MulticlassRun& run, int unit);
void showState(const NetworkRun& run, int unit);
void showState(const KohonenRun& run, int unit);
void showState(const HopfieldRun& run, int unit);
void showState(const BidirectionalRun& run, int unit);

// The learning curve: the value that a training run works down, cycle by cycle.
void drawCurve(const LearningCurve& curve);

#endif
