#pragma once

#include "statement/StatementCells.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// Text of tab- or comma-separated lines, as the trading clients write it: lines ending in CRLF,
// LF or CR, the last perhaps with none; a separator at the end of every line; quoted cells, and
// Excel's ="600519" text form, also written = "000597   ".
class DelimitedText {
public:
    explicit DelimitedText(std::string_view text) : m_text(text) {}

    // The next line, none at the end; its number is lineNumber().
    bool nextLine(std::string_view& line);
    [[nodiscard]] std::size_t lineNumber() const { return m_number; }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_number = 0;
};

// The line's cells, split at `separator` and each cleaned, into `row`, whose number is kept.
void splitLine(std::string_view line, char separator, CellRow& row);

// A cell's text without the blanks around it, its quotes (a doubled one is one) and Excel's ="…".
std::string cleanCell(std::string_view raw);

// The text without the blanks around it: spaces, tabs, CR, LF, U+00A0 and U+3000.
std::string_view trimBlanks(std::string_view text);

} // namespace pelmora
