#pragma once

#include "calc/KindRules.h"

#include <array>

namespace pelmora::detail {

// The dated rates and limits the table of kinds is made of, each with where it was announced.
// Only calc/SecurityKindTable.cpp reads them; everything else asks the table.

using std::chrono::August;
using std::chrono::day;
using std::chrono::year;

// The markets that opened after the table's first date: an older trade under one of their codes
// was made elsewhere, at other rates.
inline constexpr TradeDate kStarMarketOpened{year{2019}, std::chrono::July, day{22}};
inline constexpr TradeDate kBeijingExchangeOpened{year{2021}, std::chrono::November, day{15}};

// -- Levies, in percent of the amount --------------------------------------------------------

inline constexpr std::array kNoLevy = {RateFrom{kFirstTableDate, std::nullopt}};

// Stamp duty on sales of shares only, 0.1 % since 2008-09-19 (Ministry of Finance and State
// Administration of Taxation, notice of 2008-09-18 making it one-sided); halved to 0.05 % from
// 2023-08-28 (Ministry of Finance and State Taxation Administration, 2023 announcement No. 39,
// of 2023-08-27).
inline constexpr TradeDate kStampDutyHalved{year{2023}, August, day{28}};
inline constexpr std::array kShareStampDuty = {
    RateFrom{kFirstTableDate, Percent{1, 1}},
    RateFrom{kStampDutyHalved, Percent{5, 2}},
};

// Transfer fee on both sides of a share trade: 0.002 % of the amount on both exchanges from
// 2015-08-01 (CSDC's notice of July 2015 on A-share transfer fees, which replaced Shanghai's fee
// per thousand shares); halved to 0.001 % from 2022-04-29 (CSDC's notice of April 2022 lowering
// the transfer fee on share trades).
inline constexpr TradeDate kTransferFeeHalved{year{2022}, std::chrono::April, day{29}};
inline constexpr std::array kShareTransferFee = {
    RateFrom{kFirstTableDate, Percent{2, 3}},
    RateFrom{kTransferFeeHalved, Percent{1, 3}},
};

// The regulator's fee (证管费), 0.002 % of the amount on both sides of a share trade since
// 2015-08-01 (CSRC, lowered from 0.004 % with the exchanges' fee cuts of July 2015).
inline constexpr Percent kRegulatoryFee{2, 3};

// The handling fee of Shanghai and Shenzhen on A shares: 0.00487 % from 2015-08-01 (SSE and SZSE
// notices of July 2015, down from 0.00696 %); 0.00341 % from 2023-08-28 (SSE and SZSE
// announcements of 2023-08-27 cutting the handling fee by 30 %). Brokers pass it on with the
// regulator's fee as one cost, 规费, rounded once.
inline constexpr TradeDate kHandlingFeesCut{year{2023}, August, day{28}};
inline constexpr std::array kShanghaiShenzhenExchangeFees = {
    RateFrom{kFirstTableDate, plus(Percent{487, 5}, kRegulatoryFee)},
    RateFrom{kHandlingFeesCut, plus(Percent{341, 5}, kRegulatoryFee)},
};

// The Beijing Stock Exchange's handling fee: 0.025 % from its opening on 2021-11-15 (its fee
// schedule at the opening); halved to 0.0125 % from 2023-08-28 (BSE announcement of 2023-08-27).
inline constexpr std::array kBeijingExchangeFees = {
    RateFrom{kFirstTableDate, plus(Percent{25, 3}, kRegulatoryFee)},
    RateFrom{kHandlingFeesCut, plus(Percent{125, 4}, kRegulatoryFee)},
};

// Funds: the exchanges' handling fee on fund trades, 0.004 %, and no regulator's fee, as their fee
// schedules stand today; taken for the whole table, since older figures are not at hand. No stamp
// duty and no transfer fee.
inline constexpr std::array kFundExchangeFees = {RateFrom{kFirstTableDate, Percent{4, 3}}};

// Convertible bonds pay no stamp duty and no transfer fee. Their exchange fees are poorly
// documented and no announcement of today's figure could be traced, so 0.001 % of the amount,
// with no regulator's fee, is a default on the high side of the figures brokers quote, which errs
// towards a higher break-even price; the settings will let the user put in the broker's figure.
inline constexpr std::array kConvertibleExchangeFees = {RateFrom{kFirstTableDate, Percent{1, 3}}};

// -- Daily price limits, in percent of the day before's close ---------------------------------

inline constexpr std::array kNoLimit = {LimitFrom{kFirstTableDate, std::nullopt}};
inline constexpr std::array kTenPercent = {LimitFrom{kFirstTableDate, bothWays({10, 0})}};

// ST shares of the main boards move 5 % a day; from 2026-07-06 10 %, as the board's other
// shares (SSE and SZSE notice on the price limit of main-board risk-warning shares, drafted
// 2025-06-27).
inline constexpr std::array kMainBoardSpecialTreatment = {
    LimitFrom{kFirstTableDate, bothWays({5, 0})},
    LimitFrom{TradeDate{year{2026}, std::chrono::July, day{6}}, bothWays({10, 0})},
};

// A new listing's first day on the main boards was held to 144 % and 64 % of the issue price
// (the exchanges' rules for new shares' first day since 2014); the listings under the
// registration system, the first of them on 2023-04-10, trade without a limit for five days.
inline constexpr LimitPercents kFirstDayOfNewShares{{44, 0}, {36, 0}};
inline constexpr std::array kMainBoardFirstDays = {
    LimitFrom{kFirstTableDate, kFirstDayOfNewShares},
    LimitFrom{TradeDate{year{2023}, std::chrono::April, day{10}}, std::nullopt},
};

// ChiNext moved 10 % a day until its reform took force on 2020-08-24, and 20 % since (SZSE,
// special trading rules of ChiNext, June 2020); its new listings have traded without a limit for
// five days since. The same rules give 20 % to the funds whose index holds ChiNext shares only
// (article 2.9); the STAR Market's index funds, first listed in November 2020, have had 20 %
// from their start.
inline constexpr TradeDate kChiNextReform{year{2020}, August, day{24}};
inline constexpr std::array kGrowthBoardLimits = {
    LimitFrom{kFirstTableDate, bothWays({10, 0})},
    LimitFrom{kChiNextReform, bothWays({20, 0})},
};
inline constexpr std::array kChiNextFirstDays = {
    LimitFrom{kFirstTableDate, kFirstDayOfNewShares},
    LimitFrom{kChiNextReform, std::nullopt},
};

// The STAR Market has moved 20 % a day since it opened, its new listings without a limit for
// five days (SSE, STAR Market trading rules, March 2019).
inline constexpr std::array kTwentyPercent = {LimitFrom{kFirstTableDate, bothWays({20, 0})}};

// The Beijing Stock Exchange moves 30 % a day, a new listing without a limit on its first day
// (BSE trading rules, October 2021).
inline constexpr std::array kThirtyPercent = {LimitFrom{kFirstTableDate, bothWays({30, 0})}};

// Convertible bonds traded without a price limit until 2022-08-01; since then 20 % a day, and
// on the first day 57.3 % up and 43.3 % down (SSE and SZSE implementing rules for convertible
// bond trading, June 2022).
inline constexpr TradeDate kConvertibleBondRules{year{2022}, August, day{1}};
inline constexpr std::array kConvertibleLimits = {
    LimitFrom{kFirstTableDate, std::nullopt},
    LimitFrom{kConvertibleBondRules, bothWays({20, 0})},
};
inline constexpr std::array kConvertibleFirstDay = {
    LimitFrom{kFirstTableDate, std::nullopt},
    LimitFrom{kConvertibleBondRules, LimitPercents{{573, 1}, {433, 1}}},
};

} // namespace pelmora::detail
