#include "calc/Calculations.h"

#include "calc/TradeFields.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pelmora::test {
namespace {
using Texts = std::vector<std::pair<FieldId, std::string>>;

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
MemoryTradeFields afterBuySide(const Texts& typed) {
    MemoryTradeFields fields;
    type(fields, typed);
    EXPECT_TRUE(calculateBuySide(fields).ok());
    return fields;
}

const Texts kOneRow = {{FieldId::nr1, "600"}, {FieldId::jr1, "8.88"}};
const Texts kTwoRows = {
    {FieldId::nr1, "1000"}, {FieldId::jr1, "10"}, {FieldId::nr2, "1000"}, {FieldId::jr2, "12"}};

struct BuyCase {
    const char* name;
    Texts typed;
    Texts expected;
};

class BuySide : public testing::TestWithParam<BuyCase> {};

TEST_P(BuySide, FillsRowsAndTotals) {
    MemoryTradeFields fields;
    type(fields, GetParam().typed);
    EXPECT_TRUE(calculateBuySide(fields).ok());
    expectTexts(fields, GetParam().expected);
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

struct SellCase {
    const char* name;
    Texts buy;
    const char* sellPrice;
    Texts expected;
};

class SellSide : public testing::TestWithParam<SellCase> {};

TEST_P(SellSide, FillsFeeAmountProfitsAndBreakEvenPrice) {
    auto fields = afterBuySide(GetParam().buy);
    fields.setText(FieldId::jc, GetParam().sellPrice);
    EXPECT_TRUE(calculateSellSide(fields).ok());
    expectTexts(fields, GetParam().expected);
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

struct TargetCase {
    Texts buy;
    const char* target;
    const char* price;
};

class TargetPrice : public testing::TestWithParam<TargetCase> {};

TEST_P(TargetPrice, ReachesTheTargetProfit) {
    auto fields = afterBuySide(GetParam().buy);
    fields.setText(FieldId::Text1, GetParam().target);
    EXPECT_TRUE(calculateTargetPrice(fields).ok());
    EXPECT_EQ(fields.text(FieldId::Label4), GetParam().price);
}

INSTANTIATE_TEST_SUITE_P(Examples, TargetPrice,
                         testing::Values(TargetCase{kOneRow, "8888", "23.815234270415"},
                                         TargetCase{kOneRow, "0", "8.94240963855422"},
                                         TargetCase{kTwoRows, "1000", "11.5793172690763"},
                                         TargetCase{kTwoRows, "-1000", "10.5753012048193"}));

// A failed press: which failure, and every field's text afterwards.
struct FailureCase {
    const char* name;
    std::function<void(MemoryTradeFields&)> prepare;
    CalcOutcome (*press)(TradeFields&, const CalcSettings&);
    CalcFailure failure;
    Texts expected;
};

class Failures : public testing::TestWithParam<FailureCase> {};

TEST_P(Failures, StopAtTheFailingStepAndKeepEverythingElse) {
    MemoryTradeFields fields;
    GetParam().prepare(fields);
    MemoryTradeFields before;
    for (FieldId field : allFields()) {
        before.setText(field, fields.text(field));
    }
    const CalcOutcome outcome = GetParam().press(fields, CalcSettings{});
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(*outcome.failure, GetParam().failure);

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

auto typed(Texts texts, bool pressBuySide = false) {
    return [texts = std::move(texts), pressBuySide](MemoryTradeFields& fields) {
        type(fields, texts);
        if (pressBuySide) {
            EXPECT_TRUE(calculateBuySide(fields).ok());
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
