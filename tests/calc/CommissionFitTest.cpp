// The commission a broker applies, worked out from its statement's orders: the rate, the
// minimum, the dated periods and how the exchange's fees are charged.
#include "calc/CommissionFit.h"

#include "tests/calc/StatementRows.h"

#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace pelmora::test {
namespace {

constexpr std::array kModes = {"?", "included", "on top"};

// A period as "2024-01-02 buy 0.025 min 5 included", a dash for what is not determined.
std::string summary(const FittedPeriod& period) {
    std::string text = dateText(period.from) + (period.side == Side::Buy ? " buy " : " sell ");
    if (!period.fit) {
        return text + "unexplained";
    }
    const FittedCommission& fit = *period.fit;
    return text + (fit.percent ? shortText(*fit.percent) : "-") + " min " +
           (fit.minimum ? shortText(*fit.minimum) : "-") + " " +
           kModes.at(static_cast<std::size_t>(fit.exchangeFees));
}

int perTenThousandDecimals(const Decimal& percent) {
    return std::max(detail::decimalsOf(percent) - 2, 0);
}

struct FitCase {
    const char* name;
    std::vector<Row> rows;
    std::vector<std::string> periods;
};

const Side B = Side::Buy;
const Side S = Side::Sell;

// The exchange's fees of 2024 are 0.00541 %: 5.41 on 100000.
// clang-format off
const FitCase kFits[] = {
    // Two orders of different amounts charged 5.00 fit no one rate: 5 is the minimum.
    {"OneRateWithMinimum", {{"2024-01-02", B, "10000", {"5.00", "0", "0.10", "0"}}, {"2024-01-03", B, "8000", {"5.00", "0", "0.08", "0"}},
                            {"2024-01-04", B, "100000", {"25.00", "0", "1.00", "0"}}, {"2024-01-05", B, "53000", {"13.25", "0", "0.53", "0"}}},
        {"2024-01-02 buy 0.025 min 5 included"}},
    {"RateChangedOnADate", {{"2023-05-04", B, "100000", {"30.00", "0", "1.00", "0"}}, {"2023-06-01", B, "50000", {"15.00", "0", "0.50", "0"}},
                            {"2023-07-03", B, "100000", {"20.00", "0", "1.00", "0"}}, {"2023-08-01", B, "60000", {"12.00", "0", "0.60", "0"}}},
        {"2023-05-04 buy 0.03 min - included", "2023-07-03 buy 0.02 min - included"}},
    // The fees of 80 round to 0.00: their empty column tells nothing.
    {"FeesOnTop", {{"2024-02-01", S, "100000", {"25.00", "50.00", "1.00", "5.41"}}, {"2024-02-02", S, "40000", {"10.00", "20.00", "0.40", "2.16"}},
                   {"2024-02-05", S, "80", {"0.02", "0.04", "0", "0"}}},
        {"2024-02-01 sell 0.025 min - on top"}},
    {"FeesChangedToOnTop", {{"2024-07-01", B, "100000", {"25.00", "0", "1.00", "0"}}, {"2024-07-02", B, "100000", {"25.00", "0", "1.00", "5.41"}}},
        {"2024-07-01 buy 0.025 min - included", "2024-07-02 buy 0.025 min - on top"}},
    // 0.05 on 200 says 2.25 ‱ to 2.75 ‱: 2.3 ‱ to 2.7 ‱ have as few decimals.
    {"WideIntervalTakesItsMiddle", {{"2024-06-03", B, "200", {"0.05", "0", "0", "0"}}}, {"2024-06-03 buy 0.025 min - included"}},
    // The minimum is charged once on the order's first fill; apart, the second fill's 0 would
    // fit no rate beside the others.
    {"FillsOfOneOrder", {{"2024-03-01", B, "3000", {"5.00", "0", "0.03", "0"}, "A1"}, {"2024-03-01", B, "3000", {"0", "0", "0.03", "0"}, "A1"},
                         {"2024-03-04", B, "4000", {"5.00", "0", "0.04", "0"}}, {"2024-03-05", B, "100000", {"25.00", "0", "1.00", "0"}}},
        {"2024-03-01 buy 0.025 min 5 included"}},
    {"EveryOrderAtTheMinimum", {{"2024-04-01", B, "10000", {"5.00", "0", "0.10", "0"}}, {"2024-04-02", B, "12000", {"5.00", "0", "0.12", "0"}}},
        {"2024-04-01 buy - min 5 included"}},
    {"DayOfTwoRates", {{"2024-05-06", B, "100000", {"25.00", "0", "1.00", "0"}}, {"2024-05-06", B, "100000", {"30.00", "0", "1.00", "0"}},
                       {"2024-05-07", B, "100000", {"25.00", "0", "1.00", "0"}}},
        {"2024-05-06 buy unexplained", "2024-05-07 buy 0.025 min - included"}},
};
// clang-format on

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class Fits : public testing::TestWithParam<FitCase> {};

TEST_P(Fits, GiveTheFewestPeriodsEachWithItsRoundestRate) {
    const auto fitted = fitCommission(statementOrders(GetParam().rows));
    ASSERT_TRUE(std::holds_alternative<std::vector<FittedPeriod>>(fitted));
    std::vector<std::string> periods;
    for (const FittedPeriod& period : std::get<std::vector<FittedPeriod>>(fitted)) {
        periods.push_back(summary(period));
    }
    EXPECT_EQ(periods, GetParam().periods);
}

INSTANTIATE_TEST_SUITE_P(Statements, Fits, testing::ValuesIn(kFits),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(TakingAFit, SetsItsSideRateMinimumAndExchangeFees) {
    const auto fitted = fitCommission(statementOrders(kFits[0].rows));
    const auto& period = std::get<std::vector<FittedPeriod>>(fitted).at(0);
    const Decimal old = Decimal::ofUnits(3, 2);
    const JournalCommission taken = withFit({old, old, Decimal(), {{}, {}, true}}, period);
    EXPECT_EQ(taken, (JournalCommission{Decimal::ofUnits(25, 3), old, Decimal::whole(5), {}}));
}

// Orders costed by the program's own costing at a random rate and minimum, some small enough to
// pay the minimum: the fit's interval holds the rate, its minimum is the one charged, and its
// rate is written in no more decimals than the true one.
TEST(RandomStatements, FitTheRateAndMinimumTheyWereCostedAt) {
    std::mt19937 random(20261210);
    const auto uniform = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    for (int trial = 0; trial < 300; ++trial) {
        const Decimal percent = Decimal::ofUnits(uniform(5, 300), static_cast<int>(uniform(3, 5)));
        const Decimal minimum = Decimal::ofUnits(uniform(10, 2000), kFenDecimals);
        const OrderTerms terms{
            percent, minimum, {}, SecurityKind::MainBoard, *readDate("2024-06-03")};
        // Amounts, in fen, at which the rate gives at most half the minimum, and at least twice.
        const std::int64_t atMinimum =
            *minimum.times(Decimal::whole(5000))->dividedBy(percent, 0, Rounding::Down)->toWhole();
        std::vector<ChargedOrder> orders;
        for (int i = 0; i < 12; ++i) {
            const std::int64_t fen = i < 3 ? uniform(100, std::max<std::int64_t>(atMinimum, 100))
                                           : uniform(4 * atMinimum, 400 * atMinimum);
            ChargedOrder& order = orders.emplace_back();
            order.date = std::chrono::sys_days(terms.date) + std::chrono::days(i);
            order.amount = Decimal::ofUnits(fen, kFenDecimals);
            order.charged = TradeCosts::of(
                std::get<CostedOrder>(costOrder(terms, Side::Buy, order.amount)).costs);
        }
        const auto fitted = fitCommission(orders);
        const auto& periods = std::get<std::vector<FittedPeriod>>(fitted);
        ASSERT_EQ(periods.size(), 1U) << trial;
        ASSERT_TRUE(periods[0].fit && periods[0].fit->percent) << trial;
        const FittedCommission& fit = *periods[0].fit;
        EXPECT_EQ(fit.rate.contains(percent), true) << trial << " " << shortText(percent);
        EXPECT_EQ(fit.minimum, minimum) << trial;
        EXPECT_LE(perTenThousandDecimals(*fit.percent), perTenThousandDecimals(percent)) << trial;
    }
}

} // namespace
} // namespace pelmora::test
