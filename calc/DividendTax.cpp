#include "calc/DividendTax.h"

#include "calc/OrderCosting.h"

namespace pelmora {
namespace {

// The first day after `months` whole months from `from`: the same day that many months on, or
// the first of the month after where that month is too short for it (from 01-31, one month
// ends with February).
TradeDate endOfMonths(TradeDate from, int months) {
    const std::chrono::year_month later =
        std::chrono::year_month(from.year(), from.month()) + std::chrono::months(months);
    const TradeDate same{later.year(), later.month(), from.day()};
    if (same.ok()) {
        return same;
    }
    const std::chrono::year_month next = later + std::chrono::months(1);
    return TradeDate{next.year(), next.month(), std::chrono::day{1}};
}

} // namespace

HoldingPeriod holdingPeriod(TradeDate acquired, TradeDate sold) {
    // Held within n months when the last day held, the day before the sale, falls before the
    // first day after them: when the sale falls on that day at the latest.
    if (sold <= endOfMonths(acquired, 1)) {
        return HoldingPeriod::UpToAMonth;
    }
    if (sold <= endOfMonths(acquired, 12)) {
        return HoldingPeriod::UpToAYear;
    }
    return HoldingPeriod::OverAYear;
}

Decimal bonusShareFaceValue() {
    return Decimal::whole(1);
}

Decimal dividendTaxRate(HoldingPeriod period) {
    switch (period) {
    case HoldingPeriod::UpToAMonth:
        return Decimal::ofUnits(2, 1);
    case HoldingPeriod::UpToAYear:
        return Decimal::ofUnits(1, 1);
    case HoldingPeriod::OverAYear:
        return {};
    }
    return {};
}

std::optional<Decimal> exactDividendTax(std::span<const SoldPortion> portions, TradeDate sold) {
    std::optional<Decimal> tax = Decimal();
    for (const SoldPortion& portion : portions) {
        const auto due =
            portion.dividends.times(dividendTaxRate(holdingPeriod(portion.acquired, sold)));
        tax = due && tax ? tax->plus(*due) : std::nullopt;
    }
    return tax;
}

std::optional<Decimal> dividendTaxOnSale(std::span<const SoldPortion> portions, TradeDate sold) {
    const auto tax = exactDividendTax(portions, sold);
    return tax ? tax->rounded(kFenDecimals, Rounding::HalfAwayFromZero) : std::nullopt;
}

} // namespace pelmora
