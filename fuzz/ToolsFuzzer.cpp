// Types texts into every box of the trade tools and works out all three: a round trip, buying
// more and selling part, on the settings' costs typed as texts, for any kind, lot rule and date
// of the table. Whatever the texts, a tool gives a result or a failure that names one of its own
// boxes, holding the text typed there and showing the fault it names. A result holds together:
// its money is whole fen and each order's total the sum of its costs; a price it solves for lies
// on the step and reaches its goal while the step before it does not; a quantity it solves for
// is legal, reaches the target and the next smaller one does not.
//
// The input is texts between '|', missing ones taking the worked examples' texts:
//   options | 做T 数量 | 买入价 | 卖出价 | 目标收益 | 补仓 持仓数量 | 成本价 | 补仓价 | 目标成本 |
//   减仓 持仓数量 | 成本价 | 卖出数量 | 卖出价 | buy rate | sell rate |
//   最低佣金 | 印花税 | 过户费 | the holding's exact total cost (for 补仓 and 减仓; empty for none)
// and the options' characters choose, each by its code modulo the choices, the kind, the kind
// whose lots 补仓 buys in, the exchange's fees (bit 0) and the decimal comma (bit 1), and the
// trade date ('0' for all of them: the main boards, today).
#include "calc/TradeTools.h"
#include "calc/TypedNumber.h"
#include "fuzz/FuzzChecks.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace pelmora;
using fuzz::hasAtMostDecimals;
using fuzz::require;

constexpr std::size_t kTextCount = 19;
// Where the texts of the boxes after the tools' own stand in the input.
constexpr std::size_t kMinimumText = 15;
constexpr std::size_t kHeldTotalText = 18;

constexpr std::array<std::string_view, kTextCount> kWorkedExamples = {
    "",  "500", "9.95",  "10.20", "0",   "600", "8.907", "8.50",  "8.70", "1000",
    "9", "500", "10.20", "0.3",   "0.4", "5",   "0.05",  "0.001", "",
};

using std::chrono::year;
using std::chrono::year_month_day;
// Today, and the days on either side of the table's changes.
const std::array<std::optional<TradeDate>, 8> kDates = {
    std::nullopt,
    year_month_day{year{2015}, std::chrono::July, std::chrono::day{31}},
    kFirstTableDate,
    year_month_day{year{2020}, std::chrono::August, std::chrono::day{24}},
    year_month_day{year{2021}, std::chrono::November, std::chrono::day{15}},
    year_month_day{year{2022}, std::chrono::April, std::chrono::day{28}},
    year_month_day{year{2023}, std::chrono::August, std::chrono::day{28}},
    year_month_day{year{2026}, std::chrono::July, std::chrono::day{6}},
};

struct Typed {
    std::array<std::string, kTextCount> texts;
    ToolCosting costing;
    PurchaseLots lots;
    std::optional<Decimal> heldTotal;

    [[nodiscard]] const std::string& box(ToolField field) const {
        return texts.at(static_cast<std::size_t>(field) + 1);
    }
    [[nodiscard]] std::optional<Decimal> read(const std::string& text) const {
        auto typed = detail::readTypedExact(text, costing.decimalComma);
        return std::holds_alternative<Decimal>(typed) ? std::optional(std::get<Decimal>(typed))
                                                      : std::nullopt;
    }
    [[nodiscard]] std::optional<Decimal> read(ToolField field) const { return read(box(field)); }
};

