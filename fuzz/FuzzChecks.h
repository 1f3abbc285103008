#pragma once

// What the fuzz targets check alike: the reading of typed numbers and of typed settings.
#include "calc/CalcSettings.h"
#include "calc/SettingsCheck.h"
#include "numbers/ExactDecimal.h"

#include <optional>
#include <string_view>

namespace pelmora::fuzz {

// Ends the run where a property fails, so that libFuzzer keeps the input that broke it.
void require(bool condition);

// The exact reading and ToNumber are made from the one reading of the grammar, and must agree:
// a text reads exactly to the value whose nearest double ToNumber gives, or is refused as no
// number exactly where ToNumber refuses it as one.
void checkExactReading(std::string_view text);

// One of the settings window's checks.
using SettingCheckFunction = SettingCheck (*)(std::string_view, bool);

// A setting typed as `text`: the value the check accepts, or none where it refuses it. An
// accepted value is what ToNumber reads, lies within its bounds, has an exact decimal to cost
// with, carries no sign and checks again when shown as stored. A refusal
// carries the check's bounds, blames a comma only where the locale writes one as its decimal
// point, and calls the text no number exactly where ToNumber reads none and it is not too large.
std::optional<double> typedSetting(std::string_view text, bool decimalComma,
                                   SettingCheckFunction check, SettingBounds bounds);

// The settings window's costs typed as texts, each taken where its check accepts it and the
// default kept where it refuses it.
struct CostTexts {
    std::string_view minimumCommission;
    std::string_view stampDuty;
    std::string_view transferFee;
};
FullCost typedCosts(const CostTexts& texts, bool decimalComma, bool exchangeFees,
                    SecurityKind kind);

// True where `value` needs no more than `decimals` decimals.
bool hasAtMostDecimals(const Decimal& value, int decimals);

} // namespace pelmora::fuzz
