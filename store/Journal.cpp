#include "store/Journal.h"

#include "store/JournalConnection.h"
#include "store/JournalRows.h"
#include "store/JournalSchema.h"
#include "store/JournalStored.h"
#include "store/PageAdvice.h"

#include <utility>

namespace pelmora {
namespace {

// Trades to store under new ids, in their order.
JournalChange adding(std::vector<JournalTrade> trades, bool leavesStoredOut) {
    JournalChange change;
    change.added = std::move(trades);
    change.leavesStoredOut = leavesStoredOut;
    return change;
}

// A lookup of a statement's keys; a file before version 2 holds none of them.
template <class Value, class Look>
std::variant<Value, JournalReport> lookUp(const QString& file, const OpenedJournal& opened,
                                          Look look) {
    if (opened.version < kFirstVersionWithStatementTexts) {
        return Value{};
    }
    try {
        return look(opened.db);
    } catch (const SqliteFailure& failure) {
        JournalReport report;
        report.trouble = JournalTrouble::CannotOpen;
        report.file = file;
        report.detail = failure.detail;
        return report;
    }
}

} // namespace

Journal::Journal(std::unique_ptr<Connection> connection) : m_connection(std::move(connection)) {}

Journal::~Journal() = default;

Journal::Opened Journal::open(const QString& file) {
    return openWithSteps(file, journalSteps());
}

Journal::Opened Journal::openWithSteps(const QString& file, const JournalSteps& steps) {
    JournalOpening opening = openJournalFile(file, steps);
    if (!opening.journal) {
        return {nullptr, std::move(opening.report)};
    }
    auto connection =
        std::make_unique<Connection>(Connection{file, std::move(*opening.journal), CommitWatch{}});
    try {
        connection->watch.seenVersion = connection->opened.db.integer("PRAGMA data_version");
    } catch (const SqliteFailure&) {
        // The first look then tells of a change: the trades are read again, no more.
    }
    return {std::unique_ptr<Journal>(new Journal(std::move(connection))),
            std::move(opening.report)};
}

QString Journal::fileName() const {
    return m_connection->file;
}

bool Journal::readOnly() const {
    return m_connection->opened.readOnly;
}

int Journal::schemaVersion() const {
    return m_connection->opened.version;
}

std::variant<std::vector<JournalTrade>, JournalReport> Journal::trades() const {
    std::vector<JournalTrade> trades;
    if (m_connection->opened.version == 0) {
        return trades; // an empty file, open for reading only
    }
    JournalReport report;
    report.file = m_connection->file;
    try {
        // Growing a vector of a hundred thousand trades step by step moves them many times; the
        // last id is at least their number, and is found without counting.
        trades.reserve(static_cast<std::size_t>(
            m_connection->opened.db.integer("SELECT coalesce(max(id), 0) FROM trades")));
        preferHugePages(trades.data(), trades.capacity() * sizeof(JournalTrade));
        SqliteStatement all(m_connection->opened.db,
                            selectTrades(m_connection->opened.version, "ORDER BY id"));
        while (all.step()) {
            std::optional<JournalTrade> trade = tradeOfRow(all);
            if (!trade) {
                report.trouble = JournalTrouble::FailedCheck;
                report.detail = QStringLiteral("trade %1 cannot be read").arg(all.integer(0));
                return report;
            }
            trades.push_back(std::move(*trade));
        }
    } catch (const SqliteFailure& failure) {
        report.trouble = JournalTrouble::CannotOpen;
        report.detail = failure.detail;
        return report;
    }
    return trades;
}

std::variant<JournalTrade, WriteRefusal> Journal::add(const JournalTrade& trade) {
    JournalChange change;
    change.added.push_back(trade);
    return writeOne(std::move(change));
}

std::variant<std::vector<JournalTrade>, WriteRefusal>
Journal::addAll(std::span<const JournalTrade> trades) {
    return write(adding({trades.begin(), trades.end()}, false));
}

std::variant<std::vector<JournalTrade>, WriteRefusal>
Journal::importAll(std::vector<JournalTrade> entries) {
    return write(adding(std::move(entries), true));
}

std::variant<std::int64_t, JournalReport>
Journal::countWithImportKey(const std::string& key) const {
    return lookUp<std::int64_t>(
        m_connection->file, m_connection->opened,
        [&](const SqliteDatabase& db) { return storedWithImportKey(db, key); });
}

std::variant<bool, JournalReport> Journal::holdsDeal(const JournalTrade& trade) const {
    return lookUp<bool>(m_connection->file, m_connection->opened,
                        [&](const SqliteDatabase& db) { return storedDeal(db, trade); });
}

std::variant<std::vector<bool>, JournalReport>
Journal::storedOf(std::span<const JournalTrade> entries) const {
    auto stored = lookUp<std::vector<bool>>(
        m_connection->file, m_connection->opened, [&](const SqliteDatabase& db) {
            const SqliteTransaction moment(db, TransactionKind::Read);
            return entriesStored(db, entries);
        });
    // A journal older than the statements' keys holds none of them.
    if (auto* flags = std::get_if<std::vector<bool>>(&stored); flags && flags->empty()) {
        flags->assign(entries.size(), false);
    }
    return stored;
}

std::variant<JournalTrade, WriteRefusal> Journal::replace(const JournalTrade& was,
                                                          const JournalTrade& now) {
    JournalChange change;
    change.was = was;
    change.replacement = now;
    return writeOne(std::move(change));
}

std::optional<WriteRefusal> Journal::remove(const JournalTrade& was) {
    JournalChange change;
    change.was = was;
    change.removesWas = true;
    auto written = write(std::move(change));
    if (auto* refused = std::get_if<WriteRefusal>(&written)) {
        return std::move(*refused);
    }
    return std::nullopt;
}

std::optional<WriteRefusal> Journal::removeAll(std::span<const JournalTrade> was) {
    JournalChange change;
    change.removed.reserve(was.size());
    for (const JournalTrade& trade : was) {
        change.removed.push_back(trade);
    }
    auto written = write(std::move(change));
    if (auto* refused = std::get_if<WriteRefusal>(&written)) {
        return std::move(*refused);
    }
    return std::nullopt;
}

std::variant<JournalTrade, WriteRefusal> Journal::restore(const JournalTrade& removed) {
    JournalChange change;
    change.restored = removed;
    return writeOne(std::move(change));
}

bool Journal::changedElsewhere() {
    CommitWatch& watch = m_connection->watch;
    try {
        const std::int64_t version = m_connection->opened.db.integer("PRAGMA data_version");
        const bool changed = watch.missed || version != watch.seenVersion;
        watch.seenVersion = version;
        watch.missed = false;
        return changed;
    } catch (const SqliteFailure&) {
        return false; // the next read or write tells what is wrong
    }
}

std::variant<std::vector<JournalTrade>, WriteRefusal> Journal::write(JournalChange&& change) {
    if (readOnly()) {
        return WriteRefusal{WriteStop::ReadOnly, std::nullopt, {}};
    }
    if (change.added.empty() && change.removed.empty() && !change.was && !change.restored) {
        return std::vector<JournalTrade>();
    }
    return writeJournalChange(m_connection->opened.db, change, m_connection->watch);
}

std::variant<JournalTrade, WriteRefusal> Journal::writeOne(JournalChange&& change) {
    auto written = write(std::move(change));
    if (auto* refused = std::get_if<WriteRefusal>(&written)) {
        return std::move(*refused);
    }
    return std::move(std::get<std::vector<JournalTrade>>(written).front());
}

} // namespace pelmora
