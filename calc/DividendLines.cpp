#include "calc/DividendLines.h"

#include "calc/DividendTax.h"
#include "calc/OrderCosting.h"
#include "calc/ShareLots.h"
#include "calc/TaxPayments.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>

namespace pelmora {
namespace {

// The decimals a share is worked out to before it is rounded down, at the least: enough for the
// remainders to tell the shares apart, few enough for a journal's largest sums to fit.
constexpr int kShareDecimals = 16;

bool add(Decimal& to, const Decimal& what) {
    const auto sum = to.plus(what);
    if (sum) {
        to = *sum;
    }
    return sum.has_value();
}

// `total` shared out in proportion to `weights` (one at least), adding up to it exactly: to the
// fen, or to every decimal it has where it has more (a charge as the broker wrote it). Each takes
// its share rounded down, and the units left over go one each to the largest remainders, the
// earlier first among equal ones. Weights that add up to nothing leave it all to the last. None
// where a figure leaves the decimals.
std::optional<std::vector<Decimal>> shareOut(const Decimal& total,
                                             const std::vector<Decimal>& weights) {
    std::vector<Decimal> parts(weights.size());
    Decimal sum;
    for (const Decimal& weight : weights) {
        if (!add(sum, weight)) {
            return std::nullopt;
        }
    }
    if (sum.sign() == 0) {
        parts.back() = total;
        return parts;
    }
    const int decimals = std::max(kFenDecimals, total.scale());
    std::vector<Decimal> remainders(weights.size());
    Decimal given;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const auto scaled = total.times(weights[i]);
        const auto exact =
            scaled ? scaled->dividedBy(sum, std::max(kShareDecimals, decimals), Rounding::Down)
                   : std::nullopt;
        const auto part = exact ? exact->rounded(decimals, Rounding::Down) : std::nullopt;
        const auto remainder = part ? exact->minus(*part) : std::nullopt;
        if (!remainder || !add(given, *part)) {
            return std::nullopt;
        }
        parts[i] = *part;
        remainders[i] = *remainder;
    }
    // The parts rounded down fall short of the total by fewer units than there are parts.
    const Decimal unit = Decimal::ofUnits(1, decimals);
    const auto shortfall = total.minus(given);
    const auto left = shortfall ? shortfall->dividedBy(unit, 0, Rounding::Down) : std::nullopt;
    const auto count = left ? left->toWhole() : std::nullopt;
    if (!count) {
        return std::nullopt;
    }
    std::vector<std::size_t> order(weights.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return remainders[a] != remainders[b] ? remainders[a] > remainders[b] : a < b;
    });
    for (std::int64_t k = 0; k < *count; ++k) {
        if (!add(parts[order[static_cast<std::size_t>(k) % order.size()]], unit)) {
            return std::nullopt;
        }
    }
    return parts;
}

// A code's trades in replay order, its lines, and each of its sales' parts by line.
struct CodeTrades {
    std::vector<std::size_t> trades; // indices in the trades given
    std::vector<std::size_t> lines;  // positions among the lines
    // The exact tax each sale would owe on each line's dividend alone, then its part of the
    // sale's tax, by the sale's index and the line's place in `lines`.
    std::map<std::size_t, std::vector<Decimal>> bySale;
};

class Attribution {
public:
    Attribution(std::span<const JournalTrade> trades, const Ledger& ledger)
        : m_trades(trades), m_taxOf(ledger.dividendTaxOf) {}

    std::variant<std::vector<DividendLine>, LedgerFault> lines() {
        const std::vector<std::size_t> order = replayOrder(m_trades);
        if (!collect(order) || !expect() || !charge(order)) {
            return LedgerFault{LedgerStop::Overflow, m_stopped};
        }
        return std::move(m_lines);
    }

private:
    bool collect(const std::vector<std::size_t>& order) {
        for (const std::size_t index : order) {
            const JournalTrade& trade = m_trades[index];
            CodeTrades& code = m_codes[trade.code];
            code.trades.push_back(index);
            if (trade.action == TradeAction::Sell) {
                code.bySale[index];
            }
            if (trade.action != TradeAction::Dividend && trade.action != TradeAction::BonusShares) {
                continue;
            }
            DividendLine line;
            line.entry = index;
            line.code = trade.code;
            line.date = trade.date;
            line.shares = trade.quantity;
            const auto cash = trade.action == TradeAction::Dividend
                                  ? trade.amount.value_or(Decimal())
                                  : bonusShareFaceValue().times(Decimal::whole(trade.quantity));
            if (!cash) {
                return stop(index);
            }
            line.cash = *cash;
            code.lines.push_back(m_lines.size());
            m_lines.push_back(std::move(line));
        }
        return true;
    }

