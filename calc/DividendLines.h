#pragma once

#include "calc/Holdings.h"
#include "calc/JournalTrade.h"
#include "numbers/ExactDecimal.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace pelmora {

// The journal's dividends one by one, each with the tax (补缴) its shares' sales owe on it.
//
// A sale's expected tax (Ledger::dividendTaxOf) is linear in the dividends its lots carry: each
// dividend's part of it is the tax the sale would owe were that dividend the holding's only one.
// The sale's tax is rounded to the fen once, so its parts are shared out of it to the fen, in
// proportion to those exact taxes, and add up to it exactly.
//
// The broker's charges (红利税 entries) are set against the sales (matchTaxCharges), and each is
// shared out likewise over the dividends behind the sales it covers, in proportion to their
// parts of those sales' tax, adding up to it exactly. A charge that covers no sale falls to the
// latest dividend of its code dated before it; one dated before them all is left out.
struct DividendLine {
    std::size_t entry = 0; // index of the Dividend (or BonusShares) entry in the trades given
    std::string code;
    TradeDate date;
    std::int64_t shares = 0; // the entry's quantity
    Decimal cash;            // the dividend's cash; a 送股's taxable face value
    Decimal taxExpected;     // the tax the sales so far are expected to pay on it
    Decimal taxCharged;      // the part of the broker's 补缴 charges that falls to it
    bool operator==(const DividendLine&) const = default;
};

// Every 红利 and 送股 entry in replay order, trades given in any order; or the entry that stops
// the replay.
std::variant<std::vector<DividendLine>, LedgerFault>
dividendLines(std::span<const JournalTrade> trades);

} // namespace pelmora
