// What an order costs, from its amount alone.
#include "calc/OrderCosts.h"

#include "tests/calc/CalcTestSupport.h"

#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

using Costs = std::vector<std::pair<Cost, double>>;

struct OrderCase {
    const char* name;
    std::optional<FullCost> settings;
    Side side;
    double rate;
    double amount;
    Costs costs;
    std::vector<Levy> levies;
    const char* total;
};

const FullCost kFund{.exchangeFees = true, .product = Product::Fund};

// clang-format off
const OrderCase kOrders[] = {
    {"CommissionAboveTheMinimum", std::nullopt, Side::Sell, 0.4, 6000, {{Cost::Commission, 24}}, {}, "24"},
    {"CommissionRaisedToTheMinimum", std::nullopt, Side::Sell, 0.3, 1000, {{Cost::Commission, 5}}, {}, "5"},
    // 0.25 stays 0.25 without a minimum; 1000 × 0.001 % = 0.01.
    {"BuyWithoutMinimum", FullCost{.minimumCommission = 0}, Side::Buy, 0.025, 1000,
     {{Cost::Commission, 0.25}, {Cost::TransferFee, 0.01}}, {{Cost::TransferFee, 0.001}}, "0.26"},
    // 1.234 → 5, exchange fees 0.4936 → 0.49; a fund pays no stamp duty or transfer fee.
    {"FundSale", kFund, Side::Sell, 0.01, 12340,
     {{Cost::Commission, 5}, {Cost::ExchangeFees, 0.49}}, {{Cost::ExchangeFees, 0.004}}, "5.49"},
    // The stamp duty 1.005 lies just below it in binary; on its text it rounds up to 1.01.
    {"HalfAFenRoundsAwayFromZero", FullCost{}, Side::Sell, 0.025, 2010,
     {{Cost::Commission, 5}, {Cost::StampDuty, 1.01}, {Cost::TransferFee, 0.02}},
     {{Cost::StampDuty, 0.05}, {Cost::TransferFee, 0.001}}, "6.03"},
};
// clang-format on

class OrderCostsOverAmounts : public testing::TestWithParam<OrderCase> {};

TEST_P(OrderCostsOverAmounts, ChargesEachCostAndTheirSum) {
    const OrderCase& c = GetParam();
    const OrderCostsResult result = orderCosts(c.settings, c.side, c.rate, c.amount);
    ASSERT_TRUE(std::holds_alternative<OrderCosts>(result));
    const auto& order = std::get<OrderCosts>(result);
    EXPECT_EQ(order.costs, c.costs);
    EXPECT_EQ(order.levies, c.levies);
    EXPECT_EQ(ToText(order.total), c.total);
}

INSTANTIATE_TEST_SUITE_P(Orders, OrderCostsOverAmounts, testing::ValuesIn(kOrders),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(OrderCostsOverAmounts, NameTheFiguresBehindAFault) {
    const FullCost halfTheAmount{.transferFeePercent = 50};
    EXPECT_EQ(
        orderCosts(std::nullopt, Side::Buy, 1E+10, 1E+300),
        OrderCostsResult(OrderCostFault{ArithmeticFault::Overflow, CostOperands::RateAndAmount}));
    EXPECT_EQ(orderCosts(halfTheAmount, Side::Buy, 0, 1E+307),
              OrderCostsResult(OrderCostFault{ArithmeticFault::Overflow, CostOperands::Amount}));
}

} // namespace
} // namespace pelmora::test