    // Each sale's tax shared out over its code's dividends.
    bool expect() {
        for (auto& [name, code] : m_codes) {
            if (code.lines.empty()) {
                continue; // nothing taxable: its sales owe nothing
            }
            for (auto& [sale, weights] : code.bySale) {
                weights.resize(code.lines.size());
            }
            for (std::size_t k = 0; k < code.lines.size(); ++k) {
                if (!taxAlone(code, k)) {
                    return false;
                }
            }
            for (auto& [sale, weights] : code.bySale) {
                const auto parts = shareOut(m_taxOf.at(sale).value_or(Decimal()), weights);
                if (!parts || !addTo(&DividendLine::taxExpected, code, *parts)) {
                    return stop(sale);
                }
                weights = *parts;
            }
        }
        return true;
    }

    // The exact tax each of the code's sales would owe were the k-th line's dividend the only one
    // its shares carried: the lots replayed as the ledger replays them, with it alone received.
    bool taxAlone(CodeTrades& code, std::size_t k) {
        const DividendLine& line = m_lines[code.lines[k]];
        ShareLots lots;
        for (const std::size_t index : code.trades) {
            const JournalTrade& trade = m_trades[index];
            const bool carries = index == line.entry && lots.shares() > 0;
            bool done = true;
            switch (trade.action) {
            case TradeAction::Buy:
            case TradeAction::Opening:
            case TradeAction::RightsShares:
                lots.acquire(trade.date, trade.quantity);
                break;
            case TradeAction::Sell: {
                const auto portions = lots.sell(trade.quantity);
                const auto tax = portions ? exactDividendTax(*portions, trade.date) : std::nullopt;
                done = tax.has_value();
                code.bySale[index][k] = tax.value_or(Decimal());
                break;
            }
            case TradeAction::Dividend:
                done = !carries || lots.receive(line.cash);
                break;
            case TradeAction::DividendTax:
                break;
            case TradeAction::BonusShares:
            case TradeAction::ReserveShares:
                done =
                    (!carries || lots.receive(line.cash)) && lots.issue(trade.quantity, trade.date);
                break;
            }
            if (!done) {
                return stop(index);
            }
        }
        return true;
    }

    // Each charge shared out over the dividends behind the sales it covers.
    bool charge(const std::vector<std::size_t>& order) {
        std::vector<DatedTax> sales;
        std::vector<DatedTax> charges;
        for (const std::size_t index : order) {
            const JournalTrade& trade = m_trades[index];
            if (const auto& tax = m_taxOf.at(index)) {
                sales.push_back({index, trade.date, trade.code, *tax});
            } else if (trade.action == TradeAction::DividendTax) {
                charges.push_back(
                    {index, trade.date, trade.code, trade.amount.value_or(Decimal())});
            }
        }
        const TaxMatching matching = matchTaxCharges(sales, charges);
        for (const TaxMatch& match : matching.matches) {
            const JournalTrade& charged = m_trades[match.charge];
            CodeTrades& code = m_codes[charged.code];
            const Decimal& amount = charged.amount.value_or(Decimal());
            if (code.lines.empty()) {
                continue; // no dividend of its code: the charge is nobody's to show
            }
            if (match.sales.empty()) {
                // Covering no sale, the charge is taken as the latest dividend's; one dated
                // before every dividend of its code is left out, since none can have been
                // taxed yet.
                const auto latest =
                    std::find_if(code.lines.rbegin(), code.lines.rend(), [&](std::size_t line) {
                        return m_lines[line].date < charged.date;
                    });
                if (latest != code.lines.rend() && !add(m_lines[*latest].taxCharged, amount)) {
                    return stop(match.charge);
                }
                continue;
            }
            std::vector<Decimal> weights(code.lines.size());
            for (const std::size_t sale : match.sales) {
                const std::vector<Decimal>& parts = code.bySale.at(sale);
                for (std::size_t k = 0; k < parts.size(); ++k) {
                    if (!add(weights[k], parts[k])) {
                        return stop(match.charge);
                    }
                }
            }
            const auto parts = shareOut(amount, weights);
            if (!parts || !addTo(&DividendLine::taxCharged, code, *parts)) {
                return stop(match.charge);
            }
        }
        return true;
    }

    bool addTo(Decimal DividendLine::*figure, const CodeTrades& code,
               const std::vector<Decimal>& parts) {
        for (std::size_t k = 0; k < parts.size(); ++k) {
            if (!add(m_lines[code.lines[k]].*figure, parts[k])) {
                return false;
            }
        }
        return true;
    }

    bool stop(std::size_t index) {
        m_stopped = index;
        return false;
    }

    std::span<const JournalTrade> m_trades;
    const std::vector<std::optional<Decimal>>& m_taxOf;
    std::map<std::string, CodeTrades> m_codes;
    std::vector<DividendLine> m_lines;
    std::size_t m_stopped = 0;
};

} // namespace

std::variant<std::vector<DividendLine>, LedgerFault>
dividendLines(std::span<const JournalTrade> trades) {
    auto replayed = replayTrades(trades);
    if (const auto* fault = std::get_if<LedgerFault>(&replayed)) {
        return *fault;
    }
    return Attribution(trades, std::get<Ledger>(replayed)).lines();
}

} // namespace pelmora
