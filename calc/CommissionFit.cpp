#include "calc/CommissionFit.h"

#include <algorithm>
#include <iterator>
#include <tuple>
#include <utility>

namespace pelmora {
namespace {

// Keeps the tighter of two bounds: the greater of two lower ones (tighter = 1) or the lesser of
// two upper ones (tighter = -1). False past the exact decimals.
bool tighten(std::optional<RateBound>& kept, const RateBound& bound, int tighter) {
    if (kept) {
        const auto order = compareShares(bound, *kept);
        if (!order) {
            return false;
        }
        if (*order != tighter) {
            return true;
        }
    }
    kept = bound;
    return true;
}

// What an order's charged exchange fees tell of how they are charged: charged in their column,
// or left out of it where the order's fees reach a fen.
enum class Witness { None, Included, OnTop };

// The exchange's fees of orders, costed as every order is, with one coster kept for the run of
// orders of one kind, side and day that a sorted statement gives.
class ExchangeFees {
public:
    Witness witnessOf(const ChargedOrder& order) {
        if (order.charged.of(Cost::ExchangeFees).sign() > 0) {
            return Witness::OnTop;
        }
        const OrderCoster* coster = costerFor(order);
        if (!coster) {
            return Witness::None; // before the table's rates
        }
        const auto costed = coster->order(order.amount);
        const auto* costs = std::get_if<CostedOrder>(&costed);
        if (!costs) {
            return Witness::None;
        }
        const auto* fees =
            std::find_if(costs->costs.begin(), costs->costs.end(),
                         [](const CostItem& item) { return item.cost == Cost::ExchangeFees; });
        const bool reachFen =
            fees != costs->costs.end() && fees->amount >= Decimal::ofUnits(1, kFenDecimals);
        return reachFen ? Witness::Included : Witness::None;
    }

private:
    const OrderCoster* costerFor(const ChargedOrder& order) {
        const auto key = std::tuple(order.kind, order.side, order.date);
        if (!m_key || *m_key != key) {
            m_key = key;
            const OrderTerms terms{Decimal(), Decimal(), LevySettings{{}, {}, true}, order.kind,
                                   order.date};
            auto made = OrderCoster::make(terms, order.side);
            m_coster = std::holds_alternative<OrderCoster>(made)
                           ? std::optional(std::get<OrderCoster>(made))
                           : std::nullopt;
        }
        return m_coster ? &*m_coster : nullptr;
    }

    std::optional<std::tuple<SecurityKind, Side, TradeDate>> m_key;
    std::optional<OrderCoster> m_coster;
};

// The bounds a period's orders set so far. With the minimum at the least commission seen, the
// orders charged more give both bounds and those charged the least only the upper one; a
// minimum below it would ask both of every order, which only narrows the rates. So the orders
// fit one rate and minimum exactly when the lower bounds of those above the least stay below
// every upper bound.
class PeriodBounds {
public:
    bool add(const ChargedOrder& order, Witness witness) {
        const Decimal& charged = order.charged.of(Cost::Commission);
        const auto lowCost = charged.minus(detail::halfFen());
        const auto highCost = charged.plus(detail::halfFen());
        if (!lowCost || !highCost) {
            return false;
        }
        const RateBound low{std::max(*lowCost, Decimal()), order.amount};
        bool held = tighten(m_high, {*highCost, order.amount}, -1);
        if (!m_least || charged < *m_least) {
            // The orders at the old least now pay more than the least.
            held = held && (!m_lowAtLeast || tighten(m_lowAbove, *m_lowAtLeast, 1));
            m_lowAtLeast = low;
            m_least = charged;
        } else {
            held = held && tighten(charged == *m_least ? m_lowAtLeast : m_lowAbove, low, 1);
        }
        m_included = m_included || witness == Witness::Included;
        m_onTop = m_onTop || witness == Witness::OnTop;
        return held;
    }

    [[nodiscard]] std::optional<bool> explained() const {
        if (m_included && m_onTop) {
            return false;
        }
        if (!m_lowAbove) {
            return true;
        }
        const auto order = compareShares(*m_lowAbove, *m_high);
        return order ? std::optional(*order < 0) : std::nullopt;
    }

    // What the orders tell, once explained(); none past the exact decimals.
    [[nodiscard]] std::optional<FittedCommission> fit() const {
        FittedCommission fit{
            {m_lowAbove, *m_high}, std::nullopt, m_least, *m_least, modeOfWitnesses()};
        // Where the rate alone explains every order, no minimum is seen.
        std::optional<RateBound> lowOfAll = m_lowAbove;
        if (!tighten(lowOfAll, *m_lowAtLeast, 1)) {
            return std::nullopt;
        }
        const auto order = compareShares(*lowOfAll, *m_high);
        if (!order) {
            return std::nullopt;
        }
        if (*order < 0) {
            fit.rate.low = lowOfAll;
            fit.minimum = std::nullopt;
        }
        if (fit.rate.low) {
            fit.percent = roundestPercent(*fit.rate.low, fit.rate.high);
            if (!fit.percent) {
                return std::nullopt;
            }
        }
        return fit;
    }

private:
    [[nodiscard]] ExchangeFeeMode modeOfWitnesses() const {
        if (m_onTop) {
            return ExchangeFeeMode::OnTop;
        }
        return m_included ? ExchangeFeeMode::Included : ExchangeFeeMode::NotDetermined;
    }

