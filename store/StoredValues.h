#pragma once

#include "store/FeeSettings.h"
#include "store/StoreTrouble.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

class QSettings;

namespace pelmora {

// Each setting's key in the settings file. Numbers are kept as the texts ToNumber reads, flags
// as true or false, the product as shares or fund.
struct StoredKey {
    StoredSetting setting;
    const char* key;
};

inline constexpr std::array kStoredKeys = {
    StoredKey{StoredSetting::FullCostOn, "full-cost/on"},
    StoredKey{StoredSetting::MinimumCommission, "full-cost/minimum-commission"},
    StoredKey{StoredSetting::StampDuty, "full-cost/stamp-duty"},
    StoredKey{StoredSetting::TransferFee, "full-cost/transfer-fee"},
    StoredKey{StoredSetting::ExchangeFees, "full-cost/exchange-fees"},
    StoredKey{StoredSetting::Product, "full-cost/product"},
    StoredKey{StoredSetting::BuyRate, "commission/buy-rate"},
    StoredKey{StoredSetting::SellRate, "commission/sell-rate"},
    StoredKey{StoredSetting::JournalBuyRate, "journal/buy-rate"},
    StoredKey{StoredSetting::JournalSellRate, "journal/sell-rate"},
};

// The settings a file holds, each value checked on its own: one that does not check out stays at
// its default and is listed in `replaced`. Keys the program does not know are no concern of it.
struct StoredValues {
    FeeSettings settings;
    std::vector<StoredSetting> replaced;
};
[[nodiscard]] StoredValues readStoredValues(const QSettings& file);

// The text a setting is stored as; none for a rate that is not remembered.
[[nodiscard]] std::optional<QString> storedText(const FeeSettings& settings, StoredSetting which);

} // namespace pelmora
