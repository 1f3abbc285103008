#include "calc/Reconciliation.h"

#include <algorithm>
#include <map>
#include <utility>

namespace pelmora {
namespace {

// The kinds costed from the program's defaults, a row per kind in the enumeration's order. The
// settings set the commission of shares and funds, and the boards' shares pay as shares do; a
// convertible bond has no setting of its own, and its exchange fees are a figure on the high side
// (calc/KindSchedules.h) until the user can give the broker's.
constexpr std::array kDefaultFees = {
    std::pair{SecurityKind::MainBoard, false},  std::pair{SecurityKind::ChiNext, false},
    std::pair{SecurityKind::StarMarket, false}, std::pair{SecurityKind::Beijing, false},
    std::pair{SecurityKind::Fund, false},       std::pair{SecurityKind::ConvertibleBond, true},
};

constexpr bool rowsFollowTheKinds() {
    for (std::size_t i = 0; i < kAllKinds.size(); ++i) {
        if (kDefaultFees.at(i).first != kAllKinds.at(i)) {
            return false;
        }
    }
    return true;
}
static_assert(kDefaultFees.size() == kKindCount && rowsFollowTheKinds(),
              "a row for every kind, in the kinds' order");

std::variant<CostCheck, RecostStop> checked(const ChargedOrder& order,
                                            const JournalCommission& commission) {
    const auto costed = costOrder(journalTerms(commission, order.kind, order.date, order.side),
                                  order.side, order.amount);
    if (const auto* failure = std::get_if<CostingFailure>(&costed)) {
        return failure->stop == CostingStop::NoRatesOnDate ? RecostStop::NoRatesOnDate
                                                           : RecostStop::Overflow;
    }
    CostCheck check{TradeCosts::of(std::get<CostedOrder>(costed).costs), {}, {}};
    const auto difference = differenceOf(order.charged, check.recosted);
    if (!difference) {
        return RecostStop::Overflow;
    }
    check.difference = *difference;
    const Decimal least = kLeastMarkedDifference;
    const Decimal mostNegative = least.negated();
    for (const Cost cost : kAllCosts) {
        const Decimal& d = check.difference.of(cost);
        check.marked.at(static_cast<std::size_t>(cost)) = d >= least || d <= mostNegative;
    }
    return check;
}

// The marked differences of a check added to the discrepancy they belong to.
bool addTo(Discrepancy& discrepancy, const CostCheck& check) {
    for (const Cost cost : kAllCosts) {
        if (!check.marked.at(static_cast<std::size_t>(cost))) {
            continue;
        }
        const Decimal& d = check.difference.of(cost);
        Decimal& sum = d.sign() > 0 ? discrepancy.more.of(cost) : discrepancy.less.of(cost);
        const auto added = d.sign() > 0 ? sum.plus(d) : sum.minus(d);
        if (!added) {
            return false;
        }
        sum = *added;
    }
    return true;
}

} // namespace

bool feesAreDefaults(SecurityKind kind) {
    return kDefaultFees.at(static_cast<std::size_t>(kind)).second;
}

bool CostCheck::differs() const {
    return std::ranges::any_of(marked, [](bool m) { return m; });
}

std::variant<Reconciliation, RowOverflow> reconcile(std::span<const ChargedOrder> orders,
                                                    const JournalCommission& commission) {
    Reconciliation result;
    result.orders.reserve(orders.size());
    std::map<std::chrono::year, YearTotals> years;
    for (std::size_t i = 0; i < orders.size(); ++i) {
        const ChargedOrder& order = orders[i];
        ReconciledOrder& reconciled = result.orders.emplace_back(
            ReconciledOrder{i, feesAreDefaults(order.kind), checked(order, commission)});
        const auto* check = std::get_if<CostCheck>(&reconciled.check);
        if (!check) {
            continue;
        }
        const std::chrono::year year = order.date.year();
        YearTotals& totals = years.try_emplace(year, YearTotals{year, {}, {}}).first->second;
        if (!addTo(reconciled.defaultFees ? totals.atDefaultFees : totals.counted, *check)) {
            return RowOverflow{i};
        }
    }
    for (auto& [year, totals] : years) {
        result.years.push_back(totals);
    }
    return result;
}

} // namespace pelmora
