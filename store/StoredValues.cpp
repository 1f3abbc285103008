#include "store/StoredValues.h"

#include "calc/SettingsCheck.h"
#include "store/NumberQText.h"

#include <QSettings>
#include <algorithm>

namespace pelmora {
namespace {

// A flag written by hand may read TRUE or False.
bool readFlag(const QString& text, bool& value) {
    for (const bool candidate : {true, false}) {
        if (text.compare(candidate ? u"true" : u"false", Qt::CaseInsensitive) == 0) {
            value = candidate;
            return true;
        }
    }
    return false;
}

// Read as the settings window reads a typed value, with a point as the decimal point.
bool readNumber(const QString& text, double& value, SettingCheck (*check)(std::string_view, bool)) {
    const SettingCheck checked = check(text.toStdString(), false);
    if (const auto* number = std::get_if<double>(&checked)) {
        value = *number;
        return true;
    }
    return false;
}

bool readRate(const QString& text, std::string& rate) {
    double ignored = 0;
    if (readNumber(text, ignored, checkRateText)) {
        rate = text.toStdString();
        return true;
    }
    return false;
}

// Only a kind the settings window offers: a newer version's kind would be a setting this one
// could neither show nor cost as meant.
bool readProduct(const QString& text, SecurityKind& kind) {
    const std::optional<SecurityKind> stored = kindOfStorageKey(text.toStdString());
    if (stored && std::ranges::find(kKindsOfTheSettings, *stored) != kKindsOfTheSettings.end()) {
        kind = *stored;
        return true;
    }
    return false;
}

bool readInto(StoredSetting which, const QString& text, FeeSettings& settings) {
    FullCost& costs = settings.fullCost;
    switch (which) {
    case StoredSetting::FullCostOn:
        return readFlag(text, settings.fullCostOn);
    case StoredSetting::MinimumCommission:
        return readNumber(text, costs.minimumCommission, checkMinimumText);
    case StoredSetting::StampDuty:
        return readNumber(text, costs.stampDutyPercent, checkLevyText);
    case StoredSetting::TransferFee:
        return readNumber(text, costs.transferFeePercent, checkLevyText);
    case StoredSetting::ExchangeFees:
        return readFlag(text, costs.exchangeFees);
    case StoredSetting::Product:
        return readProduct(text, costs.kind);
    case StoredSetting::BuyRate:
        return readRate(text, settings.rates.buy);
    case StoredSetting::SellRate:
        return readRate(text, settings.rates.sell);
    case StoredSetting::JournalBuyRate:
        return readRate(text, settings.journalRates.buy);
    case StoredSetting::JournalSellRate:
        return readRate(text, settings.journalRates.sell);
    }
    return false;
}

QString flagText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// A rate is written only once there is one to remember.
std::optional<QString> rateText(const std::string& rate) {
    return rate.empty() ? std::nullopt : std::optional(QString::fromStdString(rate));
}

} // namespace

StoredValues readStoredValues(const QSettings& file) {
    StoredValues values;
    for (const StoredKey& stored : kStoredKeys) {
        const QString key = QString::fromLatin1(stored.key);
        if (!file.contains(key)) {
            continue;
        }
        // A value with a comma reads as a list, which is no setting's value.
        const QVariant value = file.value(key);
        const bool single = value.typeId() == QMetaType::QString;
        if (!single || !readInto(stored.setting, value.toString(), values.settings)) {
            values.replaced.push_back(stored.setting);
        }
    }
    return values;
}

std::optional<QString> storedText(const FeeSettings& settings, StoredSetting which) {
    const FullCost& costs = settings.fullCost;
    switch (which) {
    case StoredSetting::FullCostOn:
        return flagText(settings.fullCostOn);
    case StoredSetting::MinimumCommission:
        return numberQText(costs.minimumCommission);
    case StoredSetting::StampDuty:
        return numberQText(costs.stampDutyPercent);
    case StoredSetting::TransferFee:
        return numberQText(costs.transferFeePercent);
    case StoredSetting::ExchangeFees:
        return flagText(costs.exchangeFees);
    case StoredSetting::Product:
        return QString::fromUtf8(storageKey(costs.kind).data(),
                                 static_cast<qsizetype>(storageKey(costs.kind).size()));
    case StoredSetting::BuyRate:
    case StoredSetting::SellRate:
        return rateText(which == StoredSetting::BuyRate ? settings.rates.buy : settings.rates.sell);
    case StoredSetting::JournalBuyRate:
    case StoredSetting::JournalSellRate:
        return rateText(which == StoredSetting::JournalBuyRate ? settings.journalRates.buy
                                                               : settings.journalRates.sell);
    }
    return std::nullopt;
}

} // namespace pelmora
