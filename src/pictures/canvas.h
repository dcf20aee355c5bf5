// What the pictures share: a page of character cells with named marks on it, the scales
// that place values on it, numbers written as the traces write them, and the writing of a
// finished picture.
#ifndef NNRULES_PICTURES_CANVAS_H
#define NNRULES_PICTURES_CANVAS_H

#include <string>
#include <utility>
#include <vector>

// Every picture fits 79 columns and 20 lines, its title and notes included.
constexpr int pictureWidth = 79;
constexpr int pictureHeight = 20;

// Rows of character cells, all of one width; marks outside are dropped. Marks that the
// legend names are put with mark(): where several fall in one cell, the last one put is
// shown, and coverNote() says which it covers.
struct Canvas {
    std::vector<std::string> rows;

    Canvas(int width, int height)
        : rows(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), ' ')) {}
    int width() const { return static_cast<int>(rows.front().size()); }
    int height() const { return static_cast<int>(rows.size()); }
    void put(int column, int row, char c);
    // Writes the text from the column on, as far as the row reaches.
    void write(int column, int row, const std::string& text);
    // A mark's cell is on the canvas: the pictures' ranges hold everything they mark.
    void mark(int column, int row, char c);
    // "  A covers a and 3." for each cell that holds more than one mark; empty when none does.
    std::string coverNote() const;

  private:
    std::vector<std::pair<std::pair<int, int>, std::string>> marked; // each cell's marks, in order
};

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

// A number as the traces write it: six significant digits, the shorter form.
std::string number(double value);

// A number as a picture's label or note says it: an infinity or a value that is no number
// in words. A value worked out for the picture (a place on an axis, a point of a curve) is
// written 0 where it is zero to within rounding of the size the picture shows, a part in
// 10^12 of it.
std::string said(double value, double size = 0);

// "(x, y)", each said as a note says it.
std::string pair(double x, double y);

// Writes a picture: a blank line, then its lines with trailing blanks taken off; a note too
// long for a line goes on, indented, on the next.
void writePicture(const std::vector<std::string>& lines);

#endif
