// A page of character cells with named marks on it, and the writing of a finished picture.
#ifndef NNRULES_PICTURES_CANVAS_H
#define NNRULES_PICTURES_CANVAS_H

#include "console/wrapping.h"

#include <string>
#include <utility>
#include <vector>

// Every picture fits 79 columns and 20 lines, its title and notes included.
constexpr int pictureWidth = static_cast<int>(screenWidth);

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

// Writes a picture: a blank line, then its lines with trailing blanks taken off; a note too
// long for a line goes on, indented, on the next.
void writePicture(const std::vector<std::string>& lines);

#endif
