#pragma once

#include "calc/JournalTrade.h"
#include "numbers/ExactDecimal.h"
#include "statement/StatementCells.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// How a workbook counts its days: from 1900 (Excel's own, which takes 1900 for a leap year) or
// from 1904; a text file has no serials.
enum class Serials : std::uint8_t { None, From1900, From1904 };

// A date cell: 20240305, 2024-03-05 or 2024/3/5, a time after it aside; in a workbook also a
// serial day. None for anything else.
std::optional<TradeDate> cellDate(const Cell& cell, Serials serials);
// The time a date cell carries after a blank ("2024-03-05 10:00:00"), if any.
std::optional<TradeTime> timeInDateCell(const Cell& cell);
// A time cell: 10:00:00, 9:30 or 093000; in a workbook also a day's fraction, a serial's too.
std::optional<TradeTime> cellTime(const Cell& cell, Serials serials);

// A number cell in the grammar ToNumber reads, grouping included. A dash or two stand for none,
// as an empty cell does.
enum class CellNumber : std::uint8_t { Empty, Read, Unreadable };
CellNumber cellNumber(std::string_view text, Decimal& value);

// The decimals a figure is shown with: 3 for "10.230", 0 for "10".
int shownDecimals(std::string_view text);

// A workbook's number as Excel keeps it, to 15 significant digits, written out in full:
// "1.9019999999999999" is "1.902", "8.78E2" is "878". None for a text that is no number.
std::optional<std::string> excelNumberText(std::string_view text);

} // namespace pelmora
