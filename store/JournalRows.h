#pragma once

#include "calc/JournalTrade.h"

#include <optional>
#include <string>

namespace pelmora {

class SqliteStatement;

// The trades table's columns for a trade's fields, in the order the statements name them, and
// their parameters: the id is ?1 and stands before them in a row that is read.
inline constexpr const char* kTradeFieldColumns =
    "date, time, code, name, kind, action, source, quantity, price, amount, commission, "
    "stamp_duty, transfer_fee, exchange_fees, note, deal_number, contract_number, import_key";
inline constexpr const char* kTradeFieldParameters =
    "?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19";

// The statement that reads whole trades from a file of `version`, with `rest` (a WHERE or ORDER
// clause) after it. A file of version 1, which may be open for reading only, has none of the
// columns of a statement's texts: they read as not given.
std::string selectTrades(int version, const char* rest);

// Binds the id and every field.
void bindTrade(SqliteStatement& statement, const JournalTrade& trade);
// The trade of the row the statement stands on, read by selectTrades(); none when a column does
// not read back as its field (a row written by hand, or by a newer version with a word this one
// does not know).
std::optional<JournalTrade> tradeOfRow(const SqliteStatement& row);

} // namespace pelmora
