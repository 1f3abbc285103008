#include "calc/Calculations.h"

#include "calc/TradeFields.h"
#include "tests/calc/CalcTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pelmora::test {
namespace {
using Texts = std::vector<std::pair<FieldId, std::string>>;
using Costs = std::vector<std::pair<Cost, double>>;
using Fees = std::vector<FeeBreakdown>;
using Prices = std::vector<PriceOnTheStep>;

void type(TradeFields& fields, const Texts& texts) {
    for (const auto& [field, text] : texts) {
        fields.setText(field, text);
    }
}

void expectTexts(const TradeFields& fields, const Texts& expected) {
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(fields.text(field), text) << fieldName(field);
    }
}

// A fresh window with typed inputs and the buy side pressed successfully.
MemoryTradeFields afterBuySide(const Texts& typed, const CalcSettings& settings = {}) {
    MemoryTradeFields fields;
    type(fields, typed);
    EXPECT_TRUE(calculateBuySide(fields, settings).ok());
    return fields;
}

// The fees of the four buy rows: those given, then rows that bought nothing and pay no cost.
Fees rowFees(const std::vector<Costs>& rows) {
    Fees fees;
    for (int row = 1; row <= kBuyRows; ++row) {
        const auto index = static_cast<std::size_t>(row - 1);
        fees.push_back({feeField(row), index < rows.size() ? rows[index] : Costs{}});
    }
    return fees;
}

const Texts kOneRow = {{FieldId::nr1, "600"}, {FieldId::jr1, "8.88"}};
const Texts kTwoRows = {
    {FieldId::nr1, "1000"}, {FieldId::jr1, "10"}, {FieldId::nr2, "1000"}, {FieldId::jr2, "12"}};

struct BuyCase {
    const char* name;
    Texts typed;
    Texts expected;
    CalcSettings settings{};
    Fees fees{}; // what the full-cost mode says each row's fee is made of
};

class BuySide : public testing::TestWithParam<BuyCase> {};

TEST_P(BuySide, FillsRowsAndTotals) {
    MemoryTradeFields fields;
    type(fields, GetParam().typed);
    const CalcOutcome outcome = calculateBuySide(fields, GetParam().settings);
    EXPECT_TRUE(outcome.ok());
    expectTexts(fields, GetParam().expected);
    EXPECT_EQ(outcome.fees, GetParam().fees);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BuySide,
    testing::Values(
        BuyCase{"WorkedExample",
                kOneRow,
                {{FieldId::yr1, "5328"},
                 {FieldId::sr1, "15.984"},
                 {FieldId::nr2, "0"},
                 {FieldId::jr2, "0"},
                 {FieldId::yr2, "0"},
                 {FieldId::sr2, "0"},
                 {FieldId::nr4, "0"},
                 {FieldId::jr4, "0"},
                 {FieldId::sr4, "0"},
                 {FieldId::nrz, "600"},
                 {FieldId::yrz, "5328"},
                 {FieldId::srz, "15.984"},
                 {FieldId::jrp, "8.88"}}},
        BuyCase{"TwoRows",
                kTwoRows,
                {{FieldId::sr1, "30"},
                 {FieldId::sr2, "36"},
                 {FieldId::nrz, "2000"},
                 {FieldId::yrz, "22000"},
                 {FieldId::srz, "66"},
                 {FieldId::jrp, "11"}}},
        BuyCase{"SmallFeeRaisedToMinimum",
                {{FieldId::nr1, "100"}, {FieldId::jr1, "1"}},
                {{FieldId::yr1, "100"}, {FieldId::sr1, "5"}, {FieldId::srz, "5"}}},
        BuyCase{"NegativeFeeRaisedToMinimum",
                {{FieldId::nr1, "-100"}, {FieldId::jr1, "10"}},
                {{FieldId::yr1, "-1000"}, {FieldId::sr1, "5"}, {FieldId::jrp, "10"}}},
        BuyCase{"EmptyPriceCostsNothing",
                {{FieldId::nr1, "600"}},
                {{FieldId::jr1, "0"}, {FieldId::yr1, "0"}, {FieldId::sr1, "0"}}},
        BuyCase{"PriceWithoutQuantityKeepsItsText",
                {{FieldId::nr1, "600"}, {FieldId::jr1, "8.88"}, {FieldId::jr3, "1..2"}},
                {{FieldId::jr3, "1..2"},
                 {FieldId::nr3, "0"},
                 {FieldId::yr3, "0"},
                 {FieldId::sr3, "0"},
                 {FieldId::nrz, "600"}}},
        BuyCase{"ZeroRateGivesZeroFee",
                {{FieldId::nr1, "600"}, {FieldId::jr1, "8.88"}, {FieldId::srl, "0"}},
                {{FieldId::sr1, "0"}, {FieldId::srz, "0"}}},
        // 0.1 * 3 is 0.30000000000000004; the total adds the shown "0.3" instead.
        BuyCase{"TotalsAddTheShownTexts",
                {{FieldId::nr1, "3"},
                 {FieldId::jr1, "0.1"},
                 {FieldId::nr2, "1"},
                 {FieldId::jr2, "0.6"},
                 {FieldId::srl, "0"}},
                {{FieldId::yr1, "0.3"}, {FieldId::yrz, "0.9"}, {FieldId::jrp, "0.225"}}},
        BuyCase{"FullWidthInput",
                {{FieldId::nr1, "６００"}, {FieldId::jr1, "８．８８"}},
                {{FieldId::nr1, "６００"}, {FieldId::yr1, "5328"}, {FieldId::jrp, "8.88"}}}),
    [](const auto& p) { return std::string(p.param.name); });

