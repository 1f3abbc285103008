#pragma once

#include "calc/ExactMath.h"
#include "calc/TradeTools.h"

#include <optional>
#include <vector>

namespace pelmora::detail {

// The costs of one side's orders at one commission rate, with the settings turned into exact
// decimals once, so that a scan costs many orders cheaply.
class OrderPricer final {
public:
    // None when a setting does not fit an exact decimal.
    static std::optional<OrderPricer> make(const FullCost& costs, Side side,
                                           const Decimal& ratePercent);

    [[nodiscard]] std::optional<CostedOrder> order(const Decimal& amount) const;
    [[nodiscard]] Exact total(const Exact& amount) const;

    // What the bounds of the scans are made of: every cost is its exact value rounded half away
    // from zero to the fen, the commission's exact value is max(amount × commissionShare,
    // minimum) and each levy's is amount × its share, so a total lies within roundingSlack() of
    // max(amount × commissionShare, minimum) + amount × levyShare.
    [[nodiscard]] const Decimal& commissionShare() const { return m_commissionShare; }
    [[nodiscard]] const Decimal& levyShare() const { return m_levyShare; }
    [[nodiscard]] const Decimal& minimum() const { return m_minimum; }
    [[nodiscard]] Exact roundingSlack() const;
    // The least number of shares t for which t × price × each cost's share is whole in fen: once
    // the commission is past its minimum, how the costs round repeats every t shares. At most
    // `cap`.
    [[nodiscard]] std::int64_t roundingPeriod(const Decimal& price, std::int64_t cap) const;

private:
    struct ExactLevy {
        Cost cost;
        Decimal share;
    };
    Decimal m_commissionShare;
    Decimal m_minimum;
    Decimal m_levyShare;
    std::vector<ExactLevy> m_levies;
};

} // namespace pelmora::detail
