// Which box a failed press sends the user to: decided by the calculations, from the fields as the
// press left them.
#include "calc/FailureBlame.h"

#include "tests/calc/CalcTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace pelmora::test {
namespace {

struct BlameCase {
    const char* name;
    FailureCause cause;
    std::vector<std::pair<FieldId, const char*>> texts; // besides a fresh window's
    std::optional<FieldId> focus;
    std::optional<double> sellRate;
};

// clang-format off
const BlameCase kCases[] = {
    {"UnreadableInput", UnreadableField{FieldId::nr2, "6OO"}, {}, FieldId::nr2, {}},
    {"UnreadableTotalSendsToTheBuyButton", UnreadableField{FieldId::yrz, ""}, {}, std::nullopt, {}},
    {"NoSharesForTheBreakEvenPrice", StoppedStep{FieldId::Label3, ArithmeticFault::DivisionByZero, {}},
     {{FieldId::nrz, "0"}}, FieldId::nr1, {}},
    {"NoSharesForTheAverage", StoppedStep{FieldId::jrp, ArithmeticFault::Invalid, {}},
     {{FieldId::nrz, "600"}}, FieldId::nr1, {}},
    {"FullSellRateForTheTargetPrice", StoppedStep{FieldId::Label4, ArithmeticFault::DivisionByZero, {}},
     {{FieldId::nrz, "600"}, {FieldId::scl, "100"}}, FieldId::scl, 100.0},
    {"OverflowInARowPointsAtItsQuantity",
     StoppedStep{FieldId::sr3, ArithmeticFault::Overflow, of({FieldId::srl, FieldId::jr3, FieldId::nr3})},
     {{FieldId::nr3, "1E+300"}, {FieldId::jr3, "1E+10"}}, FieldId::nr3, {}},
    // A total of an earlier press stands for the inputs summed into it.
    {"OverflowFromATotalPointsAtTheLargestInputBehindIt",
     StoppedStep{FieldId::sc, ArithmeticFault::Overflow, of({FieldId::scl, FieldId::nrz, FieldId::jc})},
     {{FieldId::nr1, "600"}, {FieldId::nr2, "-7E+300"}, {FieldId::nr4, "7E+300"}, {FieldId::jc, "1E+10"}},
     FieldId::nr2, {}},
    {"OverflowWithEqualInputsPointsAtTheFirstInTabOrder",
     StoppedStep{FieldId::nrz, ArithmeticFault::Overflow, of({FieldId::nr1, FieldId::nr2, FieldId::nr3, FieldId::nr4})},
     {{FieldId::nr1, "0"}, {FieldId::nr2, "0"}, {FieldId::nr3, "1E+308"}, {FieldId::nr4, "1E+308"}},
     FieldId::nr3, {}},
    // Too many decimals come from the input with the most of them, however small it is.
    {"TooManyDecimalsPointAtTheLongestFraction",
     StoppedStep{FieldId::sr1, ArithmeticFault::TooManyDecimals, of({FieldId::srl, FieldId::jr1, FieldId::nr1})},
     {{FieldId::nr1, "600"}, {FieldId::jr1, "1e-36"}}, FieldId::jr1, {}},
    {"NoSellPriceIsTheRatesDoing", NoSellPrice{FieldId::Label3, {}}, {{FieldId::scl, "99.9"}},
     FieldId::scl, 99.9},
    {"OutdatedTotalsSendToTheBuyButton", OutdatedBuyTotals{}, {}, std::nullopt, {}},
};
// clang-format on

class Blame : public ::testing::TestWithParam<BlameCase> {};

TEST_P(Blame, PicksTheBoxToPutRight) {
    const BlameCase& c = GetParam();
    MemoryTradeFields fields;
    for (const auto& [field, text] : c.texts) {
        fields.setText(field, text);
    }
    const CalcFailure failure = blamed(c.cause, fields);
    EXPECT_EQ(failure.cause, c.cause);
    EXPECT_EQ(failure.focus, c.focus);
    EXPECT_EQ(failure.sellRatePercent, c.sellRate);
}

INSTANTIATE_TEST_SUITE_P(Failures, Blame, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace pelmora::test
