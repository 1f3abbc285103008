#pragma once

#include "calc/ExactMath.h"
#include "calc/SecurityKinds.h"
#include "numbers/ExactDecimal.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <variant>

namespace pelmora {

// What one order costs, in exact decimals: the one costing of the program. The full-cost mode,
// the trade tools and the journal all cost their orders here; only the commission-only mode keeps
// its own rules in doubles (FeeRule), as it was designed.

// Brokers and exchanges charge every cost in whole fen.
inline constexpr int kFenDecimals = 2;

// Which side of a trade an order is on.
enum class Side { Buy, Sell };

// One cost of a trade, as a broker's statement lists it.
enum class Cost { Commission, StampDuty, TransferFee, ExchangeFees };

// The levies as the user sets them: the stamp duty and the transfer fee in percent, which apply
// from the table's latest change of each on (earlier trades pay the table's rate of their day),
// and whether the broker charges the exchange's fees (规费) on top of the commission.
struct LevySettings {
    Decimal stampDutyPercent;
    Decimal transferFeePercent;
    bool exchangeFees = false;
    bool operator==(const LevySettings&) const = default;
};

// Everything an order's costs depend on but its side and its amount. The caller chooses the
// commission rate: the main window's buy or sell rate, or the broker's on a statement.
struct OrderTerms {
    Decimal commissionPercent;
    Decimal minimumCommission; // yuan; 0 for none
    LevySettings levies;
    SecurityKind kind = SecurityKind::MainBoard;
    TradeDate date;
    bool operator==(const OrderTerms&) const = default;
};

struct CostItem {
    Cost cost = Cost::Commission;
    Decimal amount;
    bool operator==(const CostItem&) const = default;
};

// The costs of one order in the order they are charged, each at most once: kept in place, since
// a scan costs thousands of orders.
class CostList {
public:
    void add(Cost cost, const Decimal& amount);
    [[nodiscard]] const CostItem* begin() const { return m_items.data(); }
    [[nodiscard]] const CostItem* end() const { return m_items.data() + m_count; }
    [[nodiscard]] std::size_t size() const { return m_count; }
    [[nodiscard]] bool empty() const { return m_count == 0; }
    bool operator==(const CostList& other) const;

private:
    static constexpr std::size_t kKinds = 4;
    std::array<CostItem, kKinds> m_items{};
    std::size_t m_count = 0;
};

// One order costed: its amount, each cost rounded half away from zero to the fen from its exact
// value, and their exact sum.
struct CostedOrder {
    Decimal amount;
    CostList costs;
    Decimal total;
    bool operator==(const CostedOrder&) const = default;
};

// Why an order has no costs.
enum class CostingStop {
    NoRatesOnDate,   // the trade lies before the table of dated rates: its costs are to be typed
    RateFault,       // the commission rate's share of an amount cannot be held exactly
    SettingFault,    // nor can a levy setting's
    CommissionFault, // the commission, or the sum of the costs: from the rate and the amount
    LevyFault,       // a levy: from the amount alone, its rate being a setting
};

struct CostingFailure {
    CostingStop stop;
    ExactFault fault = ExactFault::TooLarge;
    bool operator==(const CostingFailure&) const = default;
};

// The costs of one side's orders on their terms, the rates turned into shares of the amount once,
// so that a scan costs many orders cheaply. Its order() is the costing rule: an order of a
// non-zero amount pays max(rate × amount, minimum) commission on either side, a rate of 0
// included, and an order of amount 0 (a buy row that bought nothing) pays none; each levy is its
// rate × amount. Amounts of either sign are costed alike.
class OrderCoster final {
public:
    static std::variant<OrderCoster, CostingFailure> make(const OrderTerms& terms, Side side);

    [[nodiscard]] std::variant<CostedOrder, CostingFailure> order(const Decimal& amount) const;
    // The order's total, with the inputs `amount` came from.
    [[nodiscard]] detail::Exact total(const detail::Exact& amount) const;

    // What the scans' bounds are made of: a total lies within roundingSlack() of
    // max(amount × commissionShare, minimum) + amount × levyShare.
    [[nodiscard]] const Decimal& commissionShare() const { return m_commissionShare; }
    [[nodiscard]] const Decimal& levyShare() const { return m_levyShare; }
    [[nodiscard]] const Decimal& minimum() const { return m_minimum; }
    [[nodiscard]] Decimal roundingSlack() const;
    // The least number of shares t for which t × price × each cost's share is whole in fen: once
    // the commission is past its minimum, how the costs round repeats every t shares. At most
    // `cap`.
    [[nodiscard]] std::int64_t roundingPeriod(const Decimal& price, std::int64_t cap) const;
    // The levies this side pays, with their rates in percent, in the order they are charged.
    [[nodiscard]] std::size_t levyCount() const { return m_levyCount; }
    [[nodiscard]] Cost levyCost(std::size_t i) const { return m_levies.at(i).cost; }
    [[nodiscard]] const Decimal& levyPercent(std::size_t i) const { return m_levies.at(i).percent; }

private:
    struct Rate {
        Cost cost = Cost::StampDuty;
        Decimal percent;
        Decimal share;
    };
    static constexpr std::size_t kMostLevies = 3;

    Decimal m_commissionShare;
    Decimal m_minimum;
    Decimal m_levyShare;
    std::array<Rate, kMostLevies> m_levies{};
    std::size_t m_levyCount = 0;
};

// One order costed on its terms: the costing that every part of the program goes through.
std::variant<CostedOrder, CostingFailure> costOrder(const OrderTerms& terms, Side side,
                                                    const Decimal& amount);

} // namespace pelmora
