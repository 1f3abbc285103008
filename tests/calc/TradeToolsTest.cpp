// The trade tools' figures, each row worked out by hand in its comment. Unless a row says
// otherwise: srl 0.3, scl 0.4, the usual costs (minimum 5, stamp duty 0.05 % on sales, transfer
// fee 0.001 % both sides), shares.
#include "calc/TradeTools.h"

#include "calc/Calculations.h"
#include "calc/TradeFields.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace pelmora {

inline void PrintTo(const Decimal& value, std::ostream* os) {
    *os << value.fixedText(6);
}

namespace test {
namespace {

// A figure as shown, "" for none.
std::string shown(const std::optional<Decimal>& value, int decimals) {
    return value ? value->fixedText(decimals) : "";
}

// A solved price as shown, or why its box stays empty: "above", "below", "tries"; "" when it was
// not asked for.
std::string shown(const std::optional<SolvedPrice>& solved, int decimals) {
    if (!solved) {
        return "";
    }
    switch (solved->end) {
    case SearchEnd::Found:
        return shown(solved->price, decimals);
    case SearchEnd::AboveHighest:
        return "above";
    case SearchEnd::BelowLowest:
        return "below";
    case SearchEnd::TooManyTries:
        return "tries";
    case SearchEnd::BeyondExact:
        break;
    }
    return "beyond";
}

template <class Outcome> std::optional<ToolFailure> failureOf(const Outcome& outcome) {
    const auto* failure = std::get_if<ToolFailure>(&outcome);
    return failure ? std::optional(*failure) : std::nullopt;
}

ToolCosting costing(const char* buyRate = "0.3", const char* sellRate = "0.4",
                    FullCost costs = {}) {
    return {costs, buyRate, sellRate, false};
}

const FullCost kNoMinimum{.minimumCommission = 0};
const FullCost kFund{.exchangeFees = true, .kind = SecurityKind::Fund};
const FullCost kFreeFund{.minimumCommission = 0, .kind = SecurityKind::Fund};

struct RoundTripCase {
    const char* name;
    RoundTripInput input;
    ToolCosting costing;
    const char* profit;
    const char* costs;
    const char* breakEvenSell;
    const char* breakEvenBuyBack;
    std::optional<ToolFailure> failure;
};

// clang-format off
const RoundTripCase kRoundTrips[] = {
    // Buy 4975: commission 14.925 → 14.93, transfer 0.04975 → 0.05 = 14.98. Sell 5100: 20.40,
    // stamp 2.55, transfer 0.051 → 0.05 = 23.00. 5100 − 23 − 4975 − 14.98 = 87.02.
    // At 10.02: 5010 − (20.04 + 2.505 → 2.51 + 0.05) − 4989.98 = −2.58; at 10.03: +2.41.
    // Back at 10.12: 5077 − 5060 − 15.18 − 0.05 = 1.77; at 10.13: 5077 − 5065 − 15.20 − 0.05 < 0.
    {"WorkedExample", {"500", "9.95", "10.20", "0"}, costing(), "87.02", "37.98", "10.03", "10.12", {}},
    // Both minimums bind: buy 1000 → 5 + 0.01; sell 1050 → 5 + 0.525 → 0.53 + 0.01.
    // 1050 − 5.54 − 1000 − 5.01 = 39.45. At 10.11: 1011 − 5 − 0.51 − 0.01 − 1005.01 = 0.47, at
    // 10.10 −0.53. Back: 1044.46 − 100·B − 5.01 ≥ 0 up to 10.39.
    {"BothMinimumsBind", {"100", "10", "10.50", "0"}, costing(), "39.45", "10.55", "10.11", "10.39", {}},
    // No minimum, 0.025 % both ways: buy 0.25 + 0.01; sell 0.2625 → 0.26, 0.525 → 0.53, 0.01.
    // 1050 − 0.80 − 1000 − 0.26 = 48.94. At 10.01: 1001 − 0.76 − 1000.26 = −0.02; at 10.02: 0.98.
    // Back at 10.48: 1049.20 − 1048 − 0.26 − 0.01 = 0.93; at 10.49: −0.07.
    {"NoMinimum", {"100", "10", "10.50", "0"}, costing("0.025", "0.025", kNoMinimum), "48.94", "1.06", "10.02", "10.48", {}},
    // A fund with the exchange fees (0.004 %): buy 12340 → 37.02 + 0.4936 → 0.49; sell 12500 →
    // 50 + 0.50. 12500 − 50.50 − 12340 − 37.51 = 71.99. At 1.243: 12430 − 49.72 − 0.50 − 12377.51
    // = 2.27, at 1.242: −7.69. Back at 1.241: 12449.50 − 12410 − 37.23 − 0.50 = 1.77; at 1.242 < 0.
    {"FundOnTheFinerStep", {"10000", "1.234", "1.250", "0"}, costing("0.3", "0.4", kFund), "71.99", "88.01", "1.243", "1.241", {}},
    // One share, no minimum, srl 0, scl 0.05: at 9.99 the commission and the stamp duty are
    // 0.004995 → 0, at 10.00 both 0.005 → 0.01. Goal 0.49: 9.99 − 9.50 = 0.49 reaches it, 10.00
    // − 0.02 − 9.50 = 0.48 does not: the least price is 9.99 though one step up fails again.
    // Back from 10.00: 9.98 − 9.49 = 0.49.
    {"AStepAboveFailsAgain", {"1", "9.50", "10.00", "0.49"}, costing("0", "0.05", kNoMinimum), "0.48", "0.02", "9.99", "9.49", {}},
    // A fund with no costs at all: 5 × 1.001 − 5 = 0.005, shown 0.01, reaches a goal of 0.01
    // although its exact value does not. Back from 1.001: 5.005 − 5 = 0.005 shows 0.01 too.
    {"HalfAFenShowsTheGoal", {"5", "1", "1.001", "0.01"}, costing("0", "0", kFreeFund), "0.01", "0.00", "1.001", "1.000", {}},
    // Only a sell price: the buy-back price 10.12 is solved and the figures are at it:
    // 5077 − 5060 − 15.23 = 1.77, costs 23.00 + 15.23.
    {"OnlyASellPrice", {"500", "", "10.20", "0"}, costing(), "1.77", "38.23", "", "10.12", {}},
    // Only a buy price: at 10.03, 5015 − (20.06 + 2.5075 → 2.51 + 0.05) − 4989.98 = 2.40.
    {"OnlyABuyPrice", {"500", "9.95", "", "0"}, costing(), "2.40", "37.60", "10.03", "", {}},
    {"PartOfAShare", {"1.5", "9.95", "10.20", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripQuantity, ToolProblem::NotWholePositive, "1.5"}},
    {"NoQuantity", {"", "9.95", "10.20", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripQuantity, ToolProblem::Unreadable, ""}},
    {"NoPriceAtAll", {"500", "", "", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripBuyPrice, ToolProblem::NoPrice, ""}},
    {"FreePrice", {"500", "0", "10.20", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripBuyPrice, ToolProblem::PriceNotPositive, "0"}},
    {"NegativeBuyRate", {"500", "9.95", "10.20", "0"}, costing("-0.1"), "", "", "", "", ToolFailure{ToolField::BuyRate, ToolProblem::NegativeRate, "-0.1"}},
    {"SellRatesTakeAll", {"500", "9.95", "10.20", "0"}, costing("0.3", "99.95"), "", "", "", "", ToolFailure{ToolField::SellRate, ToolProblem::RatesTakeAll, "99.95"}},
    // One share cannot earn 10 million at any price up to 10 million.
    {"GoalOutOfReach", {"1", "9.95", "", "10000000"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripGoal, ToolProblem::AboveHighest, "10000000"}},
    {"ProfitTooLargeToHold", {"1e30", "1e10", "", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripQuantity, ToolProblem::Overflow, "1e30"}},
    // A buy-back after a sale at 10^15 is worth any price the scan looks at: not an answer.
    {"BuyBackAboveTheHighestPrice", {"500", "9.95", "1e15", "0"}, costing(), "497744999999995010.02", "2255000000000014.98", "10.03", "above", {}},
    // No buy-back price earns 6000 after selling at 10.20; the rest of the figures still show.
    {"BuyBackOutOfReach", {"500", "9.95", "10.20", "6000"}, costing(), "87.02", "37.98", "22.08", "below", {}},
    // A figure too large is the box behind it, not the quantity.
    {"BuyPriceOverflows", {"500", "1e37", "10.20", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripBuyPrice, ToolProblem::Overflow, "1e37"}},
    {"SellPriceOverflows", {"500", "9.95", "1e37", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripSellPrice, ToolProblem::Overflow, "1e37"}},
    {"GoalOverflows", {"500", "9.95", "10.20", "1e37"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripGoal, ToolProblem::Overflow, "1e37"}},
    {"TinyPriceHasTooManyDecimals", {"500", "1e-36", "10.20", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripBuyPrice, ToolProblem::TooManyDecimals, "1e-36"}},
    {"TinyRateHasTooManyDecimals", {"500", "9.95", "10.20", "0"}, costing("1e-36"), "", "", "", "", ToolFailure{ToolField::BuyRate, ToolProblem::TooManyDecimals, "1e-36"}},
    {"TooLargeToRead", {"500", "1e38", "10.20", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripBuyPrice, ToolProblem::Unreadable, "1e38", Unreadable::TooLarge}},
    {"TinyIsNotTooLarge", {"500", "1e-40", "10.20", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripBuyPrice, ToolProblem::Unreadable, "1e-40", Unreadable::TooManyDecimals}},
    {"HugeNegativeExponent", {"500", ".1e-9223372036854775808", "10.20", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripBuyPrice, ToolProblem::Unreadable, ".1e-9223372036854775808", Unreadable::TooManyDecimals}},
    // Pasted from a spreadsheet or a web page.
    {"PastedQuantity", {"500\r\n", "\u00a09.95", "10.20\u200b", "0"}, costing(), "87.02", "37.98", "10.03", "10.12", {}},
    // Texts beyond the exact arithmetic say which of its limits they pass.
    {"PriceWithTooManyDecimals", {"500", "9.9500000000000000000000000000000000001", "10.20", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripBuyPrice, ToolProblem::Unreadable, "9.9500000000000000000000000000000000001", Unreadable::TooManyDecimals}},
    {"PriceWithTooManyDigits", {"500", "9.95", "1234567890123456789012345678901234567.89", "0"}, costing(), "", "", "", "", ToolFailure{ToolField::RoundTripSellPrice, ToolProblem::Unreadable, "1234567890123456789012345678901234567.89", Unreadable::TooManyDigits}},
};
// clang-format on

class RoundTripTable : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTable, WorksOutTheFigures) {
    const RoundTripCase& c = GetParam();
    const auto outcome = roundTrip(c.input, c.costing);
    ASSERT_EQ(failureOf(outcome), c.failure);
    if (c.failure) {
        return;
    }
    const auto& r = std::get<RoundTripResult>(outcome);
    EXPECT_EQ(r.profit.fixedText(2), c.profit);
    EXPECT_TRUE(r.offStep.empty());
    EXPECT_EQ(r.costs.fixedText(2), c.costs);
    EXPECT_EQ(r.buy.total.plus(r.sell.total), r.costs);
    EXPECT_EQ(shown(r.breakEvenSell, r.priceDecimals), c.breakEvenSell);
    EXPECT_EQ(shown(r.breakEvenBuyBack, r.priceDecimals), c.breakEvenBuyBack);
}

INSTANTIATE_TEST_SUITE_P(Tools, RoundTripTable, testing::ValuesIn(kRoundTrips),
                         [](const auto& p) { return std::string(p.param.name); });

struct AddCase {
    const char* name;
    AddPositionInput input;
    ToolCosting costing;
    std::int64_t quantity;
    const char* funds;
    const char* newCost;
    const char* fewer; // "{quantity} {cost}"
    std::optional<ToolFailure> failure;
};

// clang-format off
const AddCase kAdds[] = {
    // 800 at 8.50: 6800 + 20.40 + 0.068 → 0.07 = 6820.47; (5344.2 + 6820.47) / 1400 = 8.68905.
    // 700: 5950 + 17.85 + 0.06; 11312.11 / 1300 = 8.70162 → 8.702 > 8.70.
    {"WorkedExampleInHundreds", {"600", "8.907", "8.50", "8.70", purchaseLots(SecurityKind::MainBoard)}, costing(), 800, "6820.47", "8.689", "700 8.702", {}},
    // 709: 6026.5 + 18.0795 → 18.08 + 0.06 = 6044.64; 11388.84 / 1309 = 8.70041 → 8.700.
    // 708: 6018 + 18.05 + 0.06; 11380.31 / 1308 = 8.70054 → 8.701. Lots of 100 overshoot to 800.
    {"StarMarketSingleShares", {"600", "8.907", "8.50", "8.70", purchaseLots(SecurityKind::StarMarket)}, costing(), 709, "6044.64", "8.700", "708 8.701", {}},
    // 100 is the least: 900 + 5 + 0.009 → 0.01; 1905.01 / 200 = 9.52505 → 9.525; none fewer.
    {"LeastLotAlreadyEnough", {"100", "10", "9", "9.9", purchaseLots(SecurityKind::Beijing)}, costing(), 100, "905.01", "9.525", "", {}},
    // No costs at all: the cost is 9 + 10 / (100 + x). It shows 9.001 from x = 6567 (9.0014999),
    // while 6566 shows 9.0015002 → 9.002; exactly at most 9.001 it is only from x = 9900.
    {"ShownCostDecides", {"100", "9.1", "9", "9.001", purchaseLots(SecurityKind::Beijing)}, costing("0", "0", FullCost{.minimumCommission = 0, .transferFeePercent = 0}), 6567, "59103.00", "9.001", "6566 9.002", {}},
    // 50 × 1.00301 is 50.1505 exactly, the least cost that shows 50.151: only the rounding of the
    // transfer fee (0.0005 a share) can bring the cost below it. 202: 10100 + 30.30 + 0.101 →
    // 0.10, (50.151 + 10130.40) / 203 = 50.1504…; 201: 0.1005 → 0.10, 10130.401 / 202 = 50.1505.
    {"TieWithThePriceAndItsCosts", {"1", "50.151", "50", "50.15", purchaseLots(SecurityKind::StarMarket)}, costing(), 202, "10130.40", "50.150", "201 50.151", {}},
    // Lots of 100 always pay the transfer fee's exact 0.05 a lot: never below, and that is known
    // after one period of 20 lots rather than 100 million shares.
    {"TieThatLotsNeverBreak", {"1", "50.151", "50", "50.15", purchaseLots(SecurityKind::MainBoard)}, costing(), 0, "", "", "", ToolFailure{ToolField::AddTarget, ToolProblem::MoreThanMostShares, "50.15"}},
    // 8.51 is below 8.50 with its commission and transfer fee: no quantity gets there.
    {"TargetOutOfReach", {"600", "8.907", "8.50", "8.51", purchaseLots(SecurityKind::StarMarket)}, costing(), 0, "", "", "", ToolFailure{ToolField::AddTarget, ToolProblem::MoreThanMostShares, "8.51"}},
    {"CostOverflows", {"600", "1e37", "8.50", "8.70", purchaseLots(SecurityKind::MainBoard)}, costing(), 0, "", "", "", ToolFailure{ToolField::AddCost, ToolProblem::Overflow, "1e37"}},
    {"TargetAboveTheCost", {"600", "8.907", "8.50", "8.907", purchaseLots(SecurityKind::MainBoard)}, costing(), 0, "", "", "", ToolFailure{ToolField::AddTarget, ToolProblem::TargetNotBetween, "8.907"}},
    {"TargetBelowThePrice", {"600", "8.907", "8.50", "8.5", purchaseLots(SecurityKind::MainBoard)}, costing(), 0, "", "", "", ToolFailure{ToolField::AddTarget, ToolProblem::TargetNotBetween, "8.5"}},
    {"NoneHeld", {"0", "8.907", "8.50", "8.70", purchaseLots(SecurityKind::MainBoard)}, costing(), 0, "", "", "", ToolFailure{ToolField::AddHeld, ToolProblem::NotWholePositive, "0"}},
    {"UnreadableBuyRate", {"600", "8.907", "8.50", "8.70", purchaseLots(SecurityKind::MainBoard)}, costing("0.3%"), 0, "", "", "", ToolFailure{ToolField::BuyRate, ToolProblem::Unreadable, "0.3%"}},
};
// clang-format on

class AddPositionTable : public testing::TestWithParam<AddCase> {};

TEST_P(AddPositionTable, FindsTheLeastQuantity) {
    const AddCase& c = GetParam();
    const auto outcome = addPosition(c.input, c.costing);
    ASSERT_EQ(failureOf(outcome), c.failure);
    if (c.failure) {
        return;
    }
    const auto& r = std::get<AddPositionResult>(outcome);
    EXPECT_EQ(r.quantity, c.quantity);
    EXPECT_EQ(r.funds.fixedText(2), c.funds);
    EXPECT_EQ(r.newCost.fixedText(3), c.newCost);
    const std::string fewer =
        r.fewer ? std::to_string(r.fewer->quantity) + " " + r.fewer->cost.fixedText(3) : "";
    EXPECT_EQ(fewer, c.fewer);
}

INSTANTIATE_TEST_SUITE_P(Tools, AddPositionTable, testing::ValuesIn(kAdds),
                         [](const auto& p) { return std::string(p.param.name); });

struct ReduceCase {
    const char* name;
    ReducePositionInput input;
    ToolCosting costing;
    const char* realized;
    const char* remaining;
    const char* dilutedCost;
    const char* breakEven; // "已保本" when already covered
    std::optional<ToolFailure> failure;
};

// clang-format off
const ReduceCase kReduces[] = {
    // 5100 − 23.00 = 5077; 5077 − 4500 = 577; (9000 − 5077) / 500 = 7.846. At 7.89: 3945 −
    // (15.78 + 1.9725 → 1.97 + 0.04) = 3927.21 ≥ 3923; at 7.88: 3922.23 < 3923.
    {"WorkedExample", {"1000", "9", "500", "10.20"}, costing(), "577.00", "500", "7.846", "7.89", {}},
    // 6000 − (24 + 3 + 0.06) = 5972.94 covers 5000: (5000 − 5972.94) / 400 = −2.43235.
    {"CoveredWithANegativeCost", {"1000", "5", "600", "10"}, costing(), "2972.94", "400", "-2.432", "已保本", {}},
    // Selling all leaves nothing to spread a cost over.
    {"SellingAll", {"500", "9", "500", "10.20"}, costing(), "577.00", "0", "", "", {}},
    // A fund on its finer step: 12500 − 50 − 0.50 = 12449.50; 12449.50 − 6500 = 5949.50;
    // (13000 − 12449.50) / 10000 = 0.05505 → 0.055. The rest at p needs 550.50 after
    // max(40·p, 5) and 0.4·p: at 0.056, 560 − 5 − 0.02 = 554.98; at 0.055, 544.98.
    {"FundBreakEven", {"20000", "0.65", "10000", "1.25"}, costing("0.3", "0.4", kFund), "5949.50", "10000", "0.055", "0.056", {}},
    {"MoreThanHeld", {"500", "9", "600", "10.20"}, costing(), "", "", "", "", ToolFailure{ToolField::ReduceQuantity, ToolProblem::SellingMoreThanHeld, "600"}},
    {"NoneSold", {"500", "9", "0", "10.20"}, costing(), "", "", "", "", ToolFailure{ToolField::ReduceQuantity, ToolProblem::SellingNone, "0"}},
    {"PartOfAShareSold", {"500", "9", "100.5", "10.20"}, costing(), "", "", "", "", ToolFailure{ToolField::ReduceQuantity, ToolProblem::SellingPartOfShare, "100.5"}},
    // A sell rate that keeps a ten-millionth of a sale puts the rest's break-even near 511,490
    // yuan, tens of millions of steps above where the scan must start: not tried, and the other
    // figures show. The sale of 0.01 pays 0.00999… → 0.01 commission and nothing else.
    {"RatesKeepAlmostNothing", {"2", "0.01", "1", "0.01"}, costing("0.3", "99.948999", kNoMinimum), "-0.01", "1", "0.020", "tries", {}},
    {"CostOverflows", {"1000", "1e37", "500", "10.20"}, costing(), "", "", "", "", ToolFailure{ToolField::ReduceCost, ToolProblem::Overflow, "1e37"}},
    {"SellPriceOverflows", {"1000", "9", "500", "1e37"}, costing(), "", "", "", "", ToolFailure{ToolField::ReducePrice, ToolProblem::Overflow, "1e37"}},
    {"CommaWhereItIsTheDecimalPoint", {"500", "9", "100", "10,20"}, {FullCost{}, "0.3", "0.4", true}, "", "", "", "", ToolFailure{ToolField::ReducePrice, ToolProblem::Unreadable, "10,20", Unreadable::DecimalComma}},
};
// clang-format on

class ReducePositionTable : public testing::TestWithParam<ReduceCase> {};

TEST_P(ReducePositionTable, WorksOutWhatIsLeft) {
    const ReduceCase& c = GetParam();
    const auto outcome = reducePosition(c.input, c.costing);
    ASSERT_EQ(failureOf(outcome), c.failure);
    if (c.failure) {
        return;
    }
    const auto& r = std::get<ReducePositionResult>(outcome);
    EXPECT_EQ(r.realized.fixedText(2), c.realized);
    EXPECT_EQ(r.remaining.fixedText(0), c.remaining);
    EXPECT_EQ(shown(r.dilutedCost, 3), c.dilutedCost);
    EXPECT_EQ(r.alreadyCovered ? "已保本" : shown(r.breakEvenPrice, r.priceDecimals), c.breakEven);
}

INSTANTIATE_TEST_SUITE_P(Tools, ReducePositionTable, testing::ValuesIn(kReduces),
                         [](const auto& p) { return std::string(p.param.name); });

// The main window's holding, bought in the full-cost mode: 100000 at 8.88, 33300 at 8.51 and 1000
// at 7.77, whose cost per share 8.80642… the boxes show as 8.806.
Holding boughtInTheMainWindow() {
    MemoryTradeFields fields;
    const std::pair<FieldId, const char*> typed[] = {
        {FieldId::nr1, "100000"}, {FieldId::jr1, "8.88"}, {FieldId::nr2, "33300"},
        {FieldId::jr2, "8.51"},   {FieldId::nr3, "1000"}, {FieldId::jr3, "7.77"}};
    for (const auto& [field, text] : typed) {
        fields.setText(field, text);
    }
    CalcSettings settings;
    settings.fullCost = FullCost{};
    return *calculateBuySide(fields, settings).record.holding();
}

// The tools work with the holding's exact total cost, not with the 3 decimals its box shows:
// selling everything gives the main window's actual profit to the fen, and buying more reaches the
// target as the exact cost does.
TEST(HoldingFromTheMainWindow, CountsItsExactTotalCost) {
    const Holding holding = boughtInTheMainWindow();
    EXPECT_EQ(shown(costPerShare(holding), 3), "8.806");
    const auto sold =
        reducePosition({"134300", "8.806", "134300", "8.2", holding.totalCost}, costing());
    ASSERT_TRUE(std::holds_alternative<ReducePositionResult>(sold));
    EXPECT_EQ(std::get<ReducePositionResult>(sold).realized.fixedText(2), "-86408.93");
    const auto added = addPosition({"134300", "8.806", "8.50", "8.70",
                                    purchaseLots(SecurityKind::MainBoard), holding.totalCost},
                                   costing());
    ASSERT_TRUE(std::holds_alternative<AddPositionResult>(added));
    EXPECT_EQ(std::get<AddPositionResult>(added).quantity, 81400);
    EXPECT_EQ(shown(costPerShare({Decimal(), holding.totalCost}), 3), "");
}

// A price off the exchange's step is taken as typed, and said.
TEST(OffTheStep, PricesAreTakenAndSaid) {
    const auto trip = roundTrip({"500", "9.955", "10.20", "0"}, costing());
    ASSERT_TRUE(std::holds_alternative<RoundTripResult>(trip));
    EXPECT_EQ(std::get<RoundTripResult>(trip).offStep,
              std::vector<ToolField>{ToolField::RoundTripBuyPrice});
    const auto added = addPosition({"600", "8.907", "8.505", "8.70"}, costing());
    ASSERT_TRUE(std::holds_alternative<AddPositionResult>(added));
    EXPECT_TRUE(std::get<AddPositionResult>(added).priceOffStep);
    const auto sold = reducePosition({"1000", "9", "500", "10.201"}, costing());
    ASSERT_TRUE(std::holds_alternative<ReducePositionResult>(sold));
    EXPECT_TRUE(std::get<ReducePositionResult>(sold).priceOffStep);
}

} // namespace
} // namespace test
} // namespace pelmora
