#include "calc/Holdings.h"

#include "calc/ExactMath.h"
#include "calc/PriceScan.h"

#include <algorithm>
#include <numeric>

namespace pelmora {
namespace {

using detail::Exact;

// A figure of the replay; none once it left the exact decimals, which stops the replay.
using Figure = std::optional<Decimal>;

Figure plus(const Figure& a, const Figure& b) {
    return a && b ? a->plus(*b) : std::nullopt;
}

Figure minus(const Figure& a, const Figure& b) {
    return a && b ? a->minus(*b) : std::nullopt;
}

// A new round starts when a purchase finds the holding empty: its figures count from there.
void startRound(Position& position) {
    position.basis = Decimal();
    position.paid = Decimal();
    position.received = Decimal();
    position.costs = Decimal();
    position.realized = Decimal();
}

// What a sale of `quantity` takes out of the basis: its share, to the fen, or all of it.
Figure basisRemoved(const Position& position, std::int64_t quantity) {
    if (quantity == position.shares) {
        return position.basis;
    }
    const auto share = position.basis.times(Decimal::whole(quantity));
    return share ? share->dividedBy(Decimal::whole(position.shares), kFenDecimals,
                                    Rounding::HalfAwayFromZero)
                 : std::nullopt;
}

class Replay {
public:
    explicit Replay(std::size_t count) { m_ledger.realizedOf.resize(count); }

    // False when the trade stops the replay, with the reason kept.
    bool take(const JournalTrade& trade, std::size_t index) {
        Position& position = m_ledger.positions[trade.code];
        position.code = trade.code;
        position.kind = trade.kind;
        if (!trade.name.empty()) {
            position.name = trade.name;
        }
        const Figure costs = trade.costs.total();
        if (!costs) {
            return stop(LedgerStop::Overflow, index);
        }
        if (trade.buys()) {
            if (!buy(position, trade, *costs)) {
                return stop(LedgerStop::Overflow, index);
            }
        } else {
            if (trade.quantity > position.shares) {
                return stop(LedgerStop::Oversold, index);
            }
            const Figure realized = sell(position, trade, *costs);
            if (!realized) {
                return stop(LedgerStop::Overflow, index);
            }
            m_ledger.realizedOf.at(index) = realized;
        }
        return countInYear(trade, m_ledger.realizedOf.at(index));
    }

    [[nodiscard]] LedgerFault fault() const { return m_fault; }

    Ledger finish() {
        for (auto& [year, figures] : m_years) {
            m_ledger.years.push_back(figures);
        }
        return std::move(m_ledger);
    }

private:
    static bool buy(Position& position, const JournalTrade& trade, const Decimal& costs) {
        if (position.shares == 0) {
            startRound(position);
        }
        const Figure spent = trade.amount.plus(costs);
        const Figure basis = plus(position.basis, spent);
        const Figure paid = plus(position.paid, spent);
        const Figure allCosts = plus(position.costs, costs);
        std::int64_t shares = 0;
        if (!basis || !paid || !allCosts ||
            __builtin_add_overflow(position.shares, trade.quantity, &shares)) {
            return false;
        }
        position.basis = *basis;
        position.paid = *paid;
        position.costs = *allCosts;
        position.shares = shares;
        return true;
    }

    static Figure sell(Position& position, const JournalTrade& trade, const Decimal& costs) {
        const Figure removed = basisRemoved(position, trade.quantity);
        const Figure proceeds = trade.amount.minus(costs);
        const Figure realized = minus(proceeds, removed);
        const Figure basis = minus(position.basis, removed);
        const Figure received = plus(position.received, proceeds);
        const Figure allCosts = plus(position.costs, costs);
        const Figure allRealized = plus(position.realized, realized);
        if (!realized || !basis || !received || !allCosts || !allRealized) {
            return std::nullopt;
        }
        position.basis = *basis;
        position.received = *received;
        position.costs = *allCosts;
        position.realized = *allRealized;
        position.shares -= trade.quantity;
        return realized;
    }

