// The journal's entries replayed into holdings, entry by entry (Holdings.h).
#include "calc/DividendTax.h"
#include "calc/Holdings.h"

#include <algorithm>
#include <numeric>

namespace pelmora {
namespace {

// A figure that may be unknown: none for a round of unknown cost. A figure that leaves the
// exact decimals is another matter: it stops the replay, so each step below says so apart.
using Known = std::optional<Decimal>;

// `to` + `what`, unknown where either is; false when the sum leaves the decimals.
bool add(Known& to, const Known& what) {
    if (!to || !what) {
        to.reset();
        return true;
    }
    const auto sum = to->plus(*what);
    to = sum;
    return sum.has_value();
}

bool add(Decimal& to, const Decimal& what) {
    const auto sum = to.plus(what);
    if (sum) {
        to = *sum;
    }
    return sum.has_value();
}

// A new round starts when shares come to an empty holding: its figures count from there.
void startRound(Position& position) {
    position.basis = Decimal();
    position.paid = Decimal();
    position.received = Decimal();
    position.costs = Decimal();
    position.realized = Decimal();
    position.dividendsInBasis = Decimal();
}

// A sale's share of `total`, to the fen: total·sold/held, or all of it when it sells all.
std::optional<Decimal> shareOfSale(const Decimal& total, std::int64_t sold, std::int64_t held) {
    if (sold == held) {
        return total;
    }
    const auto share = total.times(Decimal::whole(sold));
    return share ? share->dividedBy(Decimal::whole(held), kFenDecimals, Rounding::HalfAwayFromZero)
                 : std::nullopt;
}

// What an entry did to its year: its realised profit as the year counts it, and whether it was a
// sale whose profit is unknown.
struct YearPart {
    Known realized;
    bool unknownSale = false;
};

class Replay {
public:
    explicit Replay(std::size_t count) {
        m_ledger.realizedOf.resize(count);
        m_ledger.dividendTaxOf.resize(count);
    }

    // False when the entry stops the replay, with the reason kept.
    bool take(const JournalTrade& trade, std::size_t index) {
        Position& position = m_ledger.positions[trade.code];
        position.code = trade.code;
        position.kind = trade.kind;
        if (!trade.name.empty()) {
            position.name = trade.name;
        }
        const auto costs = trade.costs.total();
        if (!costs) {
            return stop(LedgerStop::Overflow, index);
        }
        if (trade.action == TradeAction::Sell && trade.quantity > position.shares) {
            return stop(LedgerStop::Oversold, index);
        }
        std::optional<YearPart> part;
        switch (trade.action) {
        case TradeAction::Buy:
        case TradeAction::Opening:
        case TradeAction::RightsShares:
            part = buy(position, trade, *costs);
            break;
        case TradeAction::Sell:
            part = sell(position, trade, *costs, m_ledger.dividendTaxOf.at(index));
            break;
        case TradeAction::Dividend:
            part = dividend(position, trade.amount.value_or(Decimal()));
            break;
        case TradeAction::DividendTax:
            part = tax(position, trade.amount.value_or(Decimal()));
            break;
        case TradeAction::BonusShares:
        case TradeAction::ReserveShares:
            part = issue(position, trade);
            break;
        }
        if (!part) {
            return stop(LedgerStop::Overflow, index);
        }
        m_ledger.realizedOf.at(index) = part->realized;
        return countInYear(trade, *part);
    }

    [[nodiscard]] LedgerFault fault() const { return m_fault; }

    Ledger finish() {
        for (auto& [year, figures] : m_years) {
            m_ledger.years.push_back(figures);
        }
        return std::move(m_ledger);
    }

private:
    static std::optional<YearPart> buy(Position& position, const JournalTrade& trade,
                                       const Decimal& costs) {
        if (position.shares == 0) {
            startRound(position);
        }
        Known spent = trade.amount;
        std::int64_t shares = 0;
        if (!add(spent, costs) || !add(position.basis, spent) || !add(position.paid, spent) ||
            !add(position.costs, costs) ||
            __builtin_add_overflow(position.shares, trade.quantity, &shares)) {
            return std::nullopt;
        }
        position.shares = shares;
        position.lots.acquire(trade.date, trade.quantity);
        return YearPart{};
    }

    static std::optional<YearPart> sell(Position& position, const JournalTrade& trade,
                                        const Decimal& costs, std::optional<Decimal>& taxDue) {
        Known removed;
        if (position.basis) {
            removed = shareOfSale(*position.basis, trade.quantity, position.shares);
            if (!removed) {
                return std::nullopt;
            }
        }
        const auto fromDividends =
            shareOfSale(position.dividendsInBasis, trade.quantity, position.shares);
        const auto proceeds = trade.amount.value_or(Decimal()).minus(costs);
        if (!fromDividends || !proceeds) {
            return std::nullopt;
        }
        Known realized = removed ? proceeds->minus(*removed) : std::nullopt;
        Known yearly = realized ? realized->minus(*fromDividends) : std::nullopt;
        const Known taken = removed ? removed->negated() : Known();
        if ((removed && (!realized || !yearly)) || !add(position.basis, taken) ||
            !add(position.received, *proceeds) || !add(position.costs, costs) ||
            !add(position.realized, realized) ||
            !add(position.dividendsInBasis, fromDividends->negated())) {
            return std::nullopt;
        }
        position.shares -= trade.quantity;
        const auto portions = position.lots.sell(trade.quantity);
        taxDue = portions ? dividendTaxOnSale(*portions, trade.date) : std::nullopt;
        if (!taxDue) {
            return std::nullopt;
        }
        return YearPart{yearly, !yearly};
    }

