// In the full-cost mode the break-even and target prices on the exchange's step are the least
// prices at which selling every share, each cost rounded to the fen as the sell fee counts it,
// reaches the goal: an actual profit, as the sell side shows it, of at least 0 or of at least the
// target. Over random trades in every setting, the sell side pressed at that price reaches the
// goal, and at no lower price on the step down to where the scan starts. The unrounded price as
// shown stays within the roundings of the goal.
#include "calc/Calculations.h"
#include "calc/LeastPrice.h"
#include "calc/TradeFields.h"
#include "numbers/DecimalRounding.h"
#include "numbers/NumberText.h"
#include "tests/calc/CalcTestSupport.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <string>

namespace pelmora::test {
namespace {

class RandomTrades {
public:
    // A decimal with `decimals` places between `low` and `high`, as its text.
    std::string decimal(double low, double high, int decimals) {
        const double scale = std::pow(10.0, decimals);
        std::uniform_int_distribution<long long> units(std::llround(low * scale),
                                                       std::llround(high * scale));
        return ToText(static_cast<double>(units(m_random)) / scale);
    }

    bool coin() { return std::bernoulli_distribution(0.5)(m_random); }

    // The mode's defaults, or each setting drawn, with no minimum, no stamp duty and funds
    // among them.
    CalcSettings settings() {
        FullCost costs;
        if (std::uniform_int_distribution(0, 4)(m_random) == 0) {
            return fullCost(costs);
        }
        const int minimum = std::uniform_int_distribution(0, 2)(m_random);
        costs.minimumCommission = minimum == 0 ? 0.0 : minimum == 1 ? 5.0 : number(0, 20, 2);
        costs.stampDutyPercent = coin() ? 0.0 : number(0, 0.2, 3);
        costs.transferFeePercent = number(0, 0.01, 4);
        costs.exchangeFees = coin();
        costs.product = coin() ? Product::Shares : Product::Fund;
        return fullCost(costs);
    }

    // One to four purchases, the rates, a target, and the buy side pressed.
    MemoryTradeFields bought(const CalcSettings& settings) {
        const bool fund = settings.fullCost->product == Product::Fund;
        MemoryTradeFields fields;
        const int rows = std::uniform_int_distribution(1, kBuyRows)(m_random);
        for (int row = 1; row <= rows; ++row) {
            // Quantities of every size, so that small trades pay the minimum.
            const int digits = std::uniform_int_distribution(1, fund ? 6 : 5)(m_random);
            fields.setText(quantityField(row), decimal(1, std::pow(10.0, digits), 0));
            fields.setText(priceField(row), fund ? decimal(0.1, 10, 3) : decimal(1, 300, 2));
        }
        fields.setText(FieldId::srl, decimal(0, 0.3, 4));
        fields.setText(FieldId::scl, decimal(0, 0.5, 4));
        EXPECT_TRUE(calculateBuySide(fields, settings).ok());
        const double invested = ToNumber(fields.text(FieldId::yrz)).value();
        fields.setText(FieldId::Text1, decimal(-invested / 2, invested, coin() ? 2 : 3));
        fields.setText(FieldId::jc, fields.text(FieldId::jrp));
        return fields;
    }

private:
    double number(double low, double high, int decimals) {
        return ToNumber(decimal(low, high, decimals)).value();
    }

