#include "calc/ShareEvents.h"

#include "calc/Holdings.h"
#include "calc/OrderCosting.h"

#include <array>
#include <optional>
#include <utility>

namespace pelmora {
namespace {

enum class Part { Cash, Bonus, Reserve };

// The words that open a part, the longer of two that start alike first.
constexpr std::array kMarkers = {
    std::pair{std::string_view("派"), Part::Cash},
    std::pair{std::string_view("送"), Part::Bonus},
    std::pair{std::string_view("转增"), Part::Reserve},
    std::pair{std::string_view("转"), Part::Reserve},
};
// What may follow a figure: its unit, or the note that the cash is before tax.
constexpr std::array<std::string_view, 4> kAfterFigures = {"(含税)", "（含税）", "元", "股"};
constexpr std::array<std::string_view, 3> kBlanks = {" ", "\t", "\u3000"};

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    while (!text.empty()) {
        bool blank = false;
        for (const std::string_view each : kBlanks) {
            if (text.starts_with(each)) {
                text.remove_prefix(each.size());
                blank = true;
            }
        }
        if (!blank) {
            kept += text.front();
            text.remove_prefix(1);
        }
    }
    return kept;
}

struct Marker {
    std::size_t at = std::string_view::npos;
    std::size_t length = 0;
    Part part = Part::Cash;
};

Marker nextMarker(std::string_view text, std::size_t from) {
    Marker found;
    for (const auto& [word, part] : kMarkers) {
        const std::size_t at = text.find(word, from);
        if (at < found.at) {
            found = {at, word.size(), part};
        }
    }
    return found;
}

std::string_view withoutEnding(std::string_view text, std::string_view ending) {
    return text.ends_with(ending) ? text.substr(0, text.size() - ending.size()) : text;
}

// A figure above 0, with what may follow it dropped.
std::optional<Decimal> figureOf(std::string_view text) {
    for (bool dropped = true; dropped;) {
        dropped = false;
        for (const std::string_view after : kAfterFigures) {
            if (text.ends_with(after)) {
                text = withoutEnding(text, after);
                dropped = true;
            }
        }
    }
    const auto figure = Decimal::fromText(text);
    return figure && figure->sign() > 0 ? figure : std::nullopt;
}

std::optional<std::int64_t> baseOf(std::string_view text) {
    if (text.starts_with("每")) {
        text.remove_prefix(std::string_view("每").size());
    }
    const auto base = Decimal::fromText(withoutEnding(text, "股"));
    const auto whole = base && base->isWhole() ? base->toWhole() : std::nullopt;
    return whole && *whole > 0 ? whole : std::nullopt;
}

// `held` × per / base, to the fen or, for shares, whole and rounded down.
std::optional<Decimal> perHolding(std::int64_t held, const Decimal& per, std::int64_t base,
                                  int decimals, Rounding rounding) {
    const auto total = per.times(Decimal::whole(held));
    return total ? total->dividedBy(Decimal::whole(base), decimals, rounding) : std::nullopt;
}

JournalTrade entryOf(const Position& position, const DistributionTerms& terms, TradeAction action) {
    JournalTrade entry;
    entry.date = terms.exDate;
    entry.code = terms.code;
    entry.name = position.name;
    entry.kind = position.kind;
    entry.action = action;
    entry.source = terms.source;
    return entry;
}

} // namespace

std::variant<Distribution, DistributionRefusal> readDistribution(std::string_view typed) {
    const std::string text = withoutBlanks(typed);
    const std::string_view all(text);
    Marker marker = nextMarker(all, 0);
    const std::string_view baseText = all.substr(0, marker.at);
    const auto base = baseOf(baseText);
    if (!base) {
        return DistributionRefusal{DistributionProblem::NoBase, std::string(baseText)};
    }
    Distribution distribution;
    distribution.base = *base;
    std::array<bool, 3> given{};
    while (marker.at != std::string_view::npos) {
        const Marker next = nextMarker(all, marker.at + marker.length);
        const std::string_view part = all.substr(marker.at, next.at - marker.at);
        const auto figure = figureOf(part.substr(marker.length));
        if (!figure) {
            return DistributionRefusal{DistributionProblem::NotAFigure, std::string(part)};
        }
        bool& seen = given.at(static_cast<std::size_t>(marker.part));
        if (seen) {
            return DistributionRefusal{DistributionProblem::Repeated, std::string(part)};
        }
        seen = true;
        (marker.part == Part::Cash    ? distribution.cash
         : marker.part == Part::Bonus ? distribution.bonusShares
                                      : distribution.reserveShares) = *figure;
        marker = next;
    }
    if (!given[0] && !given[1] && !given[2]) {
        return DistributionRefusal{DistributionProblem::NothingGiven, text};
    }
    return distribution;
}

std::variant<std::vector<JournalTrade>, DistributionStop>
distributionEntries(const Distribution& distribution, const DistributionTerms& terms,
                    std::span<const JournalTrade> journal) {
    if (terms.exDate < terms.recordDate) {
        return DistributionStop::ExDateBeforeRecord;
    }
    // The holding at the end of the record date: everything of that day counts.
    std::vector<JournalTrade> upToRecord;
    for (const JournalTrade& trade : journal) {
        if (trade.code == terms.code && trade.date <= terms.recordDate) {
            upToRecord.push_back(trade);
        }
    }
    const auto replayed = replayTrades(upToRecord);
    if (std::holds_alternative<LedgerFault>(replayed)) {
        return DistributionStop::JournalFault;
    }
    const auto& positions = std::get<Ledger>(replayed).positions;
    const auto found = positions.find(terms.code);
    if (found == positions.end() || found->second.shares == 0) {
        return DistributionStop::NothingHeld;
    }
    const Position& position = found->second;
    const std::int64_t held = position.shares;
    const auto cash = perHolding(held, distribution.cash, distribution.base, kFenDecimals,
                                 Rounding::HalfAwayFromZero);
    const auto bonus =
        perHolding(held, distribution.bonusShares, distribution.base, 0, Rounding::Down);
    const auto reserve =
        perHolding(held, distribution.reserveShares, distribution.base, 0, Rounding::Down);
    const auto bonusShares = bonus ? bonus->toWhole() : std::nullopt;
    const auto reserveShares = reserve ? reserve->toWhole() : std::nullopt;
    if (!cash || !bonusShares || !reserveShares) {
        return DistributionStop::Overflow;
    }
    std::vector<JournalTrade> entries;
    if (cash->sign() > 0) {
        entries.push_back(entryOf(position, terms, TradeAction::Dividend));
        entries.back().quantity = held;
        entries.back().amount = *cash;
    }
    for (const auto& [action, shares] : {std::pair{TradeAction::BonusShares, *bonusShares},
                                         std::pair{TradeAction::ReserveShares, *reserveShares}}) {
        if (shares > 0) {
            entries.push_back(entryOf(position, terms, action));
            entries.back().quantity = shares;
        }
    }
    return entries;
}

} // namespace pelmora