    bool countInYear(const JournalTrade& trade, const Figure& realized) {
        const int year = static_cast<int>(trade.date.year());
        YearFigures& figures = m_years[year];
        figures.year = year;
        for (const Cost cost : kAllCosts) {
            const Figure sum = figures.costs.of(cost).plus(trade.costs.of(cost));
            if (!sum) {
                return false;
            }
            figures.costs.of(cost) = *sum;
        }
        if (realized) {
            const Figure sum = figures.realized.plus(*realized);
            if (!sum) {
                return false;
            }
            figures.realized = *sum;
        }
        return true;
    }

    bool stop(LedgerStop why, std::size_t index) {
        m_fault = {why, index};
        return false;
    }

    Ledger m_ledger;
    std::map<int, YearFigures> m_years;
    LedgerFault m_fault;
};

std::optional<Decimal> perShare(const Decimal& total, std::int64_t shares) {
    if (shares == 0) {
        return std::nullopt;
    }
    return total.dividedBy(Decimal::whole(shares), kJournalCostDecimals,
                           Rounding::HalfAwayFromZero);
}

} // namespace

std::optional<Decimal> holdingCost(const Position& position) {
    return perShare(position.basis, position.shares);
}

std::optional<Decimal> dilutedCost(const Position& position) {
    const Figure spent = position.paid.minus(position.received);
    return spent ? perShare(*spent, position.shares) : std::nullopt;
}

std::variant<Ledger, LedgerFault> replayTrades(std::span<const JournalTrade> trades) {
    std::vector<std::size_t> order(trades.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Trades alike in every way keep the order given.
    const auto before = [&](std::size_t a, std::size_t b) {
        if (replaysBefore(trades[a], trades[b])) {
            return true;
        }
        return !replaysBefore(trades[b], trades[a]) && a < b;
    };
    // Most journals are recorded in the order traded; one look tells, and saves the sort.
    if (!std::is_sorted(order.begin(), order.end(), before)) {
        std::sort(order.begin(), order.end(), before);
    }
    Replay replay(trades.size());
    for (const std::size_t index : order) {
        if (!replay.take(trades[index], index)) {
            return replay.fault();
        }
    }
    return replay.finish();
}

std::variant<Valuation, ValuationStop> valueAt(const Position& position, const Decimal& price,
                                               const OrderTerms& sellTerms) {
    if (position.shares <= 0) {
        return ValuationStop::NothingHeld;
    }
    if (price.sign() <= 0) {
        return ValuationStop::PriceNotPositive;
    }
    const auto made = OrderCoster::make(sellTerms, Side::Sell);
    const auto* coster = std::get_if<OrderCoster>(&made);
    if (coster == nullptr) {
        return ValuationStop::NoCosts;
    }
    const Decimal shares = Decimal::whole(position.shares);
    const Figure amount = shares.times(price);
    if (!amount) {
        return ValuationStop::Overflow;
    }
    const auto costed = coster->order(*amount);
    const auto* sale = std::get_if<CostedOrder>(&costed);
    if (sale == nullptr) {
        return ValuationStop::NoCosts;
    }
    const Figure floating = minus(amount->minus(sale->total), position.basis);
    const Figure spent = position.paid.minus(position.received);
    if (!floating || !spent) {
        return ValuationStop::Overflow;
    }
    Valuation valuation{*amount, sale->total, *floating, std::nullopt, SearchEnd::Found, false};
    if (spent->sign() <= 0) {
        valuation.covered = true;
        return valuation;
    }
    if (detail::ratesTakeAll(*coster)) {
        valuation.breakEvenEnd = SearchEnd::AboveHighest;
        return valuation;
    }
    // As 减仓's 保本价: the least step price at which the round, sold out, shows no loss.
    const int decimals = priceDecimals(position.kind);
    const Exact start = detail::leastSalePriceBound(*coster, shares, *spent, Decimal(), decimals);
    if (start.overflowed()) {
        valuation.breakEvenEnd = SearchEnd::BeyondExact;
        return valuation;
    }
    const auto scan =
        detail::scanUp(*start.value(), priceStep(position.kind), Decimal(), [&](const Decimal& at) {
            const Exact saleAmount = Exact(shares) * at;
            return detail::rounded(saleAmount - coster->total(saleAmount) - *spent, kFenDecimals,
                                   Rounding::HalfAwayFromZero);
        });
    valuation.breakEvenEnd = scan.end;
    if (scan.end == SearchEnd::Found) {
        valuation.breakEven = scan.price;
    }
    return valuation;
}

} // namespace pelmora