// A buy fee of the full-cost mode is the commission (raised to the minimum of 5, but 0 stays 0),
// the transfer fee of 0.001 % and, where ticked, the exchange fees of 0.00541 %, each rounded
// to the fen and then added.
INSTANTIATE_TEST_SUITE_P(
    FullCost, BuySide,
    testing::Values(
        // 10000 × 0.025 % = 2.5 → the minimum 5; transfer 0.1; exchange fees 10000 × 0.00541 %
        // = 0.541 → 0.54; 5 + 0.1 + 0.54 = 5.64.
        BuyCase{"MinimumAndExchangeFees",
                {{FieldId::nr1, "1000"}, {FieldId::jr1, "10"}, {FieldId::srl, "0.025"}},
                {{FieldId::sr1, "5.64"}, {FieldId::srz, "5.64"}},
                fullCost({.exchangeFees = true}),
                rowFees({{{Cost::Commission, 5},
                          {Cost::TransferFee, 0.1},
                          {Cost::ExchangeFees, 0.54}}})},
        // Money to the fen, the average to 15 digits: 105 × 1.001 = 105.105 is shown as 105.11.
        BuyCase{"AmountsToTheFenAverageNot",
                {{FieldId::nr1, "105"}, {FieldId::jr1, "1.001"}, {FieldId::srl, "0.025"}},
                {{FieldId::yr1, "105.11"},
                 {FieldId::sr1, "5"},
                 {FieldId::yrz, "105.11"},
                 {FieldId::jrp, "1.00104761904762"}},
                fullCost({.kind = SecurityKind::Fund}),
                rowFees({{{Cost::Commission, 5}}})},
        // Row 1 bought nothing (quantity 0): it pays nothing, neither commission nor transfer fee.
        // Row 2 at rate 0 pays the minimum commission like any order, and 10000 × 0.001 % = 0.1.
        BuyCase{"ZeroQuantityAndZeroRate",
                {{FieldId::nr1, "0"},
                 {FieldId::jr1, "10"},
                 {FieldId::nr2, "1000"},
                 {FieldId::jr2, "10"},
                 {FieldId::srl, "0"}},
                {{FieldId::sr1, "0"}, {FieldId::sr2, "5.1"}, {FieldId::srz, "5.1"}},
                fullCost(),
                rowFees({{{Cost::Commission, 0}, {Cost::TransferFee, 0}},
                         {{Cost::Commission, 5}, {Cost::TransferFee, 0.1}}})}),
    [](const auto& p) { return std::string(p.param.name); });

struct SellCase {
    const char* name;
    Texts buy;
    const char* sellPrice;
    Texts expected;
    CalcSettings settings{};
    Fees fees{};
    Prices prices{};
};

class SellSide : public testing::TestWithParam<SellCase> {};

