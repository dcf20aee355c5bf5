// The scales that place values on a picture's cells.
#ifndef NNRULES_PICTURES_SCALE_H
#define NNRULES_PICTURES_SCALE_H

#include <vector>

// A linear scale from the finite values lo..hi onto the cells 0..cells-1.
struct Scale {
    double lo, hi;
    int cells;
    int cell(double value) const; // the nearest cell, outside the range too
    double value(int cell) const; // the value at the cell's middle
};

// The range of the finite values (at least one), widened by a share of it on each side (by 1
// where they are all one value), and kept within the finite doubles.
Scale scaleAround(const std::vector<double>& values, int cells, double margin);

// Whether a curve's values above 0 go on a log scale: where they span more than two decades,
// the largest more than 100 times the smallest.
bool spansDecades(const std::vector<double>& positive);

#endif
