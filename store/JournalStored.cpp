#include "store/JournalStored.h"

#include "store/SqliteStatement.h"

#include <map>
#include <set>
#include <tuple>

namespace pelmora {
namespace {

constexpr const char* kCountImportKey = "SELECT count(*) FROM trades WHERE import_key = ?1";
constexpr const char* kFindDeal = "SELECT 1 FROM trades WHERE date = ?1 AND code = ?2 AND "
                                  "action = ?3 AND deal_number = ?4 LIMIT 1";

void bindDeal(SqliteStatement& find, const JournalTrade& trade) {
    find.bind(1, dateText(trade.date))
        .bind(2, trade.code)
        .bind(3, storageKey(trade.action))
        .bind(4, trade.dealNumber);
}

} // namespace

std::int64_t storedWithImportKey(const SqliteDatabase& db, const std::string& key) {
    SqliteStatement count(db, kCountImportKey);
    count.bind(1, key);
    return count.step() ? count.integer(0) : 0;
}

bool storedDeal(const SqliteDatabase& db, const JournalTrade& trade) {
    SqliteStatement find(db, kFindDeal);
    bindDeal(find, trade);
    return find.step();
}

std::vector<bool> entriesStored(const SqliteDatabase& db, std::span<const JournalTrade> entries) {
    SqliteStatement find(db, kFindDeal);
    SqliteStatement count(db, kCountImportKey);
    std::set<std::tuple<TradeDate, std::string, TradeAction, std::string>> deals;
    std::map<std::string, std::int64_t> heldOfKey; // what each key still has stored to match
    std::vector<bool> stored;
    stored.reserve(entries.size());
    for (const JournalTrade& entry : entries) {
        if (!entry.dealNumber.empty()) {
            bindDeal(find, entry);
            const bool found = find.step();
            find.reset();
            stored.push_back(
                !deals.emplace(entry.date, entry.code, entry.action, entry.dealNumber).second ||
                found);
            continue;
        }
        if (!entry.importKey.empty()) {
            auto held = heldOfKey.find(entry.importKey);
            if (held == heldOfKey.end()) {
                count.bind(1, entry.importKey);
                held =
                    heldOfKey.emplace(entry.importKey, count.step() ? count.integer(0) : 0).first;
                count.reset();
            }
            if (held->second > 0) {
                --held->second;
                stored.push_back(true);
                continue;
            }
        }
        stored.push_back(false);
    }
    return stored;
}

} // namespace pelmora
