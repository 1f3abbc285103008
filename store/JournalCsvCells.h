#pragma once

#include "calc/JournalTrade.h"
#include "design/JournalTables.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// The columns of the journal's own file (JournalCsv.h): the trades table's, then the note and
// what a statement told of the trade, which a file of an earlier version does without.
inline constexpr std::size_t kCsvNoteColumn = kTradeColumnCount;
inline constexpr std::size_t kCsvDealNumberColumn = kCsvNoteColumn + 1;
inline constexpr std::size_t kCsvContractNumberColumn = kCsvNoteColumn + 2;
inline constexpr std::size_t kCsvImportKeyColumn = kCsvNoteColumn + 3;
inline constexpr std::size_t kCsvColumnCount = kCsvImportKeyColumn + 1;

std::string_view csvHeading(std::size_t column);
// A trade's cells, in the columns' order, before any quoting.
std::array<std::string, kCsvColumnCount> csvCells(const JournalTrade& trade);

// A name or note as written, kept from a spreadsheet's formulas, and as read back.
std::string guardedText(std::string_view text);
std::string_view unguardedText(std::string_view cell);

} // namespace pelmora