    std::optional<Decimal> m_least;
    std::optional<RateBound> m_lowAbove;   // of the orders charged more than the least
    std::optional<RateBound> m_lowAtLeast; // of those charged the least
    std::optional<RateBound> m_high;
    bool m_included = false;
    bool m_onTop = false;
};

bool tellsTheRate(const ChargedOrder& order) {
    return order.amount.sign() > 0 && order.charged.of(Cost::Commission).sign() >= 0;
}

// Splits each kind's and side's orders into the fewest dated periods: a day at a time, each
// period taking days for as long as its orders stay explained. Any run of days within an
// explained period is explained too, so taking days while they fit never needs more periods.
class PeriodSplitter {
public:
    explicit PeriodSplitter(std::span<const ChargedOrder> orders) : m_orders(orders) {}

    std::optional<RowOverflow> takeDay(std::span<const std::size_t> day) {
        PeriodBounds joined = m_bounds;
        if (!addAll(joined, day)) {
            return RowOverflow{day.back()};
        }
        const auto fits = joined.explained();
        if (!fits) {
            return RowOverflow{day.back()};
        }
        if (*fits) {
            m_bounds = joined;
            extend(day);
            return std::nullopt;
        }
        if (auto failure = close()) {
            return failure;
        }
        if (!addAll(m_bounds, day)) {
            return RowOverflow{day.back()};
        }
        const auto alone = m_bounds.explained();
        if (!alone) {
            return RowOverflow{day.back()};
        }
        extend(day);
        m_unexplained = !*alone;
        return m_unexplained ? close() : std::nullopt;
    }

    std::optional<RowOverflow> close() {
        if (!m_period.orderCount) {
            return std::nullopt;
        }
        if (!m_unexplained) {
            m_period.fit = m_bounds.fit();
            if (!m_period.fit) {
                return RowOverflow{m_lastRow};
            }
        }
        m_periods.push_back(m_period);
        m_period = {};
        m_bounds = {};
        m_unexplained = false;
        return std::nullopt;
    }

    std::vector<FittedPeriod> periods() && { return std::move(m_periods); }

private:
    bool addAll(PeriodBounds& bounds, std::span<const std::size_t> day) {
        return std::ranges::all_of(day, [&](std::size_t i) {
            return bounds.add(m_orders[i], m_fees.witnessOf(m_orders[i]));
        });
    }

    void extend(std::span<const std::size_t> day) {
        const ChargedOrder& order = m_orders[day.front()];
        if (!m_period.orderCount) {
            m_period = {order.kind, order.side, order.date, order.date, 0, std::nullopt};
        }
        m_period.through = order.date;
        m_period.orderCount += day.size();
        m_lastRow = day.back();
    }

    std::span<const ChargedOrder> m_orders;
    ExchangeFees m_fees;
    PeriodBounds m_bounds;
    FittedPeriod m_period;
    bool m_unexplained = false;
    std::size_t m_lastRow = 0;
    std::vector<FittedPeriod> m_periods;
};

} // namespace

std::variant<std::vector<FittedPeriod>, RowOverflow>
fitCommission(std::span<const ChargedOrder> orders) {
    std::vector<std::size_t> sorted;
    for (std::size_t i = 0; i < orders.size(); ++i) {
        if (tellsTheRate(orders[i])) {
            sorted.push_back(i);
        }
    }
    const auto seriesOf = [&](std::size_t i) { return std::pair(orders[i].kind, orders[i].side); };
    const auto dayOf = [&](std::size_t i) { return std::pair(seriesOf(i), orders[i].date); };
    std::sort(sorted.begin(), sorted.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(dayOf(a), a) < std::pair(dayOf(b), b);
    });
    PeriodSplitter splitter(orders);
    for (auto begin = sorted.begin(); begin != sorted.end();) {
        const auto end = std::find_if(begin, sorted.end(),
                                      [&](std::size_t i) { return dayOf(i) != dayOf(*begin); });
        const bool newSeries =
            begin == sorted.begin() || seriesOf(*begin) != seriesOf(*std::prev(begin));
        auto failure = newSeries ? splitter.close() : std::nullopt;
        if (!failure) {
            failure = splitter.takeDay({begin, end});
        }
        if (failure) {
            return *failure;
        }
        begin = end;
    }
    if (auto failure = splitter.close()) {
        return *failure;
    }
    return std::move(splitter).periods();
}

JournalCommission withFit(JournalCommission commission, const FittedPeriod& period) {
    if (!period.fit) {
        return commission;
    }
    const FittedCommission& fit = *period.fit;
    if (fit.percent) {
        (period.side == Side::Buy ? commission.buyPercent : commission.sellPercent) = *fit.percent;
    }
    if (fit.minimum) {
        commission.minimum = *fit.minimum;
    }
    if (fit.exchangeFees != ExchangeFeeMode::NotDetermined) {
        commission.levies.exchangeFees = fit.exchangeFees == ExchangeFeeMode::OnTop;
    }
    return commission;
}

} // namespace pelmora
