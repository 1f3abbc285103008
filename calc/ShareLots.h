#pragma once

#include "calc/SecurityKinds.h"
#include "numbers/ExactDecimal.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace pelmora {

// A holding's shares by the day they were acquired, oldest first, as the dividend tax sees
// them: a sale takes the oldest shares first (先进先出), and each lot carries the dividends its
// shares received and no sale has taxed yet. 送股 and 转增 join the lots they were given to, with
// their dates. The basis is not kept here: the journal's holding cost is an average (B/Q).
struct ShareLot {
    TradeDate acquired;
    std::int64_t shares = 0;
    Decimal dividends; // the taxable dividends the lot's shares carry, in yuan
    bool operator==(const ShareLot&) const = default;
};

// Shares of one lot that a sale took, with their part of its dividends.
struct SoldPortion {
    TradeDate acquired;
    std::int64_t shares = 0;
    Decimal dividends;
    bool operator==(const SoldPortion&) const = default;
};

// The lots of one holding. Each change is exact; none where a figure leaves the decimals, and
// the lots are then left as they may be half changed, which stops the replay anyway.
class ShareLots {
public:
    [[nodiscard]] const std::deque<ShareLot>& lots() const { return m_lots; }
    [[nodiscard]] std::int64_t shares() const;

    // Shares bought on `date`.
    void acquire(TradeDate date, std::int64_t shares);
    // `income` of taxable dividends spread over the lots held by their shares; false where there
    // is none to carry it or a figure overflows.
    bool receive(const Decimal& income);
    // `shares` new shares spread over the lots by their shares, the largest remainders taking the
    // odd ones; with no lot held they make one of `date`. False where a figure overflows.
    bool issue(std::int64_t shares, TradeDate date);
    // The oldest `shares` shares taken out; none where fewer are held or a figure overflows.
    std::optional<std::vector<SoldPortion>> sell(std::int64_t shares);

    bool operator==(const ShareLots&) const = default;

private:
    std::deque<ShareLot> m_lots; // a sale takes from the front
};

} // namespace pelmora
