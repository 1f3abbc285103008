#include "calc/KindSchedules.h"

#include <algorithm>

namespace pelmora {
namespace {

using namespace detail;

// The one table of what is traded, a row per kind in the enumeration's order. Adding a kind is
// adding a row; the checks below refuse a row left out, out of order or left incomplete.
constexpr auto kKinds = std::to_array<KindRow>({
    {
        .kind = SecurityKind::MainBoard,
        .storageKey = "shares",
        .priceDecimals = 2,
        .lots = {100, 100},
        .ratesFrom = kFirstTableDate,
        .stampDuty = kShareStampDuty,
        .transferFee = kShareTransferFee,
        .exchangeFees = kShanghaiShenzhenExchangeFees,
        .usualLimit = kTenPercent,
        .specialTreatment = kMainBoardSpecialTreatment,
        .newListing = kMainBoardFirstDays,
        .growthBoardIndex = kAsUsual,
    },
    {
        .kind = SecurityKind::ChiNext,
        .storageKey = "chinext",
        .priceDecimals = 2,
        .lots = {100, 100},
        .ratesFrom = kFirstTableDate,
        .stampDuty = kShareStampDuty,
        .transferFee = kShareTransferFee,
        .exchangeFees = kShanghaiShenzhenExchangeFees,
        .usualLimit = kGrowthBoardLimits,
        .specialTreatment = kAsUsual,
        .newListing = kChiNextFirstDays,
        .growthBoardIndex = kAsUsual,
    },
    {
        .kind = SecurityKind::StarMarket,
        .storageKey = "star",
        .priceDecimals = 2,
        .lots = {200, 1},
        .ratesFrom = kStarMarketOpened,
        .stampDuty = kShareStampDuty,
        .transferFee = kShareTransferFee,
        .exchangeFees = kShanghaiShenzhenExchangeFees,
        .usualLimit = kTwentyPercent,
        .specialTreatment = kAsUsual,
        .newListing = kNoLimit,
        .growthBoardIndex = kAsUsual,
    },
    {
        .kind = SecurityKind::Beijing,
        .storageKey = "beijing",
        .priceDecimals = 2,
        .lots = {100, 1},
        .ratesFrom = kBeijingExchangeOpened,
        .stampDuty = kShareStampDuty,
        .transferFee = kShareTransferFee,
        .exchangeFees = kBeijingExchangeFees,
        .usualLimit = kThirtyPercent,
        .specialTreatment = kAsUsual,
        .newListing = kNoLimit,
        .growthBoardIndex = kAsUsual,
    },
    {
        // An ETF or LOF has its usual limit on its first day too; only an index of ChiNext or
        // STAR shares changes it.
        .kind = SecurityKind::Fund,
        .storageKey = "fund",
        .priceDecimals = 3,
        .lots = {100, 100},
        .ratesFrom = kFirstTableDate,
        .stampDuty = kNoLevy,
        .transferFee = kNoLevy,
        .exchangeFees = kFundExchangeFees,
        .usualLimit = kTenPercent,
        .specialTreatment = kAsUsual,
        .newListing = kAsUsual,
        .growthBoardIndex = kGrowthBoardLimits,
    },
    {
        .kind = SecurityKind::ConvertibleBond,
        .storageKey = "convertible",
        .priceDecimals = 3,
        .lots = {10, 10},
        .ratesFrom = kFirstTableDate,
        .stampDuty = kNoLevy,
        .transferFee = kNoLevy,
        .exchangeFees = kConvertibleExchangeFees,
        .usualLimit = kConvertibleLimits,
        .specialTreatment = kAsUsual,
        .newListing = kConvertibleFirstDay,
        .growthBoardIndex = kAsUsual,
    },
});

constexpr const KindRow& rowOf(SecurityKind kind) {
    return kKinds.at(static_cast<std::size_t>(kind));
}

constexpr bool rowsFollowTheKinds() {
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        if (kKinds.at(i).kind != kAllKinds.at(i) || !rowIsComplete(kKinds.at(i))) {
            return false;
        }
    }
    return true;
}

constexpr bool storageKeysDiffer() {
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (kKinds.at(i).storageKey == kKinds.at(j).storageKey) {
                return false;
            }
        }
    }
    return true;
}

