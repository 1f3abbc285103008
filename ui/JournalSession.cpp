#include "ui/JournalSession.h"

#include "platform/FeeSettingsKeeper.h"
#include "store/NumberQText.h"
#include "ui/JournalWords.h"

#include <algorithm>
#include <utility>

namespace pelmora {
namespace {

// Another copy's change shows within a second.
constexpr int kPollMilliseconds = 400;

Decimal rateOf(const std::string& text) {
    return Decimal::fromText(text).value_or(Decimal());
}

Decimal settingOf(double value) {
    return Decimal::fromDouble(value).value_or(Decimal());
}

} // namespace

JournalSession::JournalSession(FeeSettingsKeeper& settings,
                               std::function<CommissionRates()> mainWindowRates, QString file,
                               QObject* parent)
    : QObject(parent), m_settings(settings), m_mainWindowRates(std::move(mainWindowRates)),
      m_file(std::move(file)) {
    m_poll.setInterval(kPollMilliseconds);
    connect(&m_poll, &QTimer::timeout, this, &JournalSession::checkElsewhere);
}

JournalSession::~JournalSession() = default;

Journal* JournalSession::journal() {
    if (!m_tried) {
        m_tried = true;
        Journal::Opened opened = Journal::open(m_file);
        m_journal = std::move(opened.journal);
        if (opened.report) {
            Q_EMIT troubleMet(describeJournalReport(*opened.report));
        }
    }
    return m_journal.get();
}

JournalCommission JournalSession::commission() {
    const CommissionRates& rates = m_settings.journalRates(m_mainWindowRates());
    const FullCost& costs = m_settings.settings().fullCost;
    return {rateOf(rates.buy), rateOf(rates.sell), settingOf(costs.minimumCommission),
            LevySettings{settingOf(costs.stampDutyPercent), settingOf(costs.transferFeePercent),
                         costs.exchangeFees}};
}

void JournalSession::changeCommission(const JournalCommission& commission) {
    const auto rateText = [](const Decimal& percent) {
        return numberQText(percent.toDouble()).toStdString();
    };
    FullCost costs = m_settings.settings().fullCost;
    costs.minimumCommission = commission.minimum.toDouble();
    costs.exchangeFees = commission.levies.exchangeFees;
    m_settings.changeJournalCommission(
        {rateText(commission.buyPercent), rateText(commission.sellPercent)}, costs);
}

const std::vector<JournalTrade>& JournalSession::trades() {
    if (!m_read) {
        readAll();
    }
    return m_trades;
}

const Ledger& JournalSession::ledger() {
    if (!m_read) {
        readAll();
    }
    return m_ledger;
}

std::optional<JournalTrade> JournalSession::trade(std::int64_t id) const {
    const auto found = std::find_if(m_trades.begin(), m_trades.end(),
                                    [id](const JournalTrade& trade) { return trade.id == id; });
    return found == m_trades.end() ? std::nullopt : std::optional(*found);
}

void JournalSession::done(JournalStep step) {
    m_done.push_back(std::move(step));
    m_undone.clear();
}

std::optional<WriteRefusal> JournalSession::turn(const std::vector<JournalTrade>& from,
                                                 const std::vector<JournalTrade>& to,
                                                 std::vector<JournalTrade>& stored) {
    Journal* store = journal();
    if (store == nullptr) {
        return WriteRefusal{WriteStop::Failed, std::nullopt, {}};
    }
    stored = to;
    if (from.empty()) {
        for (std::size_t i = 0; i < to.size(); ++i) {
            auto restored = store->restore(to[i]);
            if (auto* refusal = std::get_if<WriteRefusal>(&restored)) {
                return *refusal;
            }
            stored[i] = std::get<JournalTrade>(restored);
        }
        return std::nullopt;
    }
    if (to.empty()) {
        return store->removeAll(from);
    }
    auto replaced = store->replace(from.front(), to.front());
    if (auto* refusal = std::get_if<WriteRefusal>(&replaced)) {
        return *refusal;
    }
    stored.front() = std::get<JournalTrade>(replaced);
    return std::nullopt;
}

std::optional<QString> JournalSession::undo() {
    if (m_done.empty()) {
        return nothingToUndo();
    }
    JournalStep step = m_done.back();
    std::vector<JournalTrade> stored;
    const auto refusal = turn(step.after, step.before, stored);
    reload();
    if (refusal) {
        return describeWriteRefusal(*refusal);
    }
    step.before = stored;
    m_done.pop_back();
    m_undone.push_back(std::move(step));
    return std::nullopt;
}

std::optional<QString> JournalSession::redo() {
    if (m_undone.empty()) {
        return nothingToRedo();
    }
    JournalStep step = m_undone.back();
    std::vector<JournalTrade> stored;
    const auto refusal = turn(step.before, step.after, stored);
    reload();
    if (refusal) {
        return describeWriteRefusal(*refusal);
    }
    step.after = stored;
    m_undone.pop_back();
    m_done.push_back(std::move(step));
    return std::nullopt;
}

void JournalSession::reload() {
    readAll();
    Q_EMIT changed();
}

void JournalSession::watch(bool on) {
    if (on) {
        m_poll.start();
    } else {
        m_poll.stop();
    }
}

// What could not be read is told once and shows as an empty journal; the stored trades add up,
// for every write checks that they do.
void JournalSession::readAll() {
    m_read = true;
    m_trades.clear();
    m_ledger = Ledger{};
    Journal* store = journal();
    if (store == nullptr) {
        return;
    }
    auto read = store->trades();
    if (auto* report = std::get_if<JournalReport>(&read)) {
        Q_EMIT troubleMet(describeJournalReport(*report));
        return;
    }
    m_trades = std::move(std::get<std::vector<JournalTrade>>(read));
    if (auto replayed = replayTrades(m_trades); std::holds_alternative<Ledger>(replayed)) {
        m_ledger = std::move(std::get<Ledger>(replayed));
    }
}

void JournalSession::checkElsewhere() {
    if (m_journal && m_journal->changedElsewhere()) {
        reload();
    }
}

} // namespace pelmora