TEST_P(SellSide, FillsFeeAmountProfitsAndBreakEvenPrice) {
    const CalcSettings& settings = GetParam().settings;
    auto fields = afterBuySide(GetParam().buy, settings);
    fields.setText(FieldId::jc, GetParam().sellPrice);
    const CalcOutcome outcome = calculateSellSide(fields, settings);
    EXPECT_TRUE(outcome.ok());
    expectTexts(fields, GetParam().expected);
    EXPECT_EQ(outcome.fees, GetParam().fees);
    EXPECT_EQ(outcome.prices, GetParam().prices);
    if (settings.fullCost) {
        // The full-cost break-even counts every cost: a sale there makes no profit but for the
        // rounding of each cost to the fen.
        const Sale sale = sellAt(fields, fields.text(FieldId::Label3), settings);
        EXPECT_NEAR(sale.profit, 0.0, sale.tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SellSide,
    testing::Values(
        SellCase{"WorkedExample",
                 kOneRow,
                 "18.88",
                 {{FieldId::sc, "45.312"},
                  {FieldId::yc, "11328"},
                  {FieldId::lc, "6000"},
                  {FieldId::lcs, "5938.704"},
                  {FieldId::Label3, "8.94240963855422"}}},
        SellCase{"TwoRows",
                 kTwoRows,
                 "12",
                 {{FieldId::sc, "96"},
                  {FieldId::yc, "24000"},
                  {FieldId::lc, "2000"},
                  {FieldId::lcs, "1838"},
                  {FieldId::Label3, "11.0773092369478"}}},
        // The sell fee has no zero exception, and the break-even price ignores the sell price.
        SellCase{"ZeroFeeBecomesTheMinimum",
                 kOneRow,
                 "0",
                 {{FieldId::sc, "5"},
                  {FieldId::yc, "0"},
                  {FieldId::lc, "-5328"},
                  {FieldId::lcs, "-5348.984"},
                  {FieldId::Label3, "8.94240963855422"}}},
        // 1000 shares at 1.2475 with 0.4 % is a fee of 4.99, shown and subtracted as 5.
        SellCase{"MinimumFeeIsSubtractedAsFive",
                 {{FieldId::nr1, "1000"}, {FieldId::jr1, "1"}, {FieldId::srl, "0"}},
                 "1.2475",
                 {{FieldId::sc, "5"}, {FieldId::lc, "247.5"}, {FieldId::lcs, "242.5"}}}),
    [](const auto& p) { return std::string(p.param.name); });

// A sell fee of the full-cost mode is the commission (raised to the minimum, zero included), the
// stamp duty of 0.05 % and the transfer fee of 0.001 % for shares, and the exchange fees where
// ticked, each rounded to the fen and then added. The break-even price C / ((1 − c) − k), or
// (C + minimum) / (1 − k) where the commission falls below the minimum, is divided by nrz.
const Texts kHundredThousandSale = {
    {FieldId::nr1, "10000"}, {FieldId::jr1, "9"}, {FieldId::srl, "0.025"}, {FieldId::scl, "0.025"}};
const Texts kSmallSale = {
    {FieldId::nr1, "100"}, {FieldId::jr1, "10"}, {FieldId::srl, "0.025"}, {FieldId::scl, "0.025"}};

INSTANTIATE_TEST_SUITE_P(
    FullCost, SellSide,
    testing::Values(
        // Bought for 90000 + (22.5 + 0.9). Sold for 100000: commission 25, stamp duty 50,
        // transfer fee 1, 76 in all; lcs = 10000 − 76 − 23.4 = 9900.6. Break-even:
        // C = 90023.4, c = 0.00025, k = 0.0005 + 0.00001; A = 90023.4 / 0.99924 = 90091.87,
        // whose commission 22.52 is above the minimum; the price A / 10000 is 9.01 on the step.
        SellCase{
            "HundredThousandSale",
            kHundredThousandSale,
            "10",
            {{FieldId::sc, "76"}, {FieldId::lcs, "9900.6"}, {FieldId::Label3, "9.0091869821064"}},
            fullCost(),
            {{FieldId::sc,
              {{Cost::Commission, 25}, {Cost::StampDuty, 50}, {Cost::TransferFee, 1}}}},
            {{FieldId::Label3, 9.01, 0.01, 2, 0.0}}},
        // Bought for 1000 + (5 + 0.01). Sold for 1100: commission 0.275 → 5, stamp 0.55,
        // transfer 0.011 → 0.01: 5.56; lcs = 100 − 5.56 − 5.01. Break-even: A = 1005.01 / 0.99924
        // = 1005.77 would pay a commission of 0.25, below the minimum, so
        // A = (1005.01 + 5) / 0.99949 = 1010.5254 and the price is 10.105254, 10.11 on the step.
        SellCase{
            "SmallSaleMinimum",
            kSmallSale,
            "11",
            {{FieldId::sc, "5.56"}, {FieldId::lcs, "89.43"}, {FieldId::Label3, "10.1052536793765"}},
            fullCost(),
            {{FieldId::sc,
              {{Cost::Commission, 5}, {Cost::StampDuty, 0.55}, {Cost::TransferFee, 0.01}}}},
            {{FieldId::Label3, 10.11, 0.01, 2, 0.0}}},
        // Without a minimum the commissions are 0.25 and 0.275 → 0.28: buy 0.26, sell 0.84,
        // lcs = 100 − 0.84 − 0.26. Break-even A = 1000.26 / 0.99924 = 1001.0208.
        SellCase{"SmallSaleWithoutMinimum",
                 kSmallSale,
                 "11",
                 {{FieldId::srz, "0.26"},
                  {FieldId::sc, "0.84"},
                  {FieldId::lcs, "98.9"},
                  {FieldId::Label3, "10.010207757896"}},
                 fullCost({.minimumCommission = 0}),
                 {{FieldId::sc,
                   {{Cost::Commission, 0.28}, {Cost::StampDuty, 0.55}, {Cost::TransferFee, 0.01}}}},
                 {{FieldId::Label3, 10.02, 0.01, 2, 0.0}}},
        // The stamp duty on 570 is 0.285, whose double lies just below it: binary rounding
        // gives 0.28, the shown text 0.29. Buy: 5 + (0.005 → 0.01); sell 5 + 0.29 + 0.01 = 5.3;
        // lcs = 70 − 5.3 − 5.01. Break-even (C + 5) / 0.99949 / 100 with C = 505.01.
        SellCase{"StampDutyOnHalfAFen",
                 {{FieldId::nr1, "100"},
                  {FieldId::jr1, "5"},
                  {FieldId::srl, "0.025"},
                  {FieldId::scl, "0.025"}},
                 "5.7",
                 {{FieldId::srz, "5.01"},
                  {FieldId::sc, "5.3"},
                  {FieldId::lcs, "59.69"},
                  {FieldId::Label3, "5.10270237821289"}},
                 fullCost(),
                 {{FieldId::sc,
                   {{Cost::Commission, 5}, {Cost::StampDuty, 0.29}, {Cost::TransferFee, 0.01}}}},
                 {{FieldId::Label3, 5.11, 0.01, 2, 0.0}}},
        // 10 − 5.52 − 5.01 is -0.529999999999999 in binary, shown to the fen.
        SellCase{"ProfitsToTheFen",
                 kSmallSale,
                 "10.1",
                 {{FieldId::sc, "5.52"},
                  {FieldId::yc, "1010"},
                  {FieldId::lc, "10"},
                  {FieldId::lcs, "-0.53"}},
                 fullCost(),
                 {{FieldId::sc,
                   {{Cost::Commission, 5}, {Cost::StampDuty, 0.51}, {Cost::TransferFee, 0.01}}}},
                 {{FieldId::Label3, 10.11, 0.01, 2, 0.0}}},
        // 100.2 − 100.1 is 0.100000000000009 in binary; the break-even price reaches 0 exactly.
        SellCase{"FundProfitToTheFen",
                 {{FieldId::nr1, "100"},
                  {FieldId::jr1, "1.001"},
                  {FieldId::srl, "0.025"},
                  {FieldId::scl, "0.025"}},
                 "1.002",
                 {{FieldId::yc, "100.2"},
                  {FieldId::lc, "0.1"},
                  {FieldId::lcs, "-9.9"},
                  {FieldId::Label3, "1.101"}},
                 fullCost({.kind = SecurityKind::Fund}),
                 {{FieldId::sc, {{Cost::Commission, 5}}}},
                 {{FieldId::Label3, 1.101, 0.001, 3, 0.0}}},
        // A fund pays no stamp duty and no transfer fee. Bought for 12000 + (1.2 → 5) + 0.48
        // exchange fees. Sold for 12340: commission 1.234 → 5, exchange fees 0.4936 → 0.49: 5.49;
        // lcs = 340 − 5.49 − 5.48. Break-even: 12005.48 / 0.99986 = 12007.16 pays 1.2, below
        // the minimum, so A = 12010.48 / 0.99996 = 12010.96; 1.2011 is 1.202 on the fund step.
        SellCase{"Fund",
                 {{FieldId::nr1, "10000"},
                  {FieldId::jr1, "1.2"},
                  {FieldId::srl, "0.01"},
                  {FieldId::scl, "0.01"}},
                 "1.234",
                 {{FieldId::srz, "5.48"},
                  {FieldId::sc, "5.49"},
                  {FieldId::lcs, "329.03"},
                  {FieldId::Label3, "1.20109604384175"}},
                 fullCost({.exchangeFees = true, .kind = SecurityKind::Fund}),
                 {{FieldId::sc, {{Cost::Commission, 5}, {Cost::ExchangeFees, 0.49}}}},
                 {{FieldId::Label3, 1.202, 0.001, 3, 0.0}}}),
    [](const auto& p) { return std::string(p.param.name); });

struct TargetCase {
    const char* name;
    Texts buy;
    const char* target;
    const char* price;
    CalcSettings settings{};
    Prices prices{};
};

class TargetPrice : public testing::TestWithParam<TargetCase> {};

TEST_P(TargetPrice, ReachesTheTargetProfit) {
    const CalcSettings& settings = GetParam().settings;
    auto fields = afterBuySide(GetParam().buy, settings);
    fields.setText(FieldId::Text1, GetParam().target);
    const CalcOutcome outcome = calculateTargetPrice(fields, settings);
    EXPECT_TRUE(outcome.ok());
    EXPECT_EQ(fields.text(FieldId::Label4), GetParam().price);
    EXPECT_EQ(outcome.prices, GetParam().prices);
    EXPECT_TRUE(outcome.fees.empty());
    if (settings.fullCost) {
        const Sale sale = sellAt(fields, fields.text(FieldId::Label4), settings);
        EXPECT_NEAR(sale.profit, *ToNumber(GetParam().target), sale.tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TargetPrice,
    testing::Values(TargetCase{"WorkedExample", kOneRow, "8888", "23.815234270415"},
                    TargetCase{"ZeroIsTheBreakEven", kOneRow, "0", "8.94240963855422"},
                    TargetCase{"TwoRows", kTwoRows, "1000", "11.5793172690763"},
                    TargetCase{"Loss", kTwoRows, "-1000", "10.5753012048193"}),
    [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(
    FullCost, TargetPrice,
    testing::Values(
        // C = (5328 + 8888) + 16.03 = 14232.03; A = C / (0.996 − 0.00051) = 14296.51, whose
        // commission 57.19 is above the minimum; the price A / 600 is 23.83 on the step.
        TargetCase{"WorkedExample",
                   kOneRow,
                   "8888",
                   "23.8275120794784",
                   fullCost(),
                   {{FieldId::Label4, 23.83, 0.01, 2, 8888.0}}},
        // C = (1000 + 10) + 5.01; A = 1015.01 / 0.99924 pays 0.25, below the minimum, so
        // A = 1020.01 / 0.99949 = 1020.5305 and the price is 10.205305.
        TargetCase{"SmallSaleMinimum",
                   kSmallSale,
                   "10",
                   "10.2053047053998",
                   fullCost(),
                   {{FieldId::Label4, 10.21, 0.01, 2, 10.0}}}),
    [](const auto& p) { return std::string(p.param.name); });

// A failed press: which failure, and every field's text afterwards.
struct FailureCase {
    const char* name;
    std::function<void(MemoryTradeFields&)> prepare;
    CalcOutcome (*press)(TradeFields&, const CalcSettings&);
    FailureCause failure;
    Texts expected;
    CalcSettings settings{};
    Fees fees{}; // the fees written before the failure, in the full-cost mode
};

class Failures : public testing::TestWithParam<FailureCase> {};

TEST_P(Failures, StopAtTheFailingStepAndKeepEverythingElse) {
    MemoryTradeFields fields;
    GetParam().prepare(fields);
    MemoryTradeFields before;
    for (FieldId field : allFields()) {
        before.setText(field, fields.text(field));
    }
    const CalcOutcome outcome = GetParam().press(fields, GetParam().settings);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.failure->cause, GetParam().failure);
    EXPECT_EQ(outcome.fees, GetParam().fees);

    // Fields not named in the expectation hold exactly what they held before the press.
    std::map<FieldId, std::string> expected;
    for (FieldId field : allFields()) {
        expected[field] = before.text(field);
    }
    for (const auto& [field, text] : GetParam().expected) {
        expected[field] = text;
    }
    for (FieldId field : allFields()) {
        EXPECT_EQ(fields.text(field), expected[field]) << fieldName(field);
    }
}

auto typed(Texts texts, bool pressBuySide = false, const CalcSettings& settings = {}) {
    return [texts = std::move(texts), pressBuySide, settings](MemoryTradeFields& fields) {
        type(fields, texts);
        if (pressBuySide) {
            EXPECT_TRUE(calculateBuySide(fields, settings).ok());
        }
    };
}

constexpr std::array kQuantities = {FieldId::nr1, FieldId::nr2, FieldId::nr3, FieldId::nr4};

// The fields a stopped step's operands came from.
template <std::size_t N = 0>
FieldSet fields(const std::array<FieldId, N>& some, std::initializer_list<FieldId> more = {}) {
    FieldSet set;
    for (const FieldId field : some) {
        set.set(fieldIndex(field));
    }
    for (const FieldId field : more) {
        set.set(fieldIndex(field));
    }
    return set;
}

FieldSet fields(std::initializer_list<FieldId> some) {
    return fields(std::array<FieldId, 0>{}, some);
}

Texts withOneRow(Texts more) {
    Texts all = kOneRow;
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

// Every field of the four rows holding "0", then `then`: later entries win, so a test names
// only the fields of a buy side that stopped with more than zeros in them.
Texts rowsZeroedThen(const Texts& then) {
    Texts all;
    for (int row = 1; row <= kBuyRows; ++row) {
        for (FieldId field :
             {quantityField(row), priceField(row), amountField(row), feeField(row)}) {
            all.emplace_back(field, "0");
        }
    }
    all.insert(all.end(), then.begin(), then.end());
    return all;
}

Texts withZeroTotals(const Texts& then) {
    Texts totals = {{FieldId::nrz, "0"}, {FieldId::yrz, "0"}, {FieldId::srz, "0"}};
    totals.insert(totals.end(), then.begin(), then.end());
    return rowsZeroedThen(totals);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Failures,
    testing::Values(
        FailureCase{"AllQuantitiesEmpty", typed({}), calculateBuySide,
                    StoppedStep{FieldId::jrp, ArithmeticFault::Invalid, fields(kQuantities)},
                    withZeroTotals({})},
        FailureCase{"ZeroSharesWithAnAmount",
                    typed({{FieldId::nr1, "0"}, {FieldId::jr1, "5"}, {FieldId::nr2, "-0"}}),
                    calculateBuySide,
                    StoppedStep{FieldId::jrp, ArithmeticFault::Invalid,
                                fields(kQuantities, {FieldId::jr1, FieldId::jr2})},
                    withZeroTotals({{FieldId::jr1, "5"}, {FieldId::nr2, "-0"}})},
        FailureCase{"AmountOverDivisionByZero",
                    typed({{FieldId::nr1, "10"},
                           {FieldId::jr1, "1"},
                           {FieldId::nr2, "-10"},
                           {FieldId::jr2, "2"},
                           {FieldId::srl, "0"}}),
                    calculateBuySide,
                    StoppedStep{FieldId::jrp, ArithmeticFault::DivisionByZero,
                                fields(kQuantities, {FieldId::jr1, FieldId::jr2})},
                    withZeroTotals({{FieldId::nr1, "10"},
                                    {FieldId::jr1, "1"},
                                    {FieldId::yr1, "10"},
                                    {FieldId::nr2, "-10"},
                                    {FieldId::jr2, "2"},
                                    {FieldId::yr2, "-20"},
                                    {FieldId::yrz, "-10"}})},
        FailureCase{"UnreadableQuantityInRowTwo",
                    typed(withOneRow({{FieldId::nr2, " "}})),
                    calculateBuySide,
                    UnreadableField{FieldId::nr2, " "},
                    {{FieldId::jr2, "0"},
                     {FieldId::jr3, "0"},
                     {FieldId::jr4, "0"},
                     {FieldId::yr1, "5328"},
                     {FieldId::sr1, "15.984"}}},
        FailureCase{"UnreadableRateStopsAfterTheAmount",
                    typed(withOneRow({{FieldId::srl, "0.3%"}})),
                    calculateBuySide,
                    UnreadableField{FieldId::srl, "0.3%"},
                    {{FieldId::jr2, "0"},
                     {FieldId::jr3, "0"},
                     {FieldId::jr4, "0"},
                     {FieldId::yr1, "5328"}}},
        FailureCase{"RowAmountOverflows",
                    typed({{FieldId::nr1, "1E+200"}, {FieldId::jr1, "1E+200"}}),
                    calculateBuySide,
                    StoppedStep{FieldId::yr1, ArithmeticFault::Overflow,
                                fields({FieldId::jr1, FieldId::nr1})},
                    {{FieldId::jr2, "0"}, {FieldId::jr3, "0"}, {FieldId::jr4, "0"}}},
        FailureCase{"TotalSharesOverflow",
                    typed({{FieldId::nr1, "1.7E+308"}, {FieldId::nr2, "1.7E+308"}}),
                    calculateBuySide,
                    StoppedStep{FieldId::nrz, ArithmeticFault::Overflow,
                                fields({FieldId::nr1, FieldId::nr2})},
                    rowsZeroedThen({{FieldId::nr1, "1.7E+308"}, {FieldId::nr2, "1.7E+308"}})},
        FailureCase{"SellSideBeforeBuySide",
                    typed({{FieldId::jc, "18.88"}}),
                    calculateSellSide,
                    UnreadableField{FieldId::nrz, ""},
                    {}},
        FailureCase{"EmptySellPrice",
                    typed(kOneRow, true),
                    calculateSellSide,
                    UnreadableField{FieldId::jc, ""},
                    {}},
        FailureCase{"UnreadableSellRate",
                    typed(withOneRow({{FieldId::scl, "abc"}, {FieldId::jc, "18.88"}}), true),
                    calculateSellSide,
                    UnreadableField{FieldId::scl, "abc"},
                    {}},
        FailureCase{"SellRateOfOneHundred",
                    typed(withOneRow({{FieldId::scl, "100"}, {FieldId::jc, "18.88"}}), true),
                    calculateSellSide,
                    StoppedStep{FieldId::Label3, ArithmeticFault::DivisionByZero,
                                fields({FieldId::yrz, FieldId::srz, FieldId::nrz, FieldId::scl})},
                    {{FieldId::sc, "11328"},
                     {FieldId::yc, "11328"},
                     {FieldId::lc, "6000"},
                     {FieldId::lcs, "-5343.984"}}},
        FailureCase{"TargetPriceWithEmptyTarget",
                    typed(kOneRow, true),
                    calculateTargetPrice,
                    UnreadableField{FieldId::Text1, ""},
                    {}},
        FailureCase{"TargetPriceBeforeBuySide",
                    typed({{FieldId::Text1, "100"}}),
                    calculateTargetPrice,
                    UnreadableField{FieldId::yrz, ""},
                    {}},
        FailureCase{"TargetPriceWithRateOfOneHundred",
                    typed(withOneRow({{FieldId::scl, "100"}, {FieldId::Text1, "100"}}), true),
                    calculateTargetPrice,
                    StoppedStep{FieldId::Label4, ArithmeticFault::DivisionByZero,
                                fields({FieldId::yrz, FieldId::Text1, FieldId::srz, FieldId::nrz,
                                        FieldId::scl})},
                    {}}),
    [](const auto& p) { return std::string(p.param.name); });

// Stamp duty and transfer fee that the settings window lets through one by one, but that take
// the whole sale together.
const CalcSettings kLeviesOfOneHundred =
    fullCost({.stampDutyPercent = 60, .transferFeePercent = 40});
const std::vector<Levy> kLeviesOfOneHundredTaken = {{Cost::StampDuty, 60}, {Cost::TransferFee, 40}};

INSTANTIATE_TEST_SUITE_P(
    FullCost, Failures,
    testing::Values(
        // The sale's fee is written first: 11328 + 5.66 + 0.11. Then (1 − 1) − 0.00051 leaves
        // nothing of any sale, so no break-even price exists.
        FailureCase{
            "SellRateOfOneHundred",
            typed(withOneRow({{FieldId::scl, "100"}, {FieldId::jc, "18.88"}}), true, fullCost()),
            calculateSellSide,
            NoSellPrice{FieldId::Label3, {{Cost::StampDuty, 0.05}, {Cost::TransferFee, 0.001}}},
            {{FieldId::sc, "11333.77"},
             {FieldId::yc, "11328"},
             {FieldId::lc, "6000"},
             {FieldId::lcs, "-5349.8"}},
            fullCost(),
            {{FieldId::sc,
              {{Cost::Commission, 11328}, {Cost::StampDuty, 5.66}, {Cost::TransferFee, 0.11}}}}},
        // (1 − 0) − (0.6 + 0.4) is exactly 0.
        FailureCase{"LeviesOfOneHundred",
                    typed(withOneRow({{FieldId::scl, "0"}, {FieldId::Text1, "100"}}), true,
                          kLeviesOfOneHundred),
                    calculateTargetPrice,
                    NoSellPrice{FieldId::Label4, kLeviesOfOneHundredTaken},
                    {},
                    kLeviesOfOneHundred},
        // A negative sell rate leaves (1 + 0.5) − 1 of the sale, but its commission is then
        // below the minimum, and 1 − 1 leaves nothing once the minimum is paid.
        FailureCase{"NothingLeftOnceTheMinimumIsPaid",
                    typed(withOneRow({{FieldId::scl, "-50"}, {FieldId::Text1, "100"}}), true,
                          kLeviesOfOneHundred),
                    calculateTargetPrice,
                    NoSellPrice{FieldId::Label4, kLeviesOfOneHundredTaken},
                    {},
                    kLeviesOfOneHundred},
        // 9E+37 × 500 % overflows in the transfer fee, which comes from the row's price and
        // quantity alone: the rate is a setting, not a field.
        FailureCase{"TransferFeeOverflows",
                    typed({{FieldId::nr1, "9E+37"}, {FieldId::jr1, "1"}, {FieldId::srl, "0"}}),
                    calculateBuySide,
                    StoppedStep{FieldId::sr1, ArithmeticFault::Overflow,
                                fields({FieldId::jr1, FieldId::nr1})},
                    {{FieldId::jr2, "0"},
                     {FieldId::jr3, "0"},
                     {FieldId::jr4, "0"},
                     {FieldId::yr1, "9E+37"}},
                    fullCost({.transferFeePercent = 500})},
        // The exact figures hold magnitudes below 10^38 and 36 decimals: a text beyond them is
        // refused where it is read, a result beyond them stops as that result's step.
        FailureCase{"TextTooLargeForTheExactFigures",
                    typed({{FieldId::nr1, "1E+38"}, {FieldId::jr1, "1"}}),
                    calculateBuySide,
                    UnreadableField{FieldId::nr1, "1E+38", Unreadable::TooLarge},
                    {{FieldId::jr2, "0"}, {FieldId::jr3, "0"}, {FieldId::jr4, "0"}},
                    fullCost()},
        FailureCase{"TextWithTooManyDecimals",
                    typed({{FieldId::nr1, "600"}, {FieldId::jr1, "1e-37"}}),
                    calculateBuySide,
                    UnreadableField{FieldId::jr1, "1e-37", Unreadable::TooManyDecimals},
                    {{FieldId::jr2, "0"}, {FieldId::jr3, "0"}, {FieldId::jr4, "0"}},
                    fullCost()},
        FailureCase{"AmountTooLarge",
                    typed({{FieldId::nr1, "1E+20"}, {FieldId::jr1, "1E+20"}}),
                    calculateBuySide,
                    StoppedStep{FieldId::yr1, ArithmeticFault::Overflow,
                                fields({FieldId::jr1, FieldId::nr1})},
                    {{FieldId::jr2, "0"}, {FieldId::jr3, "0"}, {FieldId::jr4, "0"}},
                    fullCost()},
        // 600 × 1e-36 × 0.3 % would need 39 decimals.
        FailureCase{
            "FeeWithTooManyDecimals",
            typed({{FieldId::nr1, "600"}, {FieldId::jr1, "1e-36"}}),
            calculateBuySide,
            StoppedStep{FieldId::sr1, ArithmeticFault::TooManyDecimals,
                        fields({FieldId::srl, FieldId::jr1, FieldId::nr1})},
            {{FieldId::jr2, "0"}, {FieldId::jr3, "0"}, {FieldId::jr4, "0"}, {FieldId::yr1, "0"}},
            fullCost()}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(FeeRules, ZeroExceptionOnlyOnTheBuySide) {
    const struct {
        double fee;
        const char* buy;
        const char* sell;
    } cases[] = {
        {0.0, "0", "5"},    {-0.0, "0", "5"}, {4.99, "5", "5"},
        {-3.0, "5", "5"},   {5.0, "5", "5"},  {15.984000000000004, "15.984", "15.984"},
        {1e-300, "5", "5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FeeRule(c.fee), c.buy) << c.fee;
        EXPECT_EQ(SellFeeRule(c.fee), c.sell) << c.fee;
    }
}

} // namespace
} // namespace pelmora::test
