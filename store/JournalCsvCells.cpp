#include "store/JournalCsvCells.h"

namespace pelmora {
namespace {

// What a spreadsheet starts a formula with, and the mark that keeps one from it.
constexpr std::string_view kFormulaOpenings = "=+-@\t\r";
constexpr char kTextMark = '\'';

} // namespace

std::string_view csvHeading(std::size_t column) {
    switch (column) {
    case kCsvNoteColumn:
        return kNoteHeading;
    case kCsvDealNumberColumn:
        return kDealNumberHeading;
    case kCsvContractNumberColumn:
        return kContractNumberHeading;
    case kCsvImportKeyColumn:
        return kImportKeyHeading;
    default:
        return heading(static_cast<TradeColumn>(column));
    }
}

std::array<std::string, kCsvColumnCount> csvCells(const JournalTrade& trade) {
    std::array<std::string, kCsvColumnCount> cells;
    for (std::size_t i = 0; i < kTradeColumnCount; ++i) {
        const auto column = static_cast<TradeColumn>(i);
        cells.at(i) = tradeCell(trade, column, CellForm::Exact);
        if (column == TradeColumn::Name) {
            cells.at(i) = guardedText(cells.at(i));
        }
    }
    cells.at(kCsvNoteColumn) = guardedText(trade.note);
    cells.at(kCsvDealNumberColumn) = guardedText(trade.dealNumber);
    cells.at(kCsvContractNumberColumn) = guardedText(trade.contractNumber);
    cells.at(kCsvImportKeyColumn) = guardedText(trade.importKey);
    return cells;
}

// The mark goes before a text that opens with it too, so that every text reads back as it was.
std::string guardedText(std::string_view text) {
    const bool marked =
        !text.empty() && (kFormulaOpenings.find(text.front()) != std::string_view::npos ||
                          text.front() == kTextMark);
    return marked ? kTextMark + std::string(text) : std::string(text);
}

std::string_view unguardedText(std::string_view cell) {
    return !cell.empty() && cell.front() == kTextMark ? cell.substr(1) : cell;
}

} // namespace pelmora
