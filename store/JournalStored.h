#pragma once

#include "calc/JournalTrade.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pelmora {

class SqliteDatabase;

// What the journal holds already of a statement's trades, by the two keys an import finds them
// by: the statement's 成交编号 with the day, code and side, and, where it gives none, the key
// the import made of the row. Both are looked up in an index. Throws SqliteFailure.

// How many stored entries carry `key`.
std::int64_t storedWithImportKey(const SqliteDatabase& db, const std::string& key);
// Whether an entry of the trade's day, code and side with its 成交编号 is stored.
bool storedDeal(const SqliteDatabase& db, const JournalTrade& trade);

// By entry, whether the journal holds it already, and the import leaves it out. One with a
// 成交编号 is held once an entry of its key is stored or given before it; one with only an import
// key where the journal holds as many of that key as the entries give before it, so that a file
// with more identical rows than an earlier one adds only the rows beyond them.
std::vector<bool> entriesStored(const SqliteDatabase& db, std::span<const JournalTrade> entries);

} // namespace pelmora
