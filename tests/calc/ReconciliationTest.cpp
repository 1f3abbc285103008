// A statement's orders beside the program's own costs of them: the differences of a fen or more
// marked, and added up per year and cost, the kinds of default fees apart.
#include "calc/Reconciliation.h"

#include "tests/calc/StatementRows.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace pelmora::test {
namespace {

constexpr std::array kCostNames = {"commission", "stamp duty", "transfer fee", "exchange fees"};

// 0.025 % on both sides, a minimum of 5, the levies of today and no exchange fees on top.
const JournalCommission kCommission{Decimal::ofUnits(25, 3),
                                    Decimal::ofUnits(25, 3),
                                    Decimal::whole(5),
                                    {Decimal::ofUnits(5, 2), Decimal::ofUnits(1, 3), false}};

// The costs that are not 0, as "commission 0.10 transfer fee 0.01", with a sign if asked.
std::string listed(const TradeCosts& costs, const std::array<bool, 4>& shown, bool signs) {
    std::string text;
    for (const Cost cost : kAllCosts) {
        const Decimal& value = costs.of(cost);
        if (shown.at(static_cast<std::size_t>(cost)) && value.sign() != 0) {
            text += std::string(text.empty() ? "" : " ") + kCostNames.at(static_cast<int>(cost)) +
                    (signs && value.sign() > 0 ? " +" : " ") + value.fixedText(2);
        }
    }
    return text.empty() ? "-" : text;
}

std::string marksOf(const ReconciledOrder& order) {
    const auto* check = std::get_if<CostCheck>(&order.check);
    return check ? listed(check->difference, check->marked, true) : "no rates";
}

std::string listed(const Discrepancy& discrepancy) {
    constexpr std::array kEvery = {true, true, true, true};
    return "more " + listed(discrepancy.more, kEvery, false) + ", less " +
           listed(discrepancy.less, kEvery, false);
}

struct MarkCase {
    const char* name;
    std::vector<Row> rows;
    const char* marks; // each order's, joined by " | "
};

const Side B = Side::Buy;
const Side S = Side::Sell;

// On 100000 the program charges 25.00 commission, 1.00 transfer fee and on a sale 50.00 stamp
// duty.
// clang-format off
const MarkCase kMarks[] = {
    {"AsRecosted", {{"2024-03-04", B, "100000", {"25.00", "0", "1.00", "0"}}}, "-"},
    {"AFenMore", {{"2024-03-04", B, "100000", {"25.01", "0", "1.00", "0"}}}, "commission +0.01"},
    {"AFenLess", {{"2024-03-04", S, "100000", {"25.00", "49.99", "1.00", "0"}}}, "stamp duty -0.01"},
    {"UnderAFen", {{"2024-03-04", B, "100000", {"25.004", "0", "0.996", "0"}}}, "-"},
    {"FeesOnTopNotSet", {{"2024-03-04", B, "100000", {"25.00", "0", "1.00", "5.41"}}}, "exchange fees +5.41"},
    // The minimum is the order's, charged once, not each fill's.
    {"FillsOfOneOrder", {{"2024-03-04", B, "3000", {"5.00", "0", "0.03", "0"}, "A1"}, {"2024-03-04", B, "3000", {"0", "0", "0.03", "0"}, "A1"}}, "-"},
    {"FillsWithoutContract", {{"2024-03-04", B, "3000", {"5.00", "0", "0.03", "0"}}, {"2024-03-04", B, "3000", {"0", "0", "0.03", "0"}}}, "- | commission -5.00"},
    {"ContractOfTwoSides", {{"2024-03-04", B, "3000", {"5.00", "0", "0.03", "0"}, "A1"}, {"2024-03-04", S, "3000", {"5.00", "1.50", "0.03", "0"}, "A1"}}, "- | -"},
    {"BeforeTheRates", {{"2015-07-01", B, "100000", {"25.00", "0", "1.00", "0"}}}, "no rates"},
};
// clang-format on

void PrintTo(const MarkCase& c, std::ostream* os) {
    *os << c.name;
}

class Marks : public testing::TestWithParam<MarkCase> {};

TEST_P(Marks, AreTheDifferencesOfAFenOrMore) {
    const auto result = reconcile(statementOrders(GetParam().rows), kCommission);
    ASSERT_TRUE(std::holds_alternative<Reconciliation>(result));
    std::string marks;
    for (const ReconciledOrder& order : std::get<Reconciliation>(result).orders) {
        marks += (marks.empty() ? "" : " | ") + marksOf(order);
    }
    EXPECT_EQ(marks, GetParam().marks);
}

INSTANTIATE_TEST_SUITE_P(Statements, Marks, testing::ValuesIn(kMarks),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(YearTotals, AddTheMarkedDifferencesWithDefaultFeesApart) {
    // clang-format off
    const std::vector<Row> rows = {
        {"2023-05-04", B, "100000", {"25.10", "0", "1.00", "0"}},
        {"2023-09-01", S, "100000", {"25.00", "50.00", "0.99", "0"}},
        {"2023-10-09", B, "100000", {"24.00", "0", "1.004", "0"}},
        {"2024-01-05", B, "100000", {"26.00", "0", "1.00", "0"}},
        {"2024-01-05", B, "100000", {"1.00", "0", "0", "0"}, nullptr, SecurityKind::ConvertibleBond},
    };
    // clang-format on
    const auto result = std::get<Reconciliation>(reconcile(statementOrders(rows), kCommission));
    ASSERT_EQ(result.years.size(), 2U);
    EXPECT_EQ(result.years[0].year, std::chrono::year(2023));
    EXPECT_EQ(listed(result.years[0].counted),
              "more commission 0.10, less commission 1.00 transfer fee 0.01");
    EXPECT_EQ(listed(result.years[0].atDefaultFees), "more -, less -");
    EXPECT_EQ(listed(result.years[1].counted), "more commission 1.00, less -");
    EXPECT_EQ(listed(result.years[1].atDefaultFees), "more -, less commission 24.00");
    EXPECT_TRUE(result.orders.back().defaultFees);
}

} // namespace
} // namespace pelmora::test
