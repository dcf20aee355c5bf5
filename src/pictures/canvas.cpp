#include "canvas.h"

#include "console/wrapping.h"

#include <algorithm>
#include <iostream>

void Canvas::put(int column, int row, char c) {
    if (column >= 0 && column < width() && row >= 0 && row < height())
        rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = c;
}

void Canvas::write(int column, int row, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        put(column + static_cast<int>(i), row, text[i]);
}

void Canvas::mark(int column, int row, char c) {
    put(column, row, c);
    const std::pair<int, int> cell{column, row};
    const auto found =
        std::find_if(marked.begin(), marked.end(), [&](const auto& m) { return m.first == cell; });
    if (found == marked.end())
        marked.push_back({cell, std::string(1, c)});
    else
        found->second += c;
}

std::string Canvas::coverNote() const {
    std::string note;
    for (const auto& [cell, marks] : marked) {
        if (marks.size() < 2)
            continue;
        std::string covered;
        for (std::size_t i = 0; i + 1 < marks.size(); ++i)
            covered += std::string(i == 0 ? "" : i + 2 == marks.size() ? " and " : ", ") + marks[i];
        note += std::string(note.empty() ? "  " : "; ") + marks.back() + " covers " + covered;
    }
    return note.empty() ? note : note + ".";
}

void writePicture(const std::vector<std::string>& lines) {
    std::cout << std::endl;
    for (const std::string& line : lines) {
        for (const std::string& piece : wrapped(line.substr(0, line.find_last_not_of(' ') + 1), "", "    "))
            std::cout << piece << std::endl;
    }
}
