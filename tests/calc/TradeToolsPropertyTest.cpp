// Thousands of seeded random cases in several fee settings: every price and quantity the tools
// solve for reaches its goal, and no price or quantity short of it does, checked by brute force
// from a start far looser than the tools' own.
#include "calc/Calculations.h"
#include "calc/TradeFields.h"
#include "calc/TradeTools.h"
#include "numbers/NumberText.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace pelmora::test {
namespace {

Decimal exact(const std::string& text) {
    return *Decimal::fromText(text);
}

struct Setting {
    const char* name;
    FullCost costs;
};

const Setting kSettings[] = {
    {"Usual", FullCost{}},
    {"NoMinimum", FullCost{.minimumCommission = 0}},
    {"ExchangeFees", FullCost{.minimumCommission = 0.1, .exchangeFees = true}},
    {"Fund", FullCost{.exchangeFees = true, .kind = SecurityKind::Fund}},
};
const char* const kRates[] = {"0", "0.025", "0.1", "0.3", "0.4"};

class RandomTrades : public testing::TestWithParam<Setting> {
protected:
    std::mt19937 m_random{20261209};
    std::int64_t uniform(std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(m_random);
    }
    const char* rate() { return kRates[uniform(0, std::size(kRates) - 1)]; }
    [[nodiscard]] int decimals() const { return priceDecimals(GetParam().costs.kind); }
    // A price on the step between 1 and 60.
    Decimal price() {
        const std::int64_t units = decimals() == 2 ? 100 : 1000;
        return Decimal::ofUnits(uniform(units, 60 * units), decimals());
    }
    [[nodiscard]] Decimal step() const { return priceStep(GetParam().costs.kind); }
};

// A price no less than `bound`, on the step, and at least one step.
Decimal onStepAbove(const Decimal& bound, const Decimal& step, int decimals) {
    const Decimal price = *bound.rounded(decimals, Rounding::Up);
    return price < step ? step : price;
}

TEST_P(RandomTrades, BreakEvenPricesAreTheFirstToReachTheGoal) {
    const FullCost& costs = GetParam().costs;
    const Decimal half = Decimal::ofUnits(5, 3);
    int unreachable = 0;
    for (int i = 0; i < 500; ++i) {
        const std::int64_t quantity = uniform(0, 1) == 0 ? uniform(1, 50) : 100 * uniform(1, 30);
        const Decimal q = Decimal::whole(quantity);
        const Decimal buyPrice = price();
        const Decimal sellPrice = price();
        const std::string goal = Decimal::ofUnits(uniform(-3000, 3000), 2).fixedText(2);
        const ToolCosting costing{costs, rate(), rate(), false};
        const auto outcome = roundTrip({std::to_string(quantity), buyPrice.fixedText(decimals()),
                                        sellPrice.fixedText(decimals()), goal},
                                       costing);
        ASSERT_TRUE(std::holds_alternative<RoundTripResult>(outcome)) << i;
        const auto& r = std::get<RoundTripResult>(outcome);
        if (!r.breakEvenBuyBack->price) {
            // A goal beyond what buying back at the least price earns.
            ASSERT_EQ(r.breakEvenBuyBack->end, SearchEnd::BelowLowest) << i;
            ++unreachable;
            continue;
        }
        const auto profit = [&](const Decimal& buy, const Decimal& sell) {
            return *roundTripProfit(q, buy, sell, costing);
        };
        const Decimal g = exact(goal);
        const Decimal sellAt = *r.breakEvenSell->price;
        const Decimal buyBackAt = *r.breakEvenBuyBack->price;
        ASSERT_GE(profit(buyPrice, sellAt), g) << i;
        // Without any cost the profit is q·(S − B): no price below B + (goal − half a fen) / q
        // can show the goal.
        const Decimal loose = *buyPrice.plus(*g.minus(half)->dividedBy(q, 6, Rounding::Down));
        for (Decimal p = onStepAbove(loose, step(), decimals()); p < sellAt; p = *p.plus(step())) {
            ASSERT_LT(profit(buyPrice, p), g) << i << " sells at " << p.fixedText(3);
        }
        ASSERT_GE(profit(buyBackAt, sellPrice), g) << i;
        const Decimal highest = *sellPrice.minus(*g.minus(half)->dividedBy(q, 6, Rounding::Up));
        for (Decimal p = *highest.rounded(decimals(), Rounding::Down); p > buyBackAt;
             p = *p.minus(step())) {
            ASSERT_LT(profit(p, sellPrice), g) << i << " buys back at " << p.fixedText(3);
        }
    }
    EXPECT_LT(unreachable, 50);
}

TEST_P(RandomTrades, QuantitiesToAddAreTheLeastToReachTheTarget) {
    const FullCost& costs = GetParam().costs;
    const PurchaseLots rules[] = {purchaseLots(SecurityKind::MainBoard),
                                  purchaseLots(SecurityKind::StarMarket),
                                  purchaseLots(SecurityKind::Beijing)};
    for (int i = 0; i < 500; ++i) {
        const Decimal held = Decimal::whole(uniform(1, 30) * 100);
        const Decimal buyPrice = price();
        const Decimal cost =
            *buyPrice.times(*Decimal::ofUnits(uniform(1100, 1600), 3).rounded(3, Rounding::Down))
                 ->rounded(3, Rounding::HalfAwayFromZero);
        // A target between the price and the cost, mostly in reach.
        const Decimal target =
            *buyPrice.plus(*cost.minus(buyPrice)->times(Decimal::ofUnits(uniform(30, 95), 2)))
                 ->rounded(3, Rounding::Down);
        const PurchaseLots lots = rules[uniform(0, 2)];
        const ToolCosting costing{costs, rate(), "0.4", false};
        const auto outcome =
            addPosition({held.fixedText(0), cost.fixedText(3), buyPrice.fixedText(decimals()),
                         target.fixedText(3), lots},
                        costing);
        if (std::holds_alternative<ToolFailure>(outcome)) {
            ASSERT_EQ(std::get<ToolFailure>(outcome).problem, ToolProblem::MoreThanMostShares) << i;
            continue;
        }
        const auto& r = std::get<AddPositionResult>(outcome);
        const auto costAfter = [&](std::int64_t x) {
            return *costAfterBuying(held, *held.times(cost), buyPrice, x, costing);
        };
        const std::int64_t least = lots.least;
        const std::int64_t lotStep = lots.step;
        ASSERT_TRUE(r.quantity >= least && r.quantity % lotStep == 0) << i << ": " << r.quantity;
        ASSERT_LE(costAfter(r.quantity), target) << i;
        for (std::int64_t x = least; x < r.quantity; x += lotStep) {
            ASSERT_GT(costAfter(x), target) << i << " buying " << x;
        }
    }
}

TEST_P(RandomTrades, BreakEvenAfterASaleIsTheFirstPriceWithNoLoss) {
    const FullCost& costs = GetParam().costs;
    const Decimal half = Decimal::ofUnits(5, 3);
    for (int i = 0; i < 500; ++i) {
        const std::int64_t heldShares = uniform(2, 40) * 100;
        const std::int64_t sold = uniform(1, heldShares - 1);
        const Decimal cost = price();
        const Decimal sellPrice = price();
        const ToolCosting costing{costs, "0.3", rate(), false};
        const auto outcome = reducePosition({std::to_string(heldShares), cost.fixedText(decimals()),
                                             std::to_string(sold), sellPrice.fixedText(decimals())},
                                            costing);
        ASSERT_TRUE(std::holds_alternative<ReducePositionResult>(outcome)) << i;
        const auto& r = std::get<ReducePositionResult>(outcome);
        if (r.alreadyCovered) {
            continue;
        }
        const Decimal heldValue = *Decimal::whole(heldShares).times(cost);
        const Decimal proceeds = *r.sale.amount.minus(r.sale.total);
        const auto whole = [&](const Decimal& p) {
            return *wholeHoldingResult(heldValue, proceeds, r.remaining, p, costing);
        };
        const Decimal breakEven = *r.breakEvenPrice->price;
        ASSERT_GE(whole(breakEven), Decimal()) << i;
        // Without costs the rest brings in remaining × p.
        const Decimal loose =
            *heldValue.minus(proceeds)->minus(half)->dividedBy(r.remaining, 6, Rounding::Down);
        for (Decimal p = onStepAbove(loose, step(), decimals()); p < breakEven;
             p = *p.plus(step())) {
            ASSERT_LT(whole(p), Decimal()) << i << " sells the rest at " << p.fixedText(3);
        }
    }
}

// The main window's full-cost fees and the tools' orders are one costing: a row of the buy side
// and a sale pay what costOrder charges, at any rate, 0 included.
TEST_P(RandomTrades, TheMainWindowChargesWhatTheToolsCharge) {
    CalcSettings settings;
    settings.fullCost = GetParam().costs;
    for (int i = 0; i < 1000; ++i) {
        const std::string quantity = std::to_string(uniform(1, 100000));
        const Decimal at = price();
        const char* const percent = kRates[uniform(0, std::size(kRates) - 1)];
        MemoryTradeFields fields;
        fields.setText(FieldId::nr1, quantity);
        fields.setText(FieldId::jr1, at.fixedText(decimals()));
        fields.setText(FieldId::srl, percent);
        fields.setText(FieldId::scl, percent);
        fields.setText(FieldId::jc, at.fixedText(decimals()));
        ASSERT_TRUE(calculateBuySide(fields, settings).ok());
        const CalcOutcome sale = calculateSellSide(fields, settings);
        const Decimal amount = *exact(quantity).times(at);
        const OrderTerms terms = *orderTermsOf(GetParam().costs, exact(percent), todayInChina());
        for (const auto& [side, fee] :
             {std::pair(Side::Buy, FieldId::sr1), std::pair(Side::Sell, FieldId::sc)}) {
            const auto order = std::get<CostedOrder>(costOrder(terms, side, amount));
            ASSERT_EQ(exact(fields.text(fee)), order.total) << i << " at " << percent;
        }
        ASSERT_EQ(sale.record.order(FieldId::sc)->total, exact(fields.text(FieldId::sc)));
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, RandomTrades, testing::ValuesIn(kSettings),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace pelmora::test
