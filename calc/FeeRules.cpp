#include "calc/Calculations.h"
#include "numbers/NumberText.h"

namespace pelmora {
namespace {
// The minimum fee, written as the integer text "5" rather than a converted number.
constexpr double kMinimumFee = 5.0;
constexpr const char* kMinimumFeeText = "5";
} // namespace

std::string FeeRule(double fee) {
    if (fee == 0.0) {
        return "0"; // a row that cost nothing pays nothing
    }
    return SellFeeRule(fee);
}

std::string SellFeeRule(double fee) {
    return fee >= kMinimumFee ? ToText(fee) : std::string(kMinimumFeeText);
}

} // namespace pelmora
