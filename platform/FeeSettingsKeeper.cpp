#include "platform/FeeSettingsKeeper.h"

#include "calc/FieldTable.h"
#include "calc/SettingsCheck.h"
#include "platform/ApplicationSetup.h"
#include "store/SettingsStore.h"

#include <QTimer>
#include <optional>
#include <tuple>

namespace pelmora {
namespace {

// Read as the calculations read it, so that only a rate they would take is remembered.
bool isCommissionRate(const std::string& text) {
    return std::holds_alternative<double>(checkRateText(text, usesDecimalComma()));
}

} // namespace

FeeSettingsKeeper::FeeSettingsKeeper(QObject* parent) : QObject(parent) {}

FeeSettingsKeeper::FeeSettingsKeeper(std::unique_ptr<SettingsStore> store, QObject* parent)
    : QObject(parent), m_store(std::move(store)), m_settings(m_store->load()) {
    QTimer::singleShot(0, this, &FeeSettingsKeeper::reportTrouble);
    connect(m_store.get(), &SettingsStore::changedElsewhere, this, &FeeSettingsKeeper::takeUp);
    connect(m_store.get(), &SettingsStore::troubleMet, this, &FeeSettingsKeeper::reportTrouble);
}

FeeSettingsKeeper::~FeeSettingsKeeper() = default;

CommissionRates FeeSettingsKeeper::ratesToBringBack() const {
    return m_settings.fullCostOn ? m_settings.rates : CommissionRates{};
}

void FeeSettingsKeeper::switchFullCost(bool on) {
    if (on == m_settings.fullCostOn) {
        return;
    }
    m_settings.fullCostOn = on;
    if (on) {
        Q_EMIT rememberingStarted();
    }
    keep();
}

void FeeSettingsKeeper::changeCosts(const FullCost& costs) {
    if (costs == m_settings.fullCost) {
        return;
    }
    m_settings.fullCost = costs;
    keep();
}

void FeeSettingsKeeper::leaveRates(const CommissionRates& shown) {
    if (!m_settings.fullCostOn) {
        return;
    }
    bool remembered = false;
    for (const auto& [text, kept] : {std::pair{&shown.buy, &m_settings.rates.buy},
                                     std::pair{&shown.sell, &m_settings.rates.sell}}) {
        if (*text != *kept && isCommissionRate(*text)) {
            *kept = *text;
            remembered = true;
        }
    }
    if (remembered) {
        keep();
    }
}

const CommissionRates& FeeSettingsKeeper::journalRates(const CommissionRates& shown) {
    // A box the user left unreadable gives the rate a fresh main window starts with.
    const CommissionRates fresh{std::string(defaultText(FieldId::srl)),
                                std::string(defaultText(FieldId::scl))};
    CommissionRates rates = m_settings.journalRates;
    for (const auto& [text, kept, starting] : {std::tuple{&shown.buy, &rates.buy, &fresh.buy},
                                               std::tuple{&shown.sell, &rates.sell, &fresh.sell}}) {
        if (kept->empty()) {
            *kept = isCommissionRate(*text) ? *text : *starting;
        }
    }
    changeJournalRates(rates);
    return m_settings.journalRates;
}

void FeeSettingsKeeper::changeJournalRates(const CommissionRates& rates) {
    changeJournalCommission(rates, m_settings.fullCost);
}

void FeeSettingsKeeper::changeJournalCommission(const CommissionRates& rates,
                                                const FullCost& costs) {
    CommissionRates kept = m_settings.journalRates;
    for (const auto& [text, into] :
         {std::pair{&rates.buy, &kept.buy}, std::pair{&rates.sell, &kept.sell}}) {
        if (isCommissionRate(*text)) {
            *into = *text;
        }
    }
    if (kept != m_settings.journalRates || costs != m_settings.fullCost) {
        m_settings.journalRates = kept;
        m_settings.fullCost = costs;
        keep();
    }
}

void FeeSettingsKeeper::keep() {
    if (m_store) {
        m_store->save(m_settings);
        reportTrouble();
    }
    Q_EMIT changed();
}

void FeeSettingsKeeper::reportTrouble() {
    while (const std::optional<StoreTroubleReport> report = m_store->takeTrouble()) {
        Q_EMIT storeTroubleMet(*report);
    }
}

void FeeSettingsKeeper::takeUp(const FeeSettings& stored) {
    if (stored != m_settings) {
        m_settings = stored;
        Q_EMIT changed();
    }
}

} // namespace pelmora