    // Cash that came in (a dividend) or went out (its tax, negated): it moves B while shares are
    // held, and is realised at once where none are.
    static bool cashIn(Position& position, const Decimal& cash) {
        if (position.shares == 0) {
            return add(position.realized, cash);
        }
        return add(position.basis, cash.negated()) && add(position.dividendsInBasis, cash);
    }

    static std::optional<YearPart> dividend(Position& position, const Decimal& cash) {
        if (!add(position.received, cash) || !cashIn(position, cash) ||
            (position.shares > 0 && !position.lots.receive(cash))) {
            return std::nullopt;
        }
        return YearPart{cash};
    }

    static std::optional<YearPart> tax(Position& position, const Decimal& paid) {
        if (!add(position.paid, paid) || !cashIn(position, paid.negated())) {
            return std::nullopt;
        }
        return YearPart{paid.negated()};
    }

    // 送股 and 转增 join the lots held; 送股's face value is a dividend to the tax.
    static std::optional<YearPart> issue(Position& position, const JournalTrade& trade) {
        const bool held = position.shares > 0;
        if (!held) {
            startRound(position);
        }
        std::int64_t shares = 0;
        if (__builtin_add_overflow(position.shares, trade.quantity, &shares)) {
            return std::nullopt;
        }
        if (held && trade.action == TradeAction::BonusShares) {
            const auto face = bonusShareFaceValue().times(Decimal::whole(trade.quantity));
            if (!face || !position.lots.receive(*face)) {
                return std::nullopt;
            }
        }
        if (!position.lots.issue(trade.quantity, trade.date)) {
            return std::nullopt;
        }
        position.shares = shares;
        return YearPart{};
    }

    bool countInYear(const JournalTrade& trade, const YearPart& part) {
        const int year = static_cast<int>(trade.date.year());
        YearFigures& figures = m_years[year];
        figures.year = year;
        for (const Cost cost : kAllCosts) {
            if (!add(figures.costs.of(cost), trade.costs.of(cost))) {
                return false;
            }
        }
        figures.unknownSales += part.unknownSale ? 1 : 0;
        return !part.realized || add(figures.realized, *part.realized);
    }

    bool stop(LedgerStop why, std::size_t index) {
        m_fault = {why, index};
        return false;
    }

    Ledger m_ledger;
    std::map<int, YearFigures> m_years;
    LedgerFault m_fault;
};

} // namespace

namespace {

template <class Trades> std::vector<std::size_t> orderOf(const Trades& trades) {
    std::vector<std::size_t> order(trades.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::vector<ReplayKey> keys;
    keys.reserve(trades.size());
    for (std::size_t i = 0; i < trades.size(); ++i) {
        keys.emplace_back(trades[i]);
    }
    // Trades alike in every way keep the order given.
    const auto before = [&](std::size_t a, std::size_t b) {
        if (keys[a] < keys[b]) {
            return true;
        }
        return !(keys[b] < keys[a]) && a < b;
    };
    // Most journals are recorded in the order traded; one look tells, and saves the sort.
    if (!std::is_sorted(order.begin(), order.end(), before)) {
        std::sort(order.begin(), order.end(), before);
    }
    return order;
}

template <class Trades> std::variant<Ledger, LedgerFault> replayOf(const Trades& trades) {
    Replay replay(trades.size());
    for (const std::size_t index : orderOf(trades)) {
        if (!replay.take(trades[index], index)) {
            return replay.fault();
        }
    }
    return replay.finish();
}

// Trades given by where they are, read as the trades themselves.
class TradesAt {
public:
    explicit TradesAt(std::span<const JournalTrade* const> places) : m_places(places) {}
    [[nodiscard]] std::size_t size() const { return m_places.size(); }
    const JournalTrade& operator[](std::size_t index) const { return *m_places[index]; }

private:
    std::span<const JournalTrade* const> m_places;
};

} // namespace

std::vector<std::size_t> replayOrder(std::span<const JournalTrade> trades) {
    return orderOf(trades);
}

std::variant<Ledger, LedgerFault> replayTrades(std::span<const JournalTrade> trades) {
    return replayOf(trades);
}

std::variant<Ledger, LedgerFault> replayTrades(std::span<const JournalTrade* const> trades) {
    return replayOf(TradesAt(trades));
}

} // namespace pelmora
