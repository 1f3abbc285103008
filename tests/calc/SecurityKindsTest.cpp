// The table of what is traded: each kind's step, lots and key, the kind of a code, and the levies
// and price limits on both sides of every date they changed.
#include "calc/SecurityKinds.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace pelmora::test {
namespace {

using enum SecurityKind;

constexpr TradeDate on(int y, unsigned m, unsigned d) {
    return {std::chrono::year{y}, std::chrono::month{m}, std::chrono::day{d}};
}

// A rate as written, "-" for none: 0.05, 0.00541.
std::string shown(const std::optional<Decimal>& rate) {
    if (!rate) {
        return "-";
    }
    std::string text = rate->fixedText(8);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

struct KindFacts {
    SecurityKind kind;
    const char* step;
    PurchaseLots lots;
    const char* key;
};

constexpr KindFacts kFacts[] = {
    {MainBoard, "0.01", {100, 100}, "shares"}, {ChiNext, "0.01", {100, 100}, "chinext"},
    {StarMarket, "0.01", {200, 1}, "star"},    {Beijing, "0.01", {100, 1}, "beijing"},
    {Fund, "0.001", {100, 100}, "fund"},       {ConvertibleBond, "0.001", {10, 10}, "convertible"},
};

TEST(SecurityKinds, HaveTheirStepLotsAndStorageKey) {
    for (const KindFacts& f : kFacts) {
        SCOPED_TRACE(f.key);
        EXPECT_EQ(shown(priceStep(f.kind)), f.step);
        EXPECT_EQ(priceStep(f.kind).fixedText(priceDecimals(f.kind)), f.step);
        EXPECT_EQ(purchaseLots(f.kind), f.lots);
        EXPECT_EQ(storageKey(f.kind), f.key);
        EXPECT_EQ(kindOfStorageKey(f.key), f.kind);
    }
    for (const char* unknown : {"", "Shares", "FUND", "stock", "shares "}) {
        EXPECT_EQ(kindOfStorageKey(unknown), std::nullopt) << unknown;
    }
}

struct CodeCase {
    const char* code;
    std::optional<SecurityKind> kind;
};

// clang-format off
const CodeCase kCodes[] = {
    {"600519", MainBoard}, {"601318", MainBoard}, {"603259", MainBoard}, {"605499", MainBoard},
    {"000001", MainBoard}, {"001979", MainBoard}, {"002594", MainBoard}, {"003816", MainBoard},
    {"300750", ChiNext}, {"301269", ChiNext}, {"302132", ChiNext},
    {"688981", StarMarket}, {"689009", StarMarket},
    {"920819", Beijing}, {"430047", Beijing}, {"833819", Beijing}, {"872925", Beijing},
    {"510300", Fund}, {"518880", Fund}, {"563300", Fund}, {"588000", Fund}, {"501050", Fund},
    {"506000", Fund}, {"159915", Fund}, {"161725", Fund},
    {"110059", ConvertibleBond}, {"111004", ConvertibleBond}, {"113050", ConvertibleBond},
    {"118000", ConvertibleBond}, {"123029", ConvertibleBond}, {"127045", ConvertibleBond},
    {"128136", ConvertibleBond}, {"132018", ConvertibleBond}, {"120003", ConvertibleBond},
    // B shares, repos, subscription codes, an index and codes the exchanges do not give out.
    {"200002", std::nullopt}, {"900901", std::nullopt}, {"204001", std::nullopt},
    {"131810", std::nullopt}, {"730001", std::nullopt}, {"732001", std::nullopt},
    {"780001", std::nullopt}, {"787001", std::nullopt}, {"399001", std::nullopt},
    {"519001", std::nullopt}, {"604000", std::nullopt},
    // Not six ASCII digits: Hong Kong's five, seven, a letter, a blank, full-width digits.
    {"00700", std::nullopt}, {"6005190", std::nullopt}, {"60051a", std::nullopt},
    {" 60051", std::nullopt}, {"", std::nullopt}, {"６００５１９", std::nullopt},
};
// clang-format on

TEST(SecurityKinds, OfACodeByItsPrefix) {
    for (const CodeCase& c : kCodes) {
        EXPECT_EQ(kindOfCode(c.code), c.kind) << c.code;
    }
}

struct LevyCase {
    SecurityKind kind;
    TradeDate date;
    const char* stampDuty; // "-" for none, "none" for no rates at all
    const char* transferFee;
    const char* exchangeFees;
};

const LevyCase kLevies[] = {
    {MainBoard, on(2015, 7, 31), "none", "", ""},
    {MainBoard, on(2015, 8, 1), "0.1", "0.002", "0.00687"},
    {MainBoard, on(2022, 4, 28), "0.1", "0.002", "0.00687"},
    {MainBoard, on(2022, 4, 29), "0.1", "0.001", "0.00687"},
    {ChiNext, on(2023, 8, 27), "0.1", "0.001", "0.00687"},
    {ChiNext, on(2023, 8, 28), "0.05", "0.001", "0.00541"},
    {StarMarket, on(2019, 7, 21), "none", "", ""},
    {StarMarket, on(2019, 7, 22), "0.1", "0.002", "0.00687"},
    {StarMarket, on(2023, 8, 28), "0.05", "0.001", "0.00541"},
    {Beijing, on(2021, 11, 14), "none", "", ""},
    {Beijing, on(2023, 8, 27), "0.1", "0.001", "0.027"},
    {Beijing, on(2023, 8, 28), "0.05", "0.001", "0.0145"},
    {Fund, on(2015, 7, 31), "none", "", ""},
    {Fund, on(2015, 8, 1), "-", "-", "0.004"},
    {Fund, on(2023, 8, 28), "-", "-", "0.004"},
    {ConvertibleBond, on(2023, 8, 28), "-", "-", "0.001"},
    {MainBoard, on(2023, 2, 30), "none", "", ""},
};

TEST(SecurityKinds, LevyRatesOnBothSidesOfEveryChange) {
    for (const LevyCase& c : kLevies) {
        SCOPED_TRACE(std::string(storageKey(c.kind)) + " " + std::to_string(int(c.date.year())) +
                     "-" + std::to_string(unsigned(c.date.month())) + "-" +
                     std::to_string(unsigned(c.date.day())));
        const std::optional<LevyRates> rates = levyRatesOn(c.kind, c.date);
        if (std::string(c.stampDuty) == "none") {
            EXPECT_EQ(rates, std::nullopt);
            continue;
        }
        ASSERT_TRUE(rates);
        EXPECT_EQ(shown(rates->stampDuty), c.stampDuty);
        EXPECT_EQ(shown(rates->transferFee), c.transferFee);
        EXPECT_EQ(shown(rates->exchangeFees), c.exchangeFees);
    }
    EXPECT_EQ(latestStampDutyChange(), on(2023, 8, 28));
    EXPECT_EQ(latestTransferFeeChange(), on(2022, 4, 29));
}

constexpr PriceLimitMarks kST{.specialTreatment = true};
constexpr PriceLimitMarks kNew{.newListing = true};
constexpr PriceLimitMarks kGrowth{.growthBoardIndex = true};

struct LimitCase {
    SecurityKind kind;
    TradeDate date;
    PriceLimitMarks marks;
    const char* up; // "-" for no limit
    const char* down;
};

const LimitCase kLimits[] = {
    {MainBoard, on(2010, 1, 4), {}, "10", "10"},
    {MainBoard, on(2026, 7, 5), kST, "5", "5"},
    {MainBoard, on(2026, 7, 6), kST, "10", "10"},
    {MainBoard, on(2023, 4, 7), kNew, "44", "36"},
    {MainBoard, on(2023, 4, 10), kNew, "-", "-"},
    {MainBoard, on(2023, 4, 10), kGrowth, "10", "10"},
    {ChiNext, on(2020, 8, 21), {}, "10", "10"},
    {ChiNext, on(2020, 8, 24), {}, "20", "20"},
    {ChiNext, on(2021, 1, 4), kST, "20", "20"},
    {ChiNext, on(2020, 8, 21), kNew, "44", "36"},
    {ChiNext, on(2020, 8, 24), kNew, "-", "-"},
    {StarMarket, on(2024, 1, 2), {}, "20", "20"},
    {StarMarket, on(2024, 1, 2), kST, "20", "20"},
    {StarMarket, on(2024, 1, 2), kNew, "-", "-"},
    {Beijing, on(2024, 1, 2), {}, "30", "30"},
    {Beijing, on(2024, 1, 2), kST, "30", "30"},
    {Beijing, on(2024, 1, 2), kNew, "-", "-"},
    {Fund, on(2024, 1, 2), {}, "10", "10"},
    {Fund, on(2020, 8, 21), kGrowth, "10", "10"},
    {Fund, on(2020, 8, 24), kGrowth, "20", "20"},
    {Fund, on(2024, 1, 2), kNew, "10", "10"},
    {Fund, on(2024, 1, 2), {.newListing = true, .growthBoardIndex = true}, "20", "20"},
    {ConvertibleBond, on(2022, 7, 29), {}, "-", "-"},
    {ConvertibleBond, on(2022, 8, 1), {}, "20", "20"},
    {ConvertibleBond, on(2022, 7, 29), kNew, "-", "-"},
    {ConvertibleBond, on(2022, 8, 1), kNew, "57.3", "43.3"},
};

std::pair<std::string, std::string> shown(const std::optional<PriceLimit>& limit) {
    return limit ? std::pair(shown(limit->upPercent), shown(limit->downPercent))
                 : std::pair<std::string, std::string>("-", "-");
}

TEST(SecurityKinds, PriceLimitsOnBothSidesOfEveryChangeAndMark) {
    for (const LimitCase& c : kLimits) {
        const auto [up, down] = shown(priceLimitOn(c.kind, c.date, c.marks));
        EXPECT_EQ(up, c.up) << storageKey(c.kind) << " " << int(c.date.year());
        EXPECT_EQ(down, c.down) << storageKey(c.kind) << " " << int(c.date.year());
    }
}

// A share is never an index fund and a fund or a bond never ST: such a mark changes nothing.
TEST(SecurityKinds, AMarkThatDoesNotApplyLeavesTheLimit) {
    const TradeDate dates[] = {on(2016, 1, 4), on(2020, 8, 24), on(2022, 8, 1), on(2026, 7, 6)};
    for (const TradeDate date : dates) {
        for (const SecurityKind kind : kAllKinds) {
            const auto usual = priceLimitOn(kind, date, {});
            if (kind != Fund) {
                EXPECT_EQ(priceLimitOn(kind, date, kGrowth), usual) << storageKey(kind);
            }
            if (kind == Fund || kind == ConvertibleBond) {
                EXPECT_EQ(priceLimitOn(kind, date, kST), usual) << storageKey(kind);
            }
        }
    }
}

} // namespace
} // namespace pelmora::test
