#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pelmora {

// A cell as the file gives it, blanks around it, quotes and Excel's ="…" text form dropped.
struct Cell {
    std::string text;
    // A number cell of a workbook: its text is its value to 15 significant digits, and in a date
    // or a time column it is a serial day.
    bool number = false;
};

// A line of text, or a row of a sheet.
struct CellRow {
    std::size_t number = 0; // 1-based
    std::vector<Cell> cells;
    bool tooManyCells = false; // more than kMostFields: the rest was not read
};

} // namespace pelmora
