// What the pictures share: a page of character cells, the scales that place values on it,
// numbers written as the traces write them, and the writing of a finished picture.
#ifndef NNRULES_PICTURES_CANVAS_H
#define NNRULES_PICTURES_CANVAS_H

#include <string>
#include <vector>

// Every picture fits 79 columns (and 20 lines), its title and notes included.
constexpr int pictureWidth = 79;

// Rows of character cells, all of one width; marks outside are dropped.
struct Canvas {
    std::vector<std::string> rows;

    Canvas(int width, int height)
        : rows(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), ' ')) {}
    int width() const { return static_cast<int>(rows[0].size()); }
    int height() const { return static_cast<int>(rows.size()); }
    void put(int column, int row, char mark);
    // Writes the text from the column on, as far as the row reaches.
    void write(int column, int row, const std::string& text);
};

// A linear scale from the values lo..hi onto the cells 0..cells-1.
struct Scale {
    double lo, hi;
    int cells;
    int cell(double value) const; // the nearest cell, outside the range too
    double value(int cell) const; // the value at the cell's middle
};

// The range lo..hi of the values, widened by a margin on each side.
Scale scaleAround(const std::vector<double>& values, int cells, double margin);

// A number as the traces write it: six significant digits, the shorter form.
std::string number(double value);

// Writes a picture: a blank line, then its lines with trailing blanks taken off.
void writePicture(const std::vector<std::string>& lines);

struct LearningCurve;

// Draws the learning curve; writes its rows to the file of curves when there is one.
void drawCurve(const LearningCurve& curve);
void writeCurve(const char* demo, const LearningCurve& curve);

#endif