    std::mt19937_64 m_random{20261208};
};

double numberIn(const TradeFields& fields, FieldId field) {
    return ToNumber(fields.text(field)).value();
}

// The scan as the press ran it, from the fields the press read and the unrounded price it showed.
StepScan scanOf(const TradeFields& fields, const PriceOnTheStep& price,
                const CalcSettings& settings) {
    const SaleBasis sale{numberIn(fields, FieldId::nrz), numberIn(fields, FieldId::yrz),
                         numberIn(fields, FieldId::srz), numberIn(fields, FieldId::scl),
                         *settings.fullCost};
    return leastPriceReaching(sale, price.goal, numberIn(fields, price.field), price.decimals);
}

TEST(FullCostSellPrices, AreTheLeastOnTheStepThatReachTheirGoal) {
    RandomTrades random;
    constexpr int kTrades = 5000;
    int longestScan = 0;
    int belowRoundedUp = 0;
    int aboveRoundedUp = 0;
    int minimumPaid = 0;
    for (int trade = 0; trade < kTrades; ++trade) {
        const CalcSettings settings = random.settings();
        MemoryTradeFields fields = random.bought(settings);
        const CalcOutcome sale = calculateSellSide(fields, settings);
        const CalcOutcome target = calculateTargetPrice(fields, settings);
        ASSERT_TRUE(sale.ok() && target.ok());
        const double goals[] = {0.0, numberIn(fields, FieldId::Text1)};
        const PriceOnTheStep onTheStep[] = {sale.prices.at(0), target.prices.at(0)};
        for (int i = 0; i < 2; ++i) {
            const PriceOnTheStep& price = onTheStep[i];
            SCOPED_TRACE("trade " + std::to_string(trade) + ", " +
                         std::string(fieldName(price.field)) + " " + fields.text(price.field) +
                         " on the step " + ToText(price.price));
            ASSERT_EQ(price.goal, goals[i]);
            const Sale atPrice = sellAt(fields, fields.text(price.field), settings);
            ASSERT_NEAR(atPrice.profit, goals[i], atPrice.tolerance);

            ASSERT_GE(sellAt(fields, ToText(price.price), settings).profit, goals[i]);
            const StepScan scan = scanOf(fields, price, settings);
            ASSERT_EQ(scan.price, price.price);
            // The scan starts below the unrounded price, and one step lower is always tried.
            ASSERT_LT(scan.start, numberIn(fields, price.field));
            const double lowest = std::min(scan.start, price.price - price.step);
            for (double lower = price.price - price.step; lower >= lowest - price.step / 2;
                 lower -= price.step) {
                const std::string text = ToText(RoundToDecimals(lower, price.decimals));
                ASSERT_LT(sellAt(fields, text, settings).profit, goals[i]) << "at " << text;
            }
            longestScan = std::max(longestScan, scan.pricesTried);
            const double roundedUp =
                RoundUpToDecimals(numberIn(fields, price.field), price.decimals);
            belowRoundedUp += price.price < roundedUp ? 1 : 0;
            aboveRoundedUp += price.price > roundedUp ? 1 : 0;
            const double minimum = settings.fullCost->minimumCommission;
            minimumPaid += minimum > 0 && atPrice.costs.at(0).second == minimum ? 1 : 0;
        }
    }
    // Both ways of working out the amount are met: with the commission at its rate, and with the
    // minimum paid instead.
    EXPECT_GT(minimumPaid, kTrades / 10);
    EXPECT_LT(minimumPaid, 2 * kTrades - kTrades / 10);
    EXPECT_LT(longestScan, 100);
    RecordProperty("longest_scan", longestScan);
    RecordProperty("below_rounded_up", belowRoundedUp);
    RecordProperty("above_rounded_up", aboveRoundedUp);
    std::cout << "prices " << 2 * kTrades << ", longest scan " << longestScan
              << ", below the price rounded up " << belowRoundedUp << ", above it "
              << aboveRoundedUp << '\n';
}

// The trades the users met, where rounding the unrounded price up gave a price a fen short.
struct UsersTrade {
    const char* name;
    const char* quantity;
    const char* price;
    double breakEvenOnTheStep;
};

class UsersTrades : public testing::TestWithParam<UsersTrade> {};

TEST_P(UsersTrades, BreakEvenOnTheStepLosesNothing) {
    MemoryTradeFields fields;
    fields.setText(FieldId::nr1, GetParam().quantity);
    fields.setText(FieldId::jr1, GetParam().price);
    fields.setText(FieldId::srl, "0.025");
    fields.setText(FieldId::scl, "0.4");
    fields.setText(FieldId::jc, GetParam().price);
    ASSERT_TRUE(calculateBuySide(fields, fullCost()).ok());
    const CalcOutcome outcome = calculateSellSide(fields, fullCost());
    ASSERT_TRUE(outcome.ok());
    const PriceOnTheStep& price = outcome.prices.at(0);
    EXPECT_EQ(price.price, GetParam().breakEvenOnTheStep);
    EXPECT_GE(sellAt(fields, ToText(price.price), fullCost()).profit, 0.0);
    EXPECT_LT(sellAt(fields, ToText(price.price - price.step), fullCost()).profit, 0.0);
}

INSTANTIATE_TEST_SUITE_P(FullCost, UsersTrades,
                         testing::Values(UsersTrade{"FourHundredAt83_48", "400", "83.48", 83.89},
                                         UsersTrade{"HundredAt26_37", "100", "26.37", 26.55}),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace pelmora::test
