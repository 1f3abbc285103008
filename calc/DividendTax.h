#pragma once

#include "calc/SecurityKinds.h"
#include "calc/ShareLots.h"
#include "numbers/ExactDecimal.h"

#include <optional>
#include <span>

namespace pelmora {

// The tax on a listed company's dividends (股息红利差别化个人所得税, 财税〔2012〕85号 and
// 〔2015〕101号): nothing is withheld when a dividend is paid; when shares that carried one are
// sold, the broker charges (补缴) a tax that depends on how long they were held. Of the dividend,
// all is taxable for shares held one month or less, half for more than a month up to a year, none
// beyond; at the rate of 20 %, so 20 %, 10 % or nothing of the dividend.

enum class HoldingPeriod {
    UpToAMonth, // 1个月以内（含1个月）
    UpToAYear,  // 1个月以上至1年（含1年）
    OverAYear,  // 1年以上
};

// How long shares acquired on `acquired` and sold on `sold` were held.
//
// The period runs from the day the shares were acquired to the day before the sale is delivered
// (转让交割该股票之日前一日), in calendar months: one month is from a day of one month to the
// day before the same day of the next (the end of the next month where it has no such day), one
// year likewise. The shares sold leave the account at the day-end settlement of the trading day
// itself (the holding counted is the one after each day-end settlement; the cash follows a day
// later), so the last day held is the day before the sale. Shares bought 2024-01-15 and sold
// 2024-02-15 were held from 2024-01-15 to 2024-02-14, one month exactly: one month or less. Sold
// on 2024-02-16, they were held more than a month; sold on 2025-01-15, a year or less; on
// 2025-01-16, more than a year.
HoldingPeriod holdingPeriod(TradeDate acquired, TradeDate sold);

// What a share of 送股 counts as to the tax: its face value, 1 yuan. 转增 from the capital reserve
// counts as nothing.
Decimal bonusShareFaceValue();

// The share of a dividend the tax takes: 0.2, 0.1 or 0.
Decimal dividendTaxRate(HoldingPeriod period);

// The tax a sale on `sold` is expected to be charged for the dividends its shares carried, to the
// fen; none only past the exact decimals' range.
std::optional<Decimal> dividendTaxOnSale(std::span<const SoldPortion> portions, TradeDate sold);
// That tax before it is rounded: each portion's dividends at its period's rate, exactly.
std::optional<Decimal> exactDividendTax(std::span<const SoldPortion> portions, TradeDate sold);

} // namespace pelmora