// Names every kind, so a kind added to the enumeration but not to kAllKinds fails to build
// (-Wswitch, an error here).
constexpr bool isListed(SecurityKind kind) {
    switch (kind) {
    case SecurityKind::MainBoard:
    case SecurityKind::ChiNext:
    case SecurityKind::StarMarket:
    case SecurityKind::Beijing:
    case SecurityKind::Fund:
    case SecurityKind::ConvertibleBond:
        return std::find(kAllKinds.begin(), kAllKinds.end(), kind) != kAllKinds.end();
    }
    return false;
}

static_assert(std::all_of(kAllKinds.begin(), kAllKinds.end(), isListed));
static_assert(kKinds.size() == kKindCount, "a row for every kind");
static_assert(rowsFollowTheKinds(), "rows in the kinds' order, each complete");
static_assert(storageKeysDiffer());
// A settings file written while shares and funds were the only kinds holds these words.
static_assert(rowOf(SecurityKind::MainBoard).storageKey == "shares" &&
              rowOf(SecurityKind::Fund).storageKey == "fund");

std::optional<Decimal> rateOn(RateSchedule schedule, TradeDate date) {
    const std::optional<Percent>& rate = inForceOn(schedule, date).rate;
    return rate ? std::optional(rate->value()) : std::nullopt;
}

// The day the latest rate of a levy took force, over every kind that pays it.
TradeDate latestChange(RateSchedule KindRow::*levy) {
    TradeDate latest = kFirstTableDate;
    for (const KindRow& row : kKinds) {
        for (const RateFrom& entry : row.*levy) {
            if (entry.rate) {
                latest = std::max(latest, entry.from);
            }
        }
    }
    return latest;
}

std::optional<PriceLimit> limitOn(LimitSchedule schedule, TradeDate date) {
    const std::optional<LimitPercents>& limit = inForceOn(schedule, date).limit;
    if (!limit) {
        return std::nullopt;
    }
    return PriceLimit{limit->up.value(), limit->down.value()};
}

} // namespace

int priceDecimals(SecurityKind kind) {
    return rowOf(kind).priceDecimals;
}

Decimal priceStep(SecurityKind kind) {
    return Decimal::ofUnits(1, priceDecimals(kind));
}

PurchaseLots purchaseLots(SecurityKind kind) {
    return rowOf(kind).lots;
}

std::string_view storageKey(SecurityKind kind) {
    return rowOf(kind).storageKey;
}

std::optional<SecurityKind> kindOfStorageKey(std::string_view key) {
    for (const KindRow& row : kKinds) {
        if (row.storageKey == key) {
            return row.kind;
        }
    }
    return std::nullopt;
}

std::optional<LevyRates> levyRatesOn(SecurityKind kind, TradeDate date) {
    const KindRow& row = rowOf(kind);
    if (!date.ok() || date < row.ratesFrom) {
        return std::nullopt;
    }
    return LevyRates{rateOn(row.stampDuty, date), rateOn(row.transferFee, date),
                     *rateOn(row.exchangeFees, date)};
}

TradeDate latestStampDutyChange() {
    return latestChange(&KindRow::stampDuty);
}

TradeDate latestTransferFeeChange() {
    return latestChange(&KindRow::transferFee);
}

std::optional<PriceLimit> priceLimitOn(SecurityKind kind, TradeDate date, PriceLimitMarks marks) {
    const KindRow& row = rowOf(kind);
    // The marks in the order they win, though no real security carries two: a new listing's
    // first days before ST, ST before an index fund's mark.
    for (const auto& [marked, rule] : {std::pair(marks.newListing, row.newListing),
                                       std::pair(marks.specialTreatment, row.specialTreatment),
                                       std::pair(marks.growthBoardIndex, row.growthBoardIndex)}) {
        if (marked && !rule->empty()) {
            return limitOn(*rule, date);
        }
    }
    return limitOn(row.usualLimit, date);
}

} // namespace pelmora
