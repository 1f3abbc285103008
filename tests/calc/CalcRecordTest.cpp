// What a press records of the figures it wrote, and the text a field shows for an exact figure.
#include "calc/CalcRecord.h"

#include "calc/Calculations.h"
#include "calc/TradeFields.h"
#include "numbers/NumberText.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace pelmora::test {
namespace {

Decimal exact(const char* text) {
    return *Decimal::fromText(text);
}

TEST(ShownText, IsWhatToTextWritesForTheFigure) {
    const std::pair<const char*, const char*> cases[] = {
        {"5328.00", "5328"},
        {"-0.50", "-0.5"},
        {"0.000", "0"},
        {"0.000123", "0.000123"},
        {"0.00001", "1E-05"},
        {"123456789012345", "123456789012345"},
        {"999999999999999.4", "999999999999999"},
        {"1234567890123456", "1.23456789012346E+15"},
        {"8.806420370811616", "8.80642037081162"},
    };
    for (const auto& [figure, shown] : cases) {
        EXPECT_EQ(shownText(exact(figure)), shown) << figure;
    }
}

// The short way and the way through the double agree on every figure, whatever its size.
TEST(ShownText, AgreesWithTheDoubleItReadsAs) {
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 100000; ++i) {
        const auto units = static_cast<std::int64_t>(random() >> (random() % 64));
        const int decimals = static_cast<int>(random() % 30);
        const Decimal figure = Decimal::ofUnits(random() % 2 == 0 ? units : -units, decimals);
        ASSERT_EQ(shownText(figure), ToText(figure.toDouble())) << figure.fixedText(decimals);
    }
}

// The holding is what the totals show, in either mode: shares, and invested plus the buy fees.
TEST(CalcRecord, KeepsTheHoldingAsShown) {
    for (const bool fullCost : {false, true}) {
        MemoryTradeFields fields;
        fields.setText(FieldId::nr1, "600");
        fields.setText(FieldId::jr1, "8.88");
        CalcSettings settings;
        if (fullCost) {
            settings.fullCost = FullCost{};
        }
        const CalcOutcome outcome = calculateBuySide(fields, settings);
        const std::optional<Holding> holding = outcome.record.holding();
        ASSERT_TRUE(holding.has_value());
        EXPECT_EQ(holding->shares, exact("600"));
        EXPECT_EQ(holding->totalCost, fullCost ? exact("5344.03") : exact("5343.984"));
        EXPECT_EQ(outcome.record.figure(FieldId::jrp), exact("8.88"));
        EXPECT_EQ(outcome.record.order(FieldId::sr1).has_value(), fullCost);
    }
}

// A press that stops before the totals leaves no holding.
TEST(CalcRecord, HasNoHoldingWithoutTheTotals) {
    MemoryTradeFields fields;
    fields.setText(FieldId::nr1, "600");
    fields.setText(FieldId::jr1, "8.8O");
    const CalcOutcome outcome = calculateBuySide(fields);
    EXPECT_FALSE(outcome.record.hasWritten(FieldId::nrz));
    EXPECT_FALSE(outcome.record.holding().has_value());
}

} // namespace
} // namespace pelmora::test
