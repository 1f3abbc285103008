// Checks a text as each of the settings window's values (a commission rate, a levy, the minimum
// commission), where the locale writes a point and where it writes a comma as its decimal point.
// Each check holds as FuzzChecks.h's typedSetting checks it; besides, a check takes exactly the
// texts that read as a number within its bounds, the same number for all three, and a text
// without a comma is checked alike in either locale. The text also reads exactly as ToNumber
// reads it.
#include "calc/SettingsCheck.h"
#include "fuzz/FuzzChecks.h"
#include "numbers/NumberText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

using namespace pelmora;
using fuzz::require;

struct Setting {
    fuzz::SettingCheckFunction check;
    SettingBounds bounds;
    bool mostAllowed;
};

constexpr std::array kSettings = {
    Setting{checkRateText, kCommissionRateBounds, false},
    Setting{checkLevyText, kLevyBounds, true},
    Setting{checkMinimumText, kMinimumCommissionBounds, true},
};

bool within(double value, const Setting& setting) {
    return value >= setting.bounds.least &&
           (setting.mostAllowed ? value <= setting.bounds.most : value < setting.bounds.most);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzz::checkExactReading(text);
    const bool holdsComma =
        text.find(',') != std::string_view::npos || text.find("，") != std::string_view::npos;
    // What a check may take: the number ToNumber reads, where it has an exact decimal to cost with.
    std::optional<double> number = ToNumber(text);
    if (number && !Decimal::fromDouble(*number)) {
        number.reset();
    }
    for (const bool decimalComma : {false, true}) {
        const bool readable = number && !(decimalComma && holdsComma);
        for (const Setting& setting : kSettings) {
            const std::optional<double> taken =
                fuzz::typedSetting(text, decimalComma, setting.check, setting.bounds);
            require(taken.has_value() == (readable && within(*number, setting)));
            require(!taken || *taken == *number);
            if (decimalComma && !holdsComma) {
                require(setting.check(text, false) == setting.check(text, true));
            }
        }
    }
    return 0;
}
