#pragma once

#include "calc/Holdings.h"
#include "calc/SettingsCheck.h"
#include "calc/TradeDraft.h"
#include "cli/Arguments.h"
#include "store/Journal.h"
#include "store/JournalCsv.h"

#include <QString>
#include <cstddef>
#include <string>

namespace pelmora::cli {

// Every word the console program writes, in Chinese, in one place. Each message names the
// argument or the file it is about and quotes the text it could not take.

QString usageLine();
QString helpText();

QString argumentRefusal(const ArgumentRefusal& refusal);
// `kind` is the code's, for the lots a purchase breaks.
QString draftRefusal(const DraftRefusal& refusal, std::optional<SecurityKind> kind);
QString actionRefusal(const std::string& text);
QString settingRefusal(Option option, const std::string& text, const RefusedSetting& refused);
QString codeRefusal(const std::string& text);
QString yearRefusal(const std::string& text);
// The sums of the statement's trades went past the exact decimals.
QString statementOverflow();

// What is wrong with a --price.
enum class PriceProblem : std::uint8_t {
    NoEquals,    // not CODE=PRICE
    NotPositive, // the price is no number above 0
    NotShown,    // no holding of that code is listed
    Repeated,    // a second price for the same code
    NoValuation, // the holding has no value at it: its costs could not be worked out
};
// `text` is the whole CODE=PRICE.
QString priceRefusal(PriceProblem problem, const std::string& text);

QString writeRefusal(const WriteRefusal& refusal, const QString& journal);
QString journalReport(const JournalReport& report);
QString journalUnreadable(const JournalReport& report);
QString ledgerFault(LedgerStop stop, const JournalTrade& trade);
QString csvRefusal(const CsvRefusal& refusal, const QString& file);
QString journalNotEmpty(const QString& file, std::size_t trades);
QString exported(std::size_t trades, const QString& file);
QString imported(std::size_t trades, const QString& file);

QString outputNotWritten();

QString settingsNotAFile(const QString& file);
QString settingsUnreadable(const QString& file);
QString settingReplaced(const QString& file, const QString& key, const QString& text);

} // namespace pelmora::cli
