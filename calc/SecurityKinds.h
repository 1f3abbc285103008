#pragma once

#include "numbers/ExactDecimal.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pelmora {

// What is traded. Each kind has its own price step, lots, levies and daily price limit, all held
// in one table (calc/SecurityKindTable.cpp), a row per kind in this order.
enum class SecurityKind : std::uint8_t {
    MainBoard,       // 沪深主板
    ChiNext,         // 创业板
    StarMarket,      // 科创板
    Beijing,         // 北交所
    Fund,            // ETF/LOF
    ConvertibleBond, // 可转债, and the exchangeable bonds, which trade by the same rules
};

inline constexpr std::array kAllKinds = {
    SecurityKind::MainBoard, SecurityKind::ChiNext, SecurityKind::StarMarket,
    SecurityKind::Beijing,   SecurityKind::Fund,    SecurityKind::ConvertibleBond,
};
inline constexpr std::size_t kKindCount = kAllKinds.size();

// The day an order was traded on; the levies and the price limits depend on it.
using TradeDate = std::chrono::year_month_day;

// The first day the table has rates for: on 2015-08-01 the transfer fee became a share of the
// amount on both exchanges, and the handling and regulator's fees took the rates the table starts
// from. An earlier trade is costed from what the user types or the broker's statement shows.
inline constexpr TradeDate kFirstTableDate{std::chrono::year{2015}, std::chrono::August,
                                           std::chrono::day{1}};

// The quantities a purchase may have: `least`, then every `step` more. A sale may also hold the
// odd remainder of a holding, sold all at once, so this rules purchases only.
struct PurchaseLots {
    std::int64_t least = 0;
    std::int64_t step = 0;
    bool operator==(const PurchaseLots&) const = default;
};

// The exchange's price step: 0.01 for shares, 0.001 for funds and bonds.
Decimal priceStep(SecurityKind kind);
int priceDecimals(SecurityKind kind);
PurchaseLots purchaseLots(SecurityKind kind);

// The word the settings file stores a kind as; none for a word that names no kind.
std::string_view storageKey(SecurityKind kind);
std::optional<SecurityKind> kindOfStorageKey(std::string_view key);

// The levies of an order, in percent of its amount.
struct LevyRates {
    std::optional<Decimal> stampDuty;   // sales only; none for a kind that pays none
    std::optional<Decimal> transferFee; // both sides; none for a kind that pays none
    Decimal exchangeFees; // 规费, the exchange's handling fee and the regulator's fee: one cost
    bool operator==(const LevyRates&) const = default;
};

// The levies of an order traded on `date`; none before the table's first date, or before the
// kind's exchange opened.
std::optional<LevyRates> levyRatesOn(SecurityKind kind, TradeDate date);

// The day the table's latest rate of each levy the user can set took force: the user's settings
// stand for trades on and after it, the table's rates for earlier ones.
TradeDate latestStampDutyChange();
TradeDate latestTransferFeeChange();

// What a code and a date cannot tell without a trading calendar, so the user marks it.
struct PriceLimitMarks {
    bool specialTreatment = false; // ST, *ST
    bool newListing = false;       // 新股: a listing's first days without the usual limit
    bool growthBoardIndex = false; // an ETF whose index is of 创业板 or 科创板 shares
};

// How far a price may move in a day from the day before's close, in percent.
struct PriceLimit {
    Decimal upPercent;
    Decimal downPercent;
    bool operator==(const PriceLimit&) const = default;
};

// The daily price limit on `date`; none where the price may move without limit. A date before
// the table's first date has the limits of that first date, which had stood for years by then.
std::optional<PriceLimit> priceLimitOn(SecurityKind kind, TradeDate date, PriceLimitMarks marks);

// The kind that a six-digit code of either exchange trades as; none for a code the program does
// not cost (B shares, repos, subscription codes, Hong Kong's five-digit codes) and for anything
// but six ASCII digits.
std::optional<SecurityKind> kindOfCode(std::string_view code);

} // namespace pelmora
