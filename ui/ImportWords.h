#pragma once

#include "calc/CommissionFit.h"
#include "calc/OpeningNeeds.h"
#include "calc/Reconciliation.h"
#include "calc/TradeDraft.h"
#include "statement/StatementRefusal.h"

#include <QString>
#include <QStringList>
#include <cstddef>

namespace pelmora {

// What the journal window says as it imports broker statements: the preview's controls, its
// notes on rows, and its refusals. The statements' own words (refusals, skipped rows, doubts)
// are the statement reader's (statement/StatementWords.h).

QString importStatementsCaption(); // the button, with its mnemonic
QString importStatementsTitle();   // the preview's and the file dialog's title
QString importStatementsDescription();
QString statementFileFilters();

// A file that holds no statement, named, with the reader's reason.
QString statementRefused(const QString& file, const StatementRefusal& refusal);
// Said when any file chosen was refused: none of them is imported.
QString noStatementImported(const QStringList& refusals);
// An order whose sums leave the exact decimals: the preview cannot be made.
QString statementTooLarge(const QString& file, std::size_t row);

// A file's line: its name, encoding and format, and what its entries come to.
QString statementFileLine(const QString& file, const QString& encoding, const QString& format,
                          std::size_t toAdd, std::size_t held, std::size_t skipped);

// Grid3's own columns beside the trades columns.
QString importColumnHeading();
QString rowColumnHeading();
QString differenceColumnHeading();
QString noteColumnHeading();
// Its first cell: a row written, one held already, one that makes no entry.
QString willImportWord();
QString heldAlreadyWord();
QString skippedWord();
QString leftOutWord();
QString importChoiceText(bool imported); // a problem row's check box, as it is read out
QString problemImportedNote(const QString& problem);
QString openingNeededNote(const OpeningNeed& need);

// The opening holdings a sale needs, each with its box of total cost.
QString openingsHeading();
QString openingBoxLabel(const OpeningNeed& need);
QString openingBoxName(const OpeningNeed& need);
QString openingCostPlaceholder();
QString openingCostRefused(const OpeningNeed& need, const QString& why);
// A new issue whose price the statement does not give, asked for; left empty it comes in at
// 未知成本.
QString issuePriceBoxLabel(const JournalTrade& issue);
QString issuePriceBoxName(const JournalTrade& issue);
QString issuePriceRefused(const JournalTrade& issue, const QString& why);

QString tradesPageCaption();
QString reconcilePageCaption();
QString dividendsPageCaption();
QString importButtonCaption();
QString cancelButtonCaption();
QString takeFitCaption();

// Why 导入 cannot be pressed, or what pressing it did.
QString journalReadOnlyForImport();
QString nothingNewToImport();
QString statementImported(std::size_t entries);
QString entriesWillBeWritten(std::size_t entries, std::size_t openings);

// The 对账 page.
QString differencesHeading();
QString fitsHeading();
QString defaultFeesWord();
QString chargedMoreWord(); // 多收
QString chargedLessWord(); // 少收
// A difference as the screen reader reads it: 多收 or 少收, and its size in yuan.
QString markedDifference(const Decimal& difference);
QString describeYearTotals(const YearTotals& year);
QString noOrderToReconcile();
QString noFittedCommission();
QString confirmFittedCommission(const JournalCommission& was, const JournalCommission& now);
QString fittedCommissionTaken();
QString fittedCommissionInUse();

// The 红利 page.
QString dividendsHeading();
QString expectedTaxHeading();

} // namespace pelmora
