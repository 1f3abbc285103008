#pragma once

#include "calc/Holdings.h"
#include "calc/TradeDraft.h"
#include "design/JournalTables.h"
#include "store/Journal.h"
#include "store/JournalCsv.h"

#include <QString>

namespace pelmora {

// What the journal's windows say: their controls' names, and every refusal and trouble in the
// user's words.

// The entries that record a window's orders.
QString recordCaption();
QString recordButtonName(std::string_view panel);

QString columnHeading(HoldingColumn column);
QString columnHeading(TradeColumn column);

// A typed box as the user knows it, in messages and for screen readers.
QString draftBoxName(DraftBox box);
// An empty cost box: worked out when the trade is recorded.
QString costWorkedOut();

QString journalMessageTitle();
QString describeDraftRefusal(const DraftRefusal& refusal);
QString describeWriteRefusal(const WriteRefusal& refusal);
QString describeJournalReport(const JournalReport& report);
// A holding that cannot be valued at the typed price.
QString describeValuationStop(ValuationStop stop);
// The window's undo and redo, when there is nothing to take back or the trade was changed since.
QString nothingToUndo();
QString nothingToRedo();
// The costs an order will be recorded with, as its confirmation lists them.
QString describeRecordedCosts(const TradeCosts& costs);
// Asked before a trade is removed.
QString confirmRemoval(const JournalTrade& trade);
// A dividend, its tax or a share issue is not changed in the trade's dialog: removed, and
// recorded again.
QString entryNotEditable(const JournalTrade& entry);
// The trade tools work from a holding's cost, which an opening holding of unknown cost lacks.
QString costUnknownForTools();
// Said after an export, and of an import into a journal that holds trades.
QString exportedTo(const QString& file, std::size_t trades);
QString importNeedsEmptyJournal();
// Each year's realised profit and costs, over every holding and every round, a line a year.
QString describeYears(const std::vector<YearFigures>& years);
// A window with no order to record.
QString nothingToRecord();
// Why the journal's own file could not be written or read, naming the line and the column.
QString describeCsvRefusal(const CsvRefusal& refusal);
QString describeImport(std::size_t trades);

} // namespace pelmora
