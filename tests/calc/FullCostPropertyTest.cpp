// In the full-cost mode the break-even and target prices count every cost of the sale, its
// minimum included, and leave out only the rounding of each cost to the fen. So for any trade,
// selling at the price as shown (Label3's or Label4's text typed into jc) makes a profit within
// the roundings of the goal; the price on the exchange's step is the least at which the sale
// reaches the goal, as the sell side shows it: no price on the step below it, down to well below
// the unrounded price, does.
#include "calc/Calculations.h"
#include "calc/TradeFields.h"
#include "numbers/DecimalRounding.h"
#include "numbers/NumberText.h"
#include "tests/calc/CalcTestSupport.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
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

    CalcSettings settings() {
        FullCost costs; // the mode's defaults one time in five
        if (std::uniform_int_distribution(0, 4)(m_random) == 0) {
            return fullCost(costs);
        }
        const int minimum = std::uniform_int_distribution(0, 2)(m_random);
        costs.minimumCommission = minimum == 0 ? 0.0 : minimum == 1 ? 5.0 : number(0, 20, 2);
        costs.stampDutyPercent = coin() ? 0.0 : number(0, 0.2, 3);
        costs.transferFeePercent = number(0, 0.01, 4);
        costs.exchangeFees = coin();
        costs.kind = coin() ? SecurityKind::MainBoard : SecurityKind::Fund;
        return fullCost(costs);
    }

    // One to four purchases, the rates, a target, and the buy side pressed. The first trades are
    // those the users met, where the price rounded up lost a fen: 400 at 83.48, 100 at 26.37.
    MemoryTradeFields bought(const CalcSettings& settings, int trade) {
        const bool fund = settings.fullCost->kind == SecurityKind::Fund;
        MemoryTradeFields fields;
        if (trade < 2) {
            fields.setText(FieldId::nr1, trade == 0 ? "400" : "100");
            fields.setText(FieldId::jr1, trade == 0 ? "83.48" : "26.37");
            fields.setText(FieldId::srl, "0.025");
            fields.setText(FieldId::scl, "0.4");
            pressWithTarget(fields, settings);
            return fields;
        }
        const int rows = std::uniform_int_distribution(1, kBuyRows)(m_random);
        for (int row = 1; row <= rows; ++row) {
            // Quantities of every size, so that small trades pay the minimum.
            const int digits = std::uniform_int_distribution(1, fund ? 6 : 5)(m_random);
            fields.setText(quantityField(row), decimal(1, std::pow(10.0, digits), 0));
            fields.setText(priceField(row), fund ? decimal(0.1, 10, 3) : decimal(1, 300, 2));
        }
        fields.setText(FieldId::srl, decimal(0, 0.3, 4));
        fields.setText(FieldId::scl, decimal(0, 0.5, 4));
        pressWithTarget(fields, settings);
        return fields;
    }

    void pressWithTarget(MemoryTradeFields& fields, const CalcSettings& settings) {
        EXPECT_TRUE(calculateBuySide(fields, settings).ok());
        const double invested = ToNumber(fields.text(FieldId::yrz)).value();
        fields.setText(FieldId::Text1, decimal(-invested / 2, invested, 2));
        fields.setText(FieldId::jc, fields.text(FieldId::jrp));
    }

private:
    double number(double low, double high, int decimals) {
        return ToNumber(decimal(low, high, decimals)).value();
    }

    std::mt19937_64 m_random{20240612};
};

// Each rounded figure of a sale moves its actual profit by half a fen at most, and the profit
// grows with the price at least as fast as the share a sale keeps after its rates: no price
// further below the unrounded price than those roundings make up can reach the goal.
double looseStart(const TradeFields& fields, double exactPrice, double step) {
    const double shares = *ToNumber(fields.text(FieldId::nrz));
    const double kept = 1.0 - *ToNumber(fields.text(FieldId::scl)) / 100.0 - 0.011;
    constexpr double kRoundings = 0.05; // ten half fen, more than a sale rounds
    return exactPrice - kRoundings / (shares * kept) - 2 * step;
}

TEST(FullCostSellPrices, AreTheLeastOnTheStepThatReachTheirGoal) {
    RandomTrades random;
    int minimumPaid = 0;
    constexpr int kTrades = 5000;
    for (int trade = 0; trade < kTrades; ++trade) {
        const CalcSettings settings = trade < 2 ? fullCost() : random.settings();
        MemoryTradeFields fields = random.bought(settings, trade);
        const CalcOutcome sale = calculateSellSide(fields, settings);
        const CalcOutcome target = calculateTargetPrice(fields, settings);
        ASSERT_TRUE(sale.ok() && target.ok());
        const double goals[] = {0.0, ToNumber(fields.text(FieldId::Text1)).value()};
        const PriceOnTheStep onTheStep[] = {sale.prices.at(0), target.prices.at(0)};
        for (int i = 0; i < 2; ++i) {
            const FieldId price = onTheStep[i].field;
            SCOPED_TRACE("trade " + std::to_string(trade) + ", " + std::string(fieldName(price)) +
                         " " + fields.text(price));
            const Sale atPrice = sellAt(fields, fields.text(price), settings);
            ASSERT_NEAR(atPrice.profit, goals[i], atPrice.tolerance);

            const PriceOnTheStep& step = onTheStep[i];
            ASSERT_EQ(step.goal, goals[i]);
            ASSERT_EQ(step.search, SearchEnd::Found);
            ASSERT_GE(sellAt(fields, ToText(*step.price), settings).profit, goals[i]);
            const double from = looseStart(fields, *ToNumber(fields.text(price)), step.step);
            for (double lower = *step.price - step.step; lower > from; lower -= step.step) {
                const std::string text = ToText(RoundToDecimals(lower, step.decimals));
                ASSERT_LT(sellAt(fields, text, settings).profit, goals[i]) << "at " << text;
            }

            // Both ways of working out the amount are met: with the commission at its rate, and
            // with the minimum paid instead.
            const double minimum = settings.fullCost->minimumCommission;
            const double commission = atPrice.costs.at(0).second;
            minimumPaid += minimum > 0 && commission == RoundToDecimals(minimum, 2) ? 1 : 0;
        }
    }
    EXPECT_GT(minimumPaid, kTrades / 10);
    EXPECT_LT(minimumPaid, 2 * kTrades - kTrades / 10);
}

} // namespace
} // namespace pelmora::test