Typed typedFrom(std::string_view input) {
    Typed typed;
    std::size_t i = 0;
    for (; i < kTextCount && !input.empty(); ++i) {
        const std::size_t end = std::min(input.find('|'), input.size());
        typed.texts.at(i) = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    for (; i < kTextCount; ++i) {
        typed.texts.at(i) = kWorkedExamples.at(i);
    }
    const std::string& options = typed.texts[0];
    const auto option = [&](std::size_t at, std::size_t choices) {
        return at < options.size() ? static_cast<unsigned char>(options[at]) % choices : 0;
    };
    const bool decimalComma = (option(2, 4) & 2U) != 0;
    const std::string* costs = &typed.texts.at(kMinimumText);
    typed.costing = {fuzz::typedCosts({costs[0], costs[1], costs[2]}, decimalComma,
                                      (option(2, 4) & 1U) != 0,
                                      kAllKinds.at(option(0, kKindCount))),
                     typed.box(ToolField::BuyRate), typed.box(ToolField::SellRate), decimalComma,
                     kDates.at(option(3, kDates.size()))};
    typed.lots = purchaseLots(kAllKinds.at(option(1, kKindCount)));
    typed.heldTotal = Decimal::fromText(typed.texts[kHeldTotalText]);
    return typed;
}

bool isWholeFen(const Decimal& money) {
    return hasAtMostDecimals(money, kFenDecimals);
}

void checkOrder(const CostedOrder& order, const Decimal& amount) {
    require(order.amount == amount && isWholeFen(order.total));
    Decimal sum;
    for (const CostItem& item : order.costs) {
        require(isWholeFen(item.amount) && (amount.sign() < 0 || item.amount.sign() >= 0));
        sum = *sum.plus(item.amount);
    }
    require(sum == order.total);
}

// A solved price lies on the step, from one step to kHighestPrice, and reaches the goal; the
// price a step back towards the scan's start, below it where the scan went up, does not: it was
// tried, or lies beyond the start, which provably cannot reach the goal.
template <class ShownAt>
void checkSolved(const std::optional<SolvedPrice>& solved, const Decimal& goal, SecurityKind kind,
                 bool scannedUp, const ShownAt& shownAt) {
    if (!solved || !solved->price) {
        require(!solved || solved->end != SearchEnd::Found);
        return;
    }
    const Decimal& price = *solved->price;
    const Decimal step = priceStep(kind);
    require(solved->end == SearchEnd::Found && price >= step);
    require(price <= Decimal::whole(kHighestPrice) &&
            hasAtMostDecimals(price, priceDecimals(kind)));
    const std::optional<Decimal> shown = shownAt(price);
    require(shown && *shown >= goal);
    const Decimal before = *(scannedUp ? price.minus(step) : price.plus(step));
    if (before.sign() > 0) {
        const std::optional<Decimal> shownBefore = shownAt(before);
        require(!shownBefore || *shownBefore < goal);
    }
}

// The failure names one of the tool's boxes, with its text, and that text shows the fault.
void checkFailure(const ToolFailure& failure, const Typed& typed,
                  std::initializer_list<ToolField> boxes) {
    require(std::find(boxes.begin(), boxes.end(), failure.field) != boxes.end());
    require(failure.text == typed.box(failure.field));
    const std::optional<Decimal> value = typed.read(failure.field);
    switch (failure.problem) {
    case ToolProblem::Unreadable: {
        const auto read = detail::readTypedExact(failure.text, typed.costing.decimalComma);
        require(std::holds_alternative<Unreadable>(read) &&
                std::get<Unreadable>(read) == failure.reason);
        break;
    }
    case ToolProblem::NoPrice:
        require(failure.text.empty());
        break;
    case ToolProblem::NotWholePositive:
        require(value && (value->sign() <= 0 || !value->isWhole()));
        break;
    case ToolProblem::PriceNotPositive:
        require(value && value->sign() <= 0);
        break;
    case ToolProblem::NegativeRate:
        require(value && value->sign() < 0);
        break;
    case ToolProblem::SellingNone:
        require(value && value->sign() == 0);
        break;
    case ToolProblem::SellingPartOfShare:
        require(value && !value->isWhole());
        break;
    case ToolProblem::SellingMoreThanHeld:
        require(value && *value > *typed.read(ToolField::ReduceHeld));
        break;
    case ToolProblem::RatesTakeAll:
        require(value && failure.field == ToolField::SellRate);
        break;
    case ToolProblem::TargetNotBetween:
    case ToolProblem::AboveHighest:
    case ToolProblem::BelowLowest:
    case ToolProblem::MoreThanMostShares:
    case ToolProblem::Overflow:
    case ToolProblem::TooManyDecimals:
    case ToolProblem::TooManyToTry:
        // A figure of the box went into what could not be held or found.
        require(value.has_value());
        break;
    }
}

// The tool's result; none where it failed, its failure checked against the tool's boxes.
template <class Result>
const Result* resultOf(const std::variant<Result, ToolFailure>& outcome, const Typed& typed,
                       std::initializer_list<ToolField> boxes) {
    if (const auto* failure = std::get_if<ToolFailure>(&outcome)) {
        checkFailure(*failure, typed, boxes);
        return nullptr;
    }
    return &std::get<Result>(outcome);
}

// N·C: the holding's exact total cost where one was given, else the shares times the cost.
Decimal heldValueOf(const Typed& typed, ToolField held, ToolField cost) {
    return typed.heldTotal.value_or(*typed.read(held)->times(*typed.read(cost)));
}

// A typed price off the exchange's step is taken as typed, and the result says so.
bool offTheStep(const Typed& typed, ToolField price) {
    return !hasAtMostDecimals(*typed.read(price), priceDecimals(typed.costing.costs.kind));
}

RoundTripInput roundTripInput(const Typed& typed) {
    return {typed.box(ToolField::RoundTripQuantity), typed.box(ToolField::RoundTripBuyPrice),
            typed.box(ToolField::RoundTripSellPrice), typed.box(ToolField::RoundTripGoal)};
}

void checkRoundTrip(const RoundTripResult& r, const Typed& typed) {
    const RoundTripInput input = roundTripInput(typed);
    const Decimal quantity = *typed.read(ToolField::RoundTripQuantity);
    const Decimal goal = *typed.read(ToolField::RoundTripGoal);
    const SecurityKind kind = typed.costing.costs.kind;
    checkOrder(r.buy, *quantity.times(r.buyPrice));
    checkOrder(r.sell, *quantity.times(r.sellPrice));
    require(isWholeFen(r.profit) && r.costs == *r.buy.total.plus(r.sell.total));
    require(roundTripProfit(quantity, r.buyPrice, r.sellPrice, typed.costing) == r.profit);
    // A price left empty is the one solved for it, which the figures are worked at.
    require(input.buyPrice.empty() || r.buyPrice == *typed.read(input.buyPrice));
    require(input.sellPrice.empty() || r.sellPrice == *typed.read(input.sellPrice));
    require(!input.buyPrice.empty() || r.buyPrice == r.breakEvenBuyBack->price);
    require(!input.sellPrice.empty() || r.sellPrice == r.breakEvenSell->price);
    require(r.breakEvenSell.has_value() == !input.buyPrice.empty());
    require(r.breakEvenBuyBack.has_value() == !input.sellPrice.empty());
    require(r.priceDecimals == priceDecimals(kind));
    for (const ToolField price : {ToolField::RoundTripBuyPrice, ToolField::RoundTripSellPrice}) {
        const bool said = std::find(r.offStep.begin(), r.offStep.end(), price) != r.offStep.end();
        require(said == (!typed.box(price).empty() && offTheStep(typed, price)));
    }
    checkSolved(r.breakEvenSell, goal, kind, true, [&](const Decimal& price) {
        return roundTripProfit(quantity, r.buyPrice, price, typed.costing);
    });
    checkSolved(r.breakEvenBuyBack, goal, kind, false, [&](const Decimal& price) {
        return roundTripProfit(quantity, price, r.sellPrice, typed.costing);
    });
}

void checkAddPosition(const AddPositionResult& r, const Typed& typed) {
    const Decimal held = *typed.read(ToolField::AddHeld);
    const Decimal price = *typed.read(ToolField::AddPrice);
    const Decimal target = *typed.read(ToolField::AddTarget);
    const Decimal heldValue = heldValueOf(typed, ToolField::AddHeld, ToolField::AddCost);
    const auto costAfter = [&](std::int64_t quantity) {
        return costAfterBuying(held, heldValue, price, quantity, typed.costing);
    };
    require(r.quantity >= typed.lots.least && r.quantity % typed.lots.step == 0);
    require(r.quantity <= kMostShares);
    checkOrder(r.order, *Decimal::whole(r.quantity).times(price));
    require(r.funds == *r.order.amount.plus(r.order.total));
    require(r.priceOffStep == offTheStep(typed, ToolField::AddPrice));
    require(costAfter(r.quantity) == r.newCost && r.newCost <= target);
    require(hasAtMostDecimals(r.newCost, kCostPerShareDecimals));
    const std::int64_t fewer = r.quantity - typed.lots.step;
    require(r.fewer.has_value() == (fewer >= typed.lots.least));
    if (r.fewer) {
        require(r.fewer->quantity == fewer && r.fewer->cost == costAfter(fewer));
        require(r.fewer->cost > target);
    }
}

void checkReducePosition(const ReducePositionResult& r, const Typed& typed) {
    const Decimal held = *typed.read(ToolField::ReduceHeld);
    const Decimal sold = *typed.read(ToolField::ReduceQuantity);
    const Decimal heldValue = heldValueOf(typed, ToolField::ReduceHeld, ToolField::ReduceCost);
    checkOrder(r.sale, *sold.times(*typed.read(ToolField::ReducePrice)));
    require(r.remaining == *held.minus(sold) && isWholeFen(r.realized));
    require(r.priceOffStep == offTheStep(typed, ToolField::ReducePrice));
    require(r.dilutedCost.has_value() == (r.remaining.sign() != 0));
    require(!r.dilutedCost || hasAtMostDecimals(*r.dilutedCost, kCostPerShareDecimals));
    require(!(r.alreadyCovered && r.breakEvenPrice));
    require(r.breakEvenPrice.has_value() == (r.remaining.sign() != 0 && !r.alreadyCovered));
    const Decimal proceeds = *r.sale.amount.minus(r.sale.total);
    checkSolved(
        r.breakEvenPrice, Decimal(), typed.costing.costs.kind, true, [&](const Decimal& price) {
            return wholeHoldingResult(heldValue, proceeds, r.remaining, price, typed.costing);
        });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Typed typed = typedFrom({reinterpret_cast<const char*>(data), size});
    using enum ToolField;
    const auto trip = roundTrip(roundTripInput(typed), typed.costing);
    if (const auto* r = resultOf(trip, typed,
                                 {RoundTripQuantity, RoundTripBuyPrice, RoundTripSellPrice,
                                  RoundTripGoal, BuyRate, SellRate})) {
        checkRoundTrip(*r, typed);
    }
    const auto added = addPosition({typed.box(AddHeld), typed.box(AddCost), typed.box(AddPrice),
                                    typed.box(AddTarget), typed.lots, typed.heldTotal},
                                   typed.costing);
    if (const auto* r = resultOf(added, typed, {AddHeld, AddCost, AddPrice, AddTarget, BuyRate})) {
        checkAddPosition(*r, typed);
    }
    const auto reduced =
        reducePosition({typed.box(ReduceHeld), typed.box(ReduceCost), typed.box(ReduceQuantity),
                        typed.box(ReducePrice), typed.heldTotal},
                       typed.costing);
    if (const auto* r = resultOf(reduced, typed,
                                 {ReduceHeld, ReduceCost, ReduceQuantity, ReducePrice, SellRate})) {
        checkReducePosition(*r, typed);
    }
    return 0;
}
