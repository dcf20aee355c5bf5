// The drawings that the pictures are made of, each from a record of a run.
#ifndef NNRULES_PICTURES_DRAWINGS_H
#define NNRULES_PICTURES_DRAWINGS_H

#include "pictures.h"

// The learning curve, and its rows in the file of curves when there is one.
void drawCurve(const LearningCurve& curve);
void writeCurve(const char* demo, const LearningCurve& curve);

// Where the neurons decide, with the patterns marked, for the weights the record holds.
void drawLine(const SingleNeuronRun& run);
void drawClasses(const MulticlassRun& run);
void drawNetworkMap(const NetworkRun& run);
void drawKohonenPlane(const KohonenRun& run);

// What a memory stored, its probe and what it recalled.
void drawHopfield(const HopfieldRun& run);
void drawBidirectional(const BidirectionalRun& run);

#endif
