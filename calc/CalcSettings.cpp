#include "calc/CalcSettings.h"

#include <chrono>

namespace pelmora {

double latestStampDutyPercent() {
    return levyRatesOn(SecurityKind::MainBoard, latestStampDutyChange())->stampDuty->toDouble();
}

double latestTransferFeePercent() {
    return levyRatesOn(SecurityKind::MainBoard, latestTransferFeeChange())->transferFee->toDouble();
}

TradeDate todayInChina() {
    constexpr std::chrono::hours kBeijingTime{8};
    const auto now = std::chrono::system_clock::now() + kBeijingTime;
    return {std::chrono::floor<std::chrono::days>(now)};
}

std::optional<OrderTerms> orderTermsOf(const FullCost& costs, const Decimal& commissionPercent,
                                       TradeDate date) {
    const std::optional<Decimal> minimum = Decimal::fromDouble(costs.minimumCommission);
    const std::optional<Decimal> stampDuty = Decimal::fromDouble(costs.stampDutyPercent);
    const std::optional<Decimal> transferFee = Decimal::fromDouble(costs.transferFeePercent);
    if (!minimum || !stampDuty || !transferFee) {
        return std::nullopt;
    }
    return OrderTerms{commissionPercent,
                      *minimum,
                      {*stampDuty, *transferFee, costs.exchangeFees},
                      costs.kind,
                      date};
}

} // namespace pelmora
