// In the full-cost mode the break-even and target prices count every cost of the sale, its
// minimum included, and leave out only the rounding of each cost to the fen. So for any trade,
// selling at the price as shown (Label3's or Label4's text typed into jc) makes a profit within
// one fen per cost of the goal; the price rounded up to the exchange's step reaches the goal,
// and one step lower does not go beyond it.
#include "calc/Calculations.h"
#include "calc/TradeFields.h"
#include "numbers/DecimalRounding.h"
#include "numbers/NumberText.h"
#include "tests/calc/CalcTestSupport.h"

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
        FullCost costs;
        const int minimum = std::uniform_int_distribution(0, 2)(m_random);
        costs.minimumCommission = minimum == 0 ? 0.0 : minimum == 1 ? 5.0 : number(0, 20, 2);
        costs.stampDutyPercent = number(0, 0.2, 3);
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
        fields.setText(FieldId::scl, decimal(0, 0.3, 4));
        EXPECT_TRUE(calculateBuySide(fields, settings).ok());
        const double invested = ToNumber(fields.text(FieldId::yrz)).value();
        fields.setText(FieldId::Text1, decimal(-invested / 2, invested, 2));
        fields.setText(FieldId::jc, fields.text(FieldId::jrp));
        return fields;
    }

private:
    double number(double low, double high, int decimals) {
        return ToNumber(decimal(low, high, decimals)).value();
    }

    std::mt19937_64 m_random{20240612};
};

TEST(FullCostSellPrices, ReachTheirGoalWithinAFenPerCost) {
    RandomTrades random;
    int minimumPaid = 0;
    constexpr int kTrades = 4000;
    for (int trade = 0; trade < kTrades; ++trade) {
        const CalcSettings settings = random.settings();
        MemoryTradeFields fields = random.bought(settings);
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

            const Sale atStep = sellAt(fields, ToText(onTheStep[i].price), settings);
            ASSERT_GE(atStep.profit, goals[i] - atStep.tolerance);
            const double lower = onTheStep[i].price - onTheStep[i].step;
            const Sale belowStep = sellAt(fields, ToText(lower), settings);
            ASSERT_LE(belowStep.profit, goals[i] + belowStep.tolerance);

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
