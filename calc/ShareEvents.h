#pragma once

#include "calc/JournalTrade.h"
#include "numbers/ExactDecimal.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pelmora {

// A company's distribution as it announces it and the user types it, "10派X送Y转Z": per `base`
// shares, X yuan of cash before tax (派), Y shares out of profits (送) and Z shares out of the
// capital reserve (转 or 转增), any of them left out but not all.
struct Distribution {
    std::int64_t base = 10;
    Decimal cash;
    Decimal bonusShares;
    Decimal reserveShares;
    bool operator==(const Distribution&) const = default;
};

enum class DistributionProblem {
    NoBase,       // it does not open with the shares it is per, a whole number: 10, 10股, 每10股
    NotAFigure,   // a part whose figure is no number above 0, or that holds more than its figure
    Repeated,     // 派, 送 or 转 a second time
    NothingGiven, // none of 派, 送 and 转
};

struct DistributionRefusal {
    DistributionProblem problem = DistributionProblem::NothingGiven;
    std::string part; // the text that does not read: "十" of 十派3, "送三" of 10送三
    bool operator==(const DistributionRefusal&) const = default;
};

// The distribution the text gives. Blanks are passed over; 元 may follow the cash, 股 the base and
// the shares, and (含税) the cash; figures may be written in full-width digits.
std::variant<Distribution, DistributionRefusal> readDistribution(std::string_view text);

// Whose distribution, and when: the shares held at the end of the record date (股权登记日)
// carry it, and its entries are dated the ex-date (除权除息日), which opens with them.
struct DistributionTerms {
    std::string code;
    TradeDate recordDate;
    TradeDate exDate;
    TradeSource source = TradeSource::Manual;
};

enum class DistributionStop {
    ExDateBeforeRecord, // the ex-date comes before the record date
    NothingHeld,        // the journal holds none of the code at the end of the record date
    JournalFault,       // the journal's trades up to the record date do not add up
    Overflow,           // a figure beyond the exact decimals
};

// The journal entries of a distribution to the shares of the code that the journal's trades
// hold at the end of the record date: a 红利 of the cash they get, to the fen, and a 送股 and a
// 转增 of the whole shares they get, each where there is any. The registrar settles a holder's
// fractions of a share among all holders, so a statement may show one share more than this.
std::variant<std::vector<JournalTrade>, DistributionStop>
distributionEntries(const Distribution& distribution, const DistributionTerms& terms,
                    std::span<const JournalTrade> journal);

} // namespace pelmora
