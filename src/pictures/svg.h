// The pictures as SVG (--svg=DIR): each text picture's twin, drawn from the same record, for
// a handout or a slide. Each stands alone (SVG 1.1, no script, no file of its own), with a
// title and a description in words for a screen reader, axes with labelled ticks, and a
// legend. Patterns are marked by class with distinct shapes, not by colour alone.
#ifndef NNRULES_PICTURES_SVG_H
#define NNRULES_PICTURES_SVG_H

#include "model/records.h"

#include <string>
#include <vector>

// A picture: what it is named after in its file's name ("curve", "plane", "memory"), and
// its SVG text.
struct SvgPicture {
    std::string name;
    std::string text;
};

// The learning curve: the value per cycle, on a log axis where the values span more than
// two decades, the limit marked, and a long run thinned to at most `curvePoints` points, the
// first, the last, the smallest and the largest kept.
constexpr std::size_t curvePoints = 600;
SvgPicture curveSvg(const LearningCurve& curve);

// Where the run stands: the plane of the patterns with each neuron's boundary and weights,
// the network's output map, the Kohonen plane, the memories' vectors as grids of cells.
SvgPicture stateSvg(const SingleNeuronRun& run);
SvgPicture stateSvg(const MulticlassRun& run);
SvgPicture stateSvg(const NetworkRun& run);
SvgPicture stateSvg(const KohonenRun& run);
SvgPicture stateSvg(const HopfieldRun& run);
SvgPicture stateSvg(const BidirectionalRun& run);

// Whether pictures can be written into the folder: empty when they can, otherwise why not.
std::string svgFolderProblem(const std::string& folder);

// Writes the run's pictures into the --svg folder, when there is one, as
// DEMO-RUN-PICTURE.svg (sdpta-1-plane.svg); at a pause of step mode (unit > 0), the plane
// alone, as sdpta-1-plane-step-3.svg. RUN counts the runs of that demo in the session.
void writeSvgPictures(const SingleNeuronRun& run, int unit = 0);
void writeSvgPictures(const MulticlassRun& run, int unit = 0);
void writeSvgPictures(const NetworkRun& run, int unit = 0);
void writeSvgPictures(const KohonenRun& run, int unit = 0);
void writeSvgPictures(const HopfieldRun& run, int unit = 0);
void writeSvgPictures(const BidirectionalRun& run, int unit = 0);

#endif
