#pragma once

#include "store/FeeSettings.h"
#include "store/StoreTrouble.h"

#include <QObject>
#include <QString>
#include <memory>

namespace pelmora {

class SettingsStore;

// The one holder of the fee settings: the windows read them here and ask here to change them,
// and it decides what is remembered between runs, saves every change and says so.
//
// Remembered: the full-cost mode and its costs and, while the mode is on, the commission rates
// the user leaves in the main window's two boxes, each when it is a valid rate. As the mode is
// switched on, the rates the main window shows then are remembered. With the mode off the main
// window starts with its own rates. When another copy of the program changes the remembered
// settings, this one takes them up, so that every copy shows what the next start would.
class FeeSettingsKeeper final : public QObject {
    Q_OBJECT

public:
    // Without a store the settings start at their defaults and are forgotten with the keeper.
    explicit FeeSettingsKeeper(QObject* parent = nullptr);
    // What the store remembers is loaded at once; a trouble met loading is signalled as soon as
    // the event loop runs, so that whoever tells the user has been connected by then.
    explicit FeeSettingsKeeper(std::unique_ptr<SettingsStore> store, QObject* parent = nullptr);
    ~FeeSettingsKeeper() override;
    Q_DISABLE_COPY_MOVE(FeeSettingsKeeper)

    [[nodiscard]] const FeeSettings& settings() const { return m_settings; }
    // The rates for the main window's boxes as it opens; an empty one leaves the box's own.
    [[nodiscard]] CommissionRates ratesToBringBack() const;

    void switchFullCost(bool on);
    void changeCosts(const FullCost& costs);
    // The texts the user left in the main window's rate boxes: their editing finished, or the
    // program is ending.
    void leaveRates(const CommissionRates& shown);
    // The journal's commission rates. The first time they are asked for, the main window's
    // `shown` ones become them (each that is a valid rate, else the window's starting one) and
    // are remembered from then on.
    const CommissionRates& journalRates(const CommissionRates& shown);
    // The user's own, from the settings window: each kept when it is a valid rate.
    void changeJournalRates(const CommissionRates& rates);
    // The journal's whole commission at once, as one change saved once: its rates, each kept
    // when it is a valid rate, and the costs beside them (the minimum, the exchange's fees).
    void changeJournalCommission(const CommissionRates& rates, const FullCost& costs);

Q_SIGNALS:
    void changed();
    // The full-cost mode was just switched on: the main window is to leave its rates here now.
    void rememberingStarted();
    // The store could not be read or written, or not all of it; each kind is signalled once.
    void storeTroubleMet(const pelmora::StoreTroubleReport& report);

private:
    // Saves the settings as they are now and says that they changed.
    void keep();
    void reportTrouble();
    void takeUp(const FeeSettings& stored);

    std::unique_ptr<SettingsStore> m_store;
    FeeSettings m_settings;
};

} // namespace pelmora
