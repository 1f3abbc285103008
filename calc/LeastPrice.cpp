#include "calc/LeastPrice.h"

#include "calc/OrderCosts.h"
#include "numbers/CheckedArithmetic.h"
#include "numbers/DecimalRounding.h"

#include <algorithm>
#include <cmath>

namespace pelmora {
namespace {

constexpr double kHundred = 100.0;

std::optional<double> valueOf(const StepResult& step) {
    if (const auto* value = std::get_if<double>(&step)) {
        return *value;
    }
    return std::nullopt;
}

std::optional<double> toTheFen(const StepResult& step) {
    const std::optional<double> value = valueOf(step);
    return value ? std::optional(RoundToDecimals(*value, kFenDecimals)) : std::nullopt;
}

// The least share of a sale's amount that the sale keeps after its rates, wherever the
// commission lies: (1 − c) − k above the minimum, 1 − k below it.
double leastKeptShare(const SaleBasis& sale) {
    double levies = 0.0;
    for (const Levy& levy : leviesBesidesCommission(sale.costs, Side::Sell)) {
        levies += levy.percent / kHundred;
    }
    return std::min((1.0 - sale.ratePercent / kHundred) - levies, 1.0 - levies);
}

// How far the shown profit can lie from the profit with nothing rounded: half a fen for each
// cost and for each of the amount, the profit and the actual profit, taken twice over, and the
// binary arithmetic's error on figures of that size, taken generously.
double roundingMargin(const SaleBasis& sale, double goal, double exactPrice) {
    constexpr double kFen = 0.01;
    constexpr double kMoneyFigures = 3.0;
    constexpr double kBinaryError = 1e-11;
    const auto costs = static_cast<double>(leviesBesidesCommission(sale.costs, Side::Sell).size());
    const double size = std::fabs(exactPrice * sale.shares) + std::fabs(sale.invested) +
                        std::fabs(sale.buyFee) + std::fabs(goal);
    return kFen * (1.0 + costs + kMoneyFigures) + kBinaryError * size;
}

} // namespace

std::optional<double> shownProfit(const SaleBasis& sale, double price) {
    const std::optional<double> feeAmount = valueOf(checkedMultiply(sale.shares, price));
    if (!feeAmount) {
        return std::nullopt;
    }
    const OrderCostsResult order = orderCosts(sale.costs, Side::Sell, sale.ratePercent, *feeAmount);
    const auto* costs = std::get_if<OrderCosts>(&order);
    const std::optional<double> amount = toTheFen(checkedMultiply(price, sale.shares));
    if (costs == nullptr || !amount) {
        return std::nullopt;
    }
    const double sellFee = RoundToDecimals(costs->total, kFenDecimals);
    const std::optional<double> profit = toTheFen(checkedSubtract(*amount, sale.invested));
    if (!profit) {
        return std::nullopt;
    }
    const std::optional<double> afterSellFee = valueOf(checkedSubtract(*profit, sellFee));
    if (!afterSellFee) {
        return std::nullopt;
    }
    return toTheFen(checkedSubtract(*afterSellFee, sale.buyFee));
}

StepScan leastPriceReaching(const SaleBasis& sale, double goal, double exactPrice, int decimals) {
    constexpr double kMostPricesTried = 10000;
    constexpr double kExactSteps = 9007199254740992.0; // 2^53: every whole number of steps exact
    const double kept = leastKeptShare(sale);
    if (!(sale.shares > 0.0) || !(kept > 0.0)) {
        return {};
    }
    const double perStep = std::pow(10.0, decimals);
    const double reach = roundingMargin(sale, goal, exactPrice) / kept / sale.shares;
    // One step more on each side, for the rounding of the bounds themselves.
    const double low = std::floor((exactPrice - reach) * perStep) - 1.0;
    const double high = std::ceil((exactPrice + reach) * perStep) + 1.0;
    StepScan scan{std::nullopt, low / perStep, 0};
    if (!(std::fabs(low) < kExactSteps && std::fabs(high) < kExactSteps) ||
        high - low >= kMostPricesTried) {
        return scan;
    }
    for (double steps = low; steps <= high; ++steps) {
        // A whole number of steps over an exact power of ten: the double nearest to the decimal
        // price, as reading its text gives it.
        const double price = steps / perStep;
        ++scan.pricesTried;
        const std::optional<double> profit = shownProfit(sale, price);
        if (!profit) {
            return scan;
        }
        if (*profit >= goal) {
            scan.price = price;
            return scan;
        }
    }
    return scan;
}

} // namespace pelmora
