#pragma once

#include "calc/Holdings.h"
#include "calc/TradeDraft.h"
#include "store/FeeSettings.h"
#include "store/Journal.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace pelmora {

class FeeSettingsKeeper;

// One action on the journal, as undo takes it back: the trades it took away and those it put
// in. A trade recorded has nothing before; one removed, nothing after; one changed, both.
struct JournalStep {
    std::vector<JournalTrade> before;
    std::vector<JournalTrade> after;
};

// The journal as this run of the program uses it: opened the first time something needs it, so
// that the program starts no slower for it, and read again whenever another running copy changes
// it. The windows record, change and remove trades through it, and read what it holds here.
class JournalSession final : public QObject {
    Q_OBJECT

public:
    // `mainWindowRates` gives the main window's commission boxes as they stand: the journal's
    // commission is taken from them the first time it is needed.
    JournalSession(FeeSettingsKeeper& settings, std::function<CommissionRates()> mainWindowRates,
                   QString file = defaultJournalFile(), QObject* parent = nullptr);
    ~JournalSession() override;
    Q_DISABLE_COPY_MOVE(JournalSession)

    // The journal, opened now if it is not yet; none when none could be had. Its trouble, if any,
    // is told once through troubleMet.
    Journal* journal();
    [[nodiscard]] bool opened() const { return m_journal != nullptr; }
    [[nodiscard]] QString fileName() const { return m_file; }

    // The commission every trade is recorded at.
    JournalCommission commission();
    // Takes `commission` as the journal's: its rates, its minimum and whether the exchange's fees
    // come on top, saved as the settings window saves them, in one change. Its levies' rates
    // stay the settings'.
    void changeCommission(const JournalCommission& commission);
    // What the journal holds, as last read.
    const std::vector<JournalTrade>& trades();
    const Ledger& ledger();
    // The trade with this id as last read; none when there is none.
    [[nodiscard]] std::optional<JournalTrade> trade(std::int64_t id) const;

    // The action this copy just did, to be undone; a new action drops what was undone before.
    void done(JournalStep step);
    [[nodiscard]] bool canUndo() const { return !m_undone.empty() || !m_done.empty(); }
    // Takes back the last action, or does again the last undone, each in one transaction. A
    // refusal (another copy changed the trade since) leaves the action where it was.
    std::optional<QString> undo();
    std::optional<QString> redo();

    // Reads the journal again and says so.
    void reload();
    // Looks for other copies' changes while a window shows the journal.
    void watch(bool on);

Q_SIGNALS:
    void changed();
    void troubleMet(const QString& message);

private:
    void readAll();
    // Puts `from` back as `to`: the one step both undo and redo take.
    std::optional<WriteRefusal> turn(const std::vector<JournalTrade>& from,
                                     const std::vector<JournalTrade>& to,
                                     std::vector<JournalTrade>& stored);
    void checkElsewhere();

    FeeSettingsKeeper& m_settings;
    std::function<CommissionRates()> m_mainWindowRates;
    QString m_file;
    std::unique_ptr<Journal> m_journal;
    bool m_tried = false;
    bool m_read = false;
    std::vector<JournalTrade> m_trades;
    Ledger m_ledger;
    QTimer m_poll;
    std::vector<JournalStep> m_done;
    std::vector<JournalStep> m_undone;
};

} // namespace pelmora
