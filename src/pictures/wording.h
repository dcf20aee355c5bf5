// Numbers in the words of the pictures.
#ifndef NNRULES_PICTURES_WORDING_H
#define NNRULES_PICTURES_WORDING_H

#include <string>

// A number as a picture's label or note says it: an infinity or a value that is no number
// in words, a zero without a sign. A value worked out for the picture (a place on an axis, a point of a
// curve) is written 0 where it is zero to within rounding of the size the picture shows, a part in 10^12 of
// it.
std::string asNoted(double value, double size = 0);

// "(x, y)", each said as a note says it.
std::string pointAsNoted(double x, double y);

#endif
