// What an order costs: the one costing every part of the program goes through.
#include "calc/OrderCosting.h"

#include "calc/CalcSettings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pelmora::test {
namespace {

using namespace std::chrono;

Decimal exact(const char* text) {
    return *Decimal::fromText(text);
}

// The costs as "commission 5.00 transfer 0.05", to compare at a glance.
std::string listed(const CostedOrder& order) {
    constexpr const char* kNames[] = {"commission", "stamp", "transfer", "exchange"};
    std::string list;
    for (const CostItem& item : order.costs) {
        list += std::string(list.empty() ? "" : " ") + kNames[static_cast<int>(item.cost)] + " " +
                item.amount.fixedText(2);
    }
    return list;
}

const TradeDate kToday = 2026y / December / 9d;

OrderTerms terms(const char* rate, FullCost costs = {}, TradeDate date = kToday) {
    return *orderTermsOf(costs, exact(rate), date);
}

const FullCost kFund{.exchangeFees = true, .kind = SecurityKind::Fund};
const FullCost kWithExchangeFees{.exchangeFees = true};

struct OrderCase {
    const char* name;
    OrderTerms terms;
    Side side;
    const char* amount;
    const char* costs;
    const char* total;
};

// clang-format off
const OrderCase kOrders[] = {
    {"CommissionAboveTheMinimum", terms("0.4"), Side::Sell, "6000", "commission 24.00 stamp 3.00 transfer 0.06", "27.06"},
    {"RateOfZeroPaysTheMinimum", terms("0"), Side::Buy, "10000", "commission 5.00 transfer 0.10", "5.10"},
    {"NothingBoughtPaysNothing", terms("0.3"), Side::Buy, "0", "commission 0.00 transfer 0.00", "0.00"},
    // A negative amount, as the main window allows: the commission's minimum, levies below 0.
    {"NegativeAmount", terms("0.3"), Side::Buy, "-1000", "commission 5.00 transfer -0.01", "4.99"},
    {"BuyWithoutMinimum", terms("0.025", FullCost{.minimumCommission = 0}), Side::Buy, "1000", "commission 0.25 transfer 0.01", "0.26"},
    // 1.234 → 5, exchange fees 0.4936 → 0.49; a fund pays no stamp duty or transfer fee.
    {"FundSale", terms("0.01", kFund), Side::Sell, "12340", "commission 5.00 exchange 0.49", "5.49"},
    // The stamp duty 1.005 is half a fen exactly: it rounds up.
    {"HalfAFenRoundsAwayFromZero", terms("0.025"), Side::Sell, "2010", "commission 5.00 stamp 1.01 transfer 0.02", "6.03"},
    // Dated trades: each levy at the rate of its day, where the settings' rates are later ones.
    {"StampDutyBeforeItsCut", terms("0.025", {}, 2023y / August / 27d), Side::Sell, "100000", "commission 25.00 stamp 100.00 transfer 1.00", "126.00"},
    {"StampDutyFromItsCut", terms("0.025", {}, 2023y / August / 28d), Side::Sell, "100000", "commission 25.00 stamp 50.00 transfer 1.00", "76.00"},
    {"TransferFeeBeforeItsCut", terms("0.025", {}, 2022y / April / 28d), Side::Buy, "100000", "commission 25.00 transfer 2.00", "27.00"},
    {"TransferFeeFromItsCut", terms("0.025", {}, 2022y / April / 29d), Side::Buy, "100000", "commission 25.00 transfer 1.00", "26.00"},
    {"ExchangeFeesBeforeTheirCut", terms("0.025", kWithExchangeFees, 2023y / August / 27d), Side::Buy, "100000", "commission 25.00 transfer 1.00 exchange 6.87", "32.87"},
    {"ExchangeFeesFromTheirCut", terms("0.025", kWithExchangeFees, 2023y / August / 28d), Side::Buy, "100000", "commission 25.00 transfer 1.00 exchange 5.41", "31.41"},
};
// clang-format on

class Orders : public testing::TestWithParam<OrderCase> {};

TEST_P(Orders, ChargeEachCostToTheFenAndTheirSum) {
    const OrderCase& c = GetParam();
    const auto order = costOrder(c.terms, c.side, exact(c.amount));
    ASSERT_TRUE(std::holds_alternative<CostedOrder>(order));
    EXPECT_EQ(listed(std::get<CostedOrder>(order)), c.costs);
    EXPECT_EQ(std::get<CostedOrder>(order).total.fixedText(2), c.total);
}

INSTANTIATE_TEST_SUITE_P(Costing, Orders, testing::ValuesIn(kOrders),
                         [](const auto& p) { return std::string(p.param.name); });

struct StopCase {
    const char* name;
    OrderTerms terms;
    const char* amount;
    CostingFailure failure;
};

// clang-format off
const StopCase kStops[] = {
    {"BeforeTheTableOfRates", terms("0.3", {}, 2015y / July / 31d), "1000", {CostingStop::NoRatesOnDate}},
    {"RateTooFine", terms("1e-36"), "1000", {CostingStop::RateFault, ExactFault::TooManyDecimals}},
    {"CommissionTooLarge", terms("500"), "9e37", {CostingStop::CommissionFault, ExactFault::TooLarge}},
    // The rate is a setting: only the amount is to blame.
    {"LevyTooLarge", terms("0", FullCost{.transferFeePercent = 500}), "9e37", {CostingStop::LevyFault, ExactFault::TooLarge}},
};
// clang-format on

class Stops : public testing::TestWithParam<StopCase> {};

TEST_P(Stops, SayWhatCouldNotBeCosted) {
    const StopCase& c = GetParam();
    EXPECT_EQ(costOrder(c.terms, Side::Buy, exact(c.amount)),
              (std::variant<CostedOrder, CostingFailure>(c.failure)));
}

INSTANTIATE_TEST_SUITE_P(Costing, Stops, testing::ValuesIn(kStops),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace pelmora::test
