#include "store/JournalWrite.h"

#include "calc/Holdings.h"
#include "store/JournalRows.h"
#include "store/JournalStored.h"
#include "store/SqliteStatement.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <span>
#include <sqlite3.h>
#include <string>
#include <thread>
#include <utility>

namespace pelmora {
namespace {

// Beyond the busy wait of each: another copy that holds the journal longer than that is stuck.
constexpr int kWriteTries = 3;
constexpr auto kPauseBetweenTries = std::chrono::milliseconds(100);
constexpr std::int64_t kSecondsPerDay = 86400;

using Written = std::variant<std::vector<JournalTrade>, WriteRefusal>;

WriteRefusal refusal(WriteStop stop, std::optional<JournalTrade> trade, QString detail = {}) {
    return {stop, std::move(trade), std::move(detail)};
}

// What the table's checks would refuse too; refused before the holdings are replayed on it.
bool storable(const JournalTrade& trade) {
    const bool shares = trade.quantity > 0 || (trade.quantity == 0 && movesCashOnly(trade.action));
    return shares && trade.date.ok() && !trade.code.empty() &&
           (trade.amount || trade.action == TradeAction::Opening) &&
           (!trade.time || (trade.time->count() >= 0 && trade.time->count() < kSecondsPerDay));
}

JournalTrade readRow(const SqliteStatement& row) {
    std::optional<JournalTrade> trade = tradeOfRow(row);
    if (!trade) {
        throw SqliteFailure{SQLITE_CORRUPT, 0,
                            QStringLiteral("trade %1 cannot be read").arg(row.integer(0))};
    }
    return std::move(*trade);
}

std::optional<JournalTrade> storedTrade(const SqliteDatabase& db, std::int64_t id) {
    SqliteStatement select(db, selectTrades(Journal::kSchemaVersion, "WHERE id = ?1"));
    select.bind(1, id);
    return select.step() ? std::optional(readRow(select)) : std::nullopt;
}

std::vector<JournalTrade> tradesOfCodes(const SqliteDatabase& db,
                                        const std::set<std::string>& codes) {
    SqliteStatement select(db,
                           selectTrades(Journal::kSchemaVersion, "WHERE code = ?1 ORDER BY id"));
    std::vector<JournalTrade> trades;
    for (const std::string& code : codes) {
        select.bind(1, code);
        while (select.step()) {
            trades.push_back(readRow(select));
        }
        select.reset();
    }
    return trades;
}

// The id AUTOINCREMENT would give next: above every id there is or ever was.
std::int64_t nextId(const SqliteDatabase& db) {
    return db.integer("SELECT max(coalesce((SELECT seq FROM sqlite_sequence WHERE name = "
                      "'trades'), 0), coalesce((SELECT max(id) FROM trades), 0)) + 1");
}

void noteOthersCommits(const SqliteDatabase& db, CommitWatch& watch) {
    const std::int64_t version = db.integer("PRAGMA data_version");
    watch.missed = watch.missed || version != watch.seenVersion;
    watch.seenVersion = version;
}

// The touched codes' trades as the change leaves them, each where it is held: the stored ones
// that stay and the replacement and the restored one in `kept`, the added ones in the change.
struct Outcome {
    std::vector<JournalTrade> kept;
    std::vector<const JournalTrade*> after;
    // By trade of `after`, the trade a refusal names: as it is stored, or as the caller gave it.
    std::vector<const JournalTrade*> named;
    const JournalTrade* updated = nullptr;
    const JournalTrade* restored = nullptr;
    std::vector<std::size_t> added; // places in the change's added trades that are written
    std::size_t firstAdded = 0;     // where the added ones begin in `after`
};

std::set<std::string> codesTouched(const JournalChange& change) {
    std::set<std::string> codes;
    for (const auto& trade : {change.was, change.replacement, change.restored}) {
        if (trade) {
            codes.insert(trade->code);
        }
    }
    for (const auto* trades : {&change.added, &change.removed}) {
        for (const JournalTrade& trade : *trades) {
            codes.insert(trade.code);
        }
    }
    return codes;
}

// `passedOver` marks the trades added that the journal holds already, which are left out. The
// ones written take their ids where they are.
Outcome outcomeOf(const SqliteDatabase& db, JournalChange& change,
                  const std::vector<bool>& passedOver) {
    std::set<std::int64_t> gone;
    for (const JournalTrade& trade : change.removed) {
        gone.insert(trade.id);
    }
    if (change.was) {
        gone.insert(change.was->id);
    }
    Outcome outcome;
    std::vector<JournalTrade> stored = tradesOfCodes(db, codesTouched(change));
    // Reserved whole, so that the trades pointed to stay where they are.
    outcome.kept.reserve(stored.size() + 2);
    outcome.after.reserve(stored.size() + change.added.size() + 2);
    outcome.named.reserve(outcome.after.capacity());
    // A stored trade is named as it is stored, the others as given.
    const auto keep = [&](JournalTrade trade, const JournalTrade* given) {
        outcome.kept.push_back(std::move(trade));
        outcome.after.push_back(&outcome.kept.back());
        outcome.named.push_back(given != nullptr ? given : &outcome.kept.back());
        return &outcome.kept.back();
    };
    for (JournalTrade& trade : stored) {
        if (gone.count(trade.id) == 0) {
            keep(std::move(trade), nullptr);
        }
    }
    if (change.replacement) {
        JournalTrade now = *change.replacement;
        now.id = change.was->id;
        outcome.updated = keep(std::move(now), &*change.replacement);
    }
    if (change.restored) {
        outcome.restored = keep(*change.restored, &*change.restored);
    }
    outcome.firstAdded = outcome.after.size();
    std::int64_t id = change.added.empty() ? 0 : nextId(db);
    for (std::size_t i = 0; i < change.added.size(); ++i) {
        JournalTrade& trade = change.added[i];
        if (i < passedOver.size() && passedOver[i]) {
            continue;
        }
        trade.id = id++;
        outcome.added.push_back(i);
        outcome.after.push_back(&trade);
        outcome.named.push_back(&trade);
    }
    return outcome;
}

// The trade a refusal names for the trade at `place` of the outcome, an added one with the id
// it was given.
JournalTrade namedTrade(const Outcome& outcome, std::size_t place,
                        const std::vector<std::int64_t>& givenIds) {
    JournalTrade trade = *outcome.named.at(place);
    if (place >= outcome.firstAdded) {
        trade.id = givenIds.at(outcome.added.at(place - outcome.firstAdded));
    }
    return trade;
}

void apply(const SqliteDatabase& db, const JournalChange& change, const Outcome& outcome) {
    SqliteStatement remove(db, "DELETE FROM trades WHERE id = ?1");
    if (change.removesWas) {
        remove.bind(1, change.was->id).step();
        remove.reset();
    }
    for (const JournalTrade& trade : change.removed) {
        remove.bind(1, trade.id).step();
        remove.reset();
    }
    if (outcome.updated != nullptr) {
        SqliteStatement update(db, std::string("UPDATE trades SET (") + kTradeFieldColumns +
                                       ") = (" + kTradeFieldParameters + ") WHERE id = ?1");
        bindTrade(update, *outcome.updated);
        update.step();
    }
    SqliteStatement insert(db, std::string("INSERT INTO trades (id, ") + kTradeFieldColumns +
                                   ") VALUES (?1, " + kTradeFieldParameters + ")");
    const auto put = [&](const JournalTrade& trade) {
        bindTrade(insert, trade);
        insert.step();
        insert.reset();
    };
    if (outcome.restored != nullptr) {
        put(*outcome.restored);
    }
    for (const std::size_t place : outcome.added) {
        put(change.added[place]);
    }
}

Written changeOnce(const SqliteDatabase& db, JournalChange& change,
                   const std::vector<std::int64_t>& givenIds, CommitWatch& watch) {
    SqliteTransaction transaction(db);
    noteOthersCommits(db, watch);
    std::vector<bool> held;
    if (change.leavesStoredOut) {
        held = entriesStored(db, change.added);
        if (std::ranges::all_of(held, [](bool stored) { return stored; })) {
            return std::vector<JournalTrade>();
        }
    }
    if (change.was) {
        const std::optional<JournalTrade> stored = storedTrade(db, change.was->id);
        if (!stored || *stored != *change.was) {
            return refusal(WriteStop::Changed, change.was);
        }
    }
    for (const JournalTrade& trade : change.removed) {
        const std::optional<JournalTrade> stored = storedTrade(db, trade.id);
        if (!stored || *stored != trade) {
            return refusal(WriteStop::Changed, trade);
        }
    }
    if (change.restored && storedTrade(db, change.restored->id)) {
        return refusal(WriteStop::Changed, change.restored);
    }
    Outcome outcome = outcomeOf(db, change, held);
    const auto replayed = replayTrades(std::span<const JournalTrade* const>(outcome.after));
    if (const auto* fault = std::get_if<LedgerFault>(&replayed)) {
        return refusal(fault->stop == LedgerStop::Oversold ? WriteStop::Oversold
                                                           : WriteStop::Overflow,
                       namedTrade(outcome, fault->trade, givenIds));
    }
    apply(db, change, outcome);
    transaction.commit();
    if (outcome.updated != nullptr) {
        return std::vector{*outcome.updated};
    }
    std::vector<JournalTrade> inserted;
    inserted.reserve(outcome.added.size() + 1);
    if (outcome.restored != nullptr) {
        inserted.push_back(*outcome.restored);
    }
    for (const std::size_t place : outcome.added) {
        inserted.push_back(std::move(change.added[place]));
    }
    return inserted;
}

std::optional<WriteRefusal> unstorable(const JournalChange& change) {
    if (change.restored && change.restored->id <= 0) {
        return refusal(WriteStop::Failed, change.restored, QStringLiteral("no id to restore"));
    }
    for (const auto& trade : {change.replacement, change.restored}) {
        if (trade && !storable(*trade)) {
            return refusal(WriteStop::Failed, trade, QStringLiteral("not a trade to store"));
        }
    }
    for (const JournalTrade& trade : change.added) {
        if (!storable(trade)) {
            return refusal(WriteStop::Failed, trade, QStringLiteral("not a trade to store"));
        }
    }
    return std::nullopt;
}

} // namespace

Written writeJournalChange(const SqliteDatabase& db, JournalChange& change, CommitWatch& watch) {
    if (auto refused = unstorable(change)) {
        return std::move(*refused);
    }
    // Each try numbers the added trades where they are; a refusal names them as given.
    std::vector<std::int64_t> givenIds;
    givenIds.reserve(change.added.size());
    for (const JournalTrade& trade : change.added) {
        givenIds.push_back(trade.id);
    }
    for (int tries = 1;; ++tries) {
        try {
            return changeOnce(db, change, givenIds, watch);
        } catch (const SqliteFailure& failure) {
            if (failure.busy() && tries < kWriteTries) {
                std::this_thread::sleep_for(kPauseBetweenTries * tries);
                continue;
            }
            if (failure.diskFull()) {
                return refusal(WriteStop::DiskFull, std::nullopt, failure.detail);
            }
            return refusal(failure.primaryCode() == SQLITE_READONLY ? WriteStop::ReadOnly
                                                                    : WriteStop::Failed,
                           std::nullopt, failure.detail);
        }
    }
}

} // namespace pelmora
