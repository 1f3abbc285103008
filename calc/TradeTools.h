#pragma once

#include "calc/CalcOutcome.h"
#include "calc/CalcRecord.h"
#include "calc/CalcSettings.h"
#include "calc/OrderCosting.h"
#include "calc/PriceScan.h"
#include "numbers/ExactDecimal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace pelmora {

// The trade tools: a round trip (做T), adding to a holding (补仓) and selling part of one (减仓),
// worked out exactly. Money is quantity × price exactly, each cost of an order is rounded once to
// the fen from its exact value (costOrder), and a figure is compared with a goal as it is shown.

// How the tools cost an order: the settings window's costs, whether or not the main window counts
// them, and the main window's commission rates as typed when the tool's button is pressed, at
// today's rules.
struct ToolCosting {
    FullCost costs;
    std::string buyRate;  // srl, percent
    std::string sellRate; // scl, percent
    bool decimalComma = false;
    std::optional<TradeDate> date = std::nullopt; // none for today
};

// Every box the tools read, in the order Tab visits them.
enum class ToolField {
    RoundTripQuantity,  // 做T 数量
    RoundTripBuyPrice,  // 做T 买入价
    RoundTripSellPrice, // 做T 卖出价
    RoundTripGoal,      // 做T 目标收益
    AddHeld,            // 补仓 持仓数量
    AddCost,            // 补仓 成本价
    AddPrice,           // 补仓 补仓价
    AddTarget,          // 补仓 目标成本
    ReduceHeld,         // 减仓 持仓数量
    ReduceCost,         // 减仓 成本价
    ReduceQuantity,     // 减仓 卖出数量
    ReducePrice,        // 减仓 卖出价
    BuyRate,            // the main window's srl
    SellRate,           // the main window's scl
};
inline constexpr std::size_t kToolFieldCount = static_cast<std::size_t>(ToolField::SellRate) + 1;

// Why a tool gives no answer; the failure names the box to blame.
enum class ToolProblem {
    Unreadable,         // the text is not a number; ToolFailure::reason says how
    NotWholePositive,   // a quantity that is zero, negative or a part of a share
    PriceNotPositive,   // a price (or a cost per share) that is not above 0
    NegativeRate,       // a commission rate below 0
    RatesTakeAll,       // the sell rates take 100 % or more of a sale: no price recovers money
    NoPrice,            // 做T with both prices empty
    TargetNotBetween,   // 补仓's target is not below the cost and above the price
    AboveHighest,       // no price up to kHighestPrice does it
    BelowLowest,        // no price down to one step does it
    MoreThanMostShares, // no quantity up to kMostShares does it
    SellingMoreThanHeld,
    SellingNone,
    SellingPartOfShare,
    Overflow,        // a figure from the box grows beyond what the exact arithmetic holds
    TooManyDecimals, // a figure from the box needs more decimals than the exact arithmetic holds
    // More than kMostTries prices or quantities would have to be tried: the rates keep almost
    // nothing of a sale, or the target lies within a hair of the price with its costs.
    TooManyToTry,
};

struct ToolFailure {
    ToolField field;
    ToolProblem problem;
    std::string text;                           // the box's text at the press
    Unreadable reason = Unreadable::NotANumber; // meaningful for ToolProblem::Unreadable
    bool operator==(const ToolFailure&) const = default;
};

// The most shares 补仓 looks at before calling a target unreachable.
inline constexpr std::int64_t kMostShares = 100'000'000;
// Costs per share are shown as brokers show them; share counts are whole.
inline constexpr int kCostPerShareDecimals = 3;
inline constexpr int kShareDecimals = 0;

// A price a tool solves for, or why it has none: the tooltip of its empty box says so.
struct SolvedPrice {
    std::optional<Decimal> price;
    SearchEnd end = SearchEnd::Found;
    bool operator==(const SolvedPrice&) const = default;
};

// 做T: q shares bought at one price and sold at another, in either order.
struct RoundTripInput {
    std::string quantity;
    std::string buyPrice;  // may be empty: then the break-even buy-back price is used
    std::string sellPrice; // may be empty: then the break-even sell price is used
    std::string goal;      // 目标收益
};

struct RoundTripResult {
    Decimal profit;   // 收益, to the fen
    Decimal costs;    // 费用合计, both legs
    Decimal buyPrice; // the prices the figures were worked at: typed or solved
    Decimal sellPrice;
    CostedOrder buy;
    CostedOrder sell;
    std::optional<SolvedPrice> breakEvenSell;    // 保本卖出价; none without a buy price
    std::optional<SolvedPrice> breakEvenBuyBack; // 保本买回价; none without a sell price
    // The typed prices that lie off the exchange's step: taken as they are, and said.
    std::vector<ToolField> offStep;
    int priceDecimals = 2;
    bool operator==(const RoundTripResult&) const = default;
};

// 收益 of `quantity` shares bought at `buyPrice` and sold at `sellPrice`, shown to the fen:
// q·S − cost(sell, q·S) − q·B − cost(buy, q·B). None when a figure cannot be held.
std::optional<Decimal> roundTripProfit(const Decimal& quantity, const Decimal& buyPrice,
                                       const Decimal& sellPrice, const ToolCosting& costing);

std::variant<RoundTripResult, ToolFailure> roundTrip(const RoundTripInput& input,
                                                     const ToolCosting& costing);

struct AddPositionInput {
    std::string held;   // N
    std::string cost;   // C, per share with costs
    std::string price;  // P
    std::string target; // T
    PurchaseLots lots = purchaseLots(SecurityKind::MainBoard);
    // N·C exactly, where the two boxes hold what the main window's holding filled in: its total
    // cost, of which the box shows only three decimals a share.
    std::optional<Decimal> heldTotal = std::nullopt;
};

// A quantity to buy and the cost per share it brings the holding to.
struct QuantityAndCost {
    std::int64_t quantity = 0;
    Decimal cost; // 3 decimals
    bool operator==(const QuantityAndCost&) const = default;
};

struct AddPositionResult {
    std::int64_t quantity = 0; // 需买数量
    CostedOrder order;
    Decimal funds;   // 所需资金: the amount and its costs
    Decimal newCost; // 补仓后成本, 3 decimals
    // The next smaller legal quantity and the cost it reaches; none at the least legal quantity.
    std::optional<QuantityAndCost> fewer;
    bool priceOffStep = false;
    bool operator==(const AddPositionResult&) const = default;
};

std::variant<AddPositionResult, ToolFailure> addPosition(const AddPositionInput& input,
                                                         const ToolCosting& costing);

// The cost per share shown after buying `quantity` more at `price` to a holding that cost
// `heldValue` (N·C) for `held` shares: (N·C + amount + costs) / (N + quantity) to 3 decimals,
// half away from zero. For the property test and the window's tooltips.
std::optional<Decimal> costAfterBuying(const Decimal& held, const Decimal& heldValue,
                                       const Decimal& price, std::int64_t quantity,
                                       const ToolCosting& costing);

struct ReducePositionInput {
    std::string held;     // N
    std::string cost;     // C
    std::string quantity; // y
    std::string price;    // S
    // N·C exactly, as for AddPositionInput.
    std::optional<Decimal> heldTotal = std::nullopt;
};

struct ReducePositionResult {
    Decimal realized;  // 实现盈亏: proceeds − y·C, to the fen
    Decimal remaining; // 剩余数量: N − y
    CostedOrder sale;
    std::optional<Decimal> dilutedCost; // 摊薄成本, 3 decimals, may be negative; none if all sold
    std::optional<SolvedPrice> breakEvenPrice; // 保本价; none when all is sold or already covered
    bool alreadyCovered = false;               // 已保本: the sale alone covers N·C
    bool priceOffStep = false;
    int priceDecimals = 2;
    bool operator==(const ReducePositionResult&) const = default;
};

// What the whole holding comes to when the `remaining` shares are sold at `price` after the
// first sale brought in `proceeds`: proceeds + the second sale's proceeds − N·C, to the fen.
std::optional<Decimal> wholeHoldingResult(const Decimal& heldValue, const Decimal& proceeds,
                                          const Decimal& remaining, const Decimal& price,
                                          const ToolCosting& costing);

std::variant<ReducePositionResult, ToolFailure> reducePosition(const ReducePositionInput& input,
                                                               const ToolCosting& costing);

// A holding's cost per share as brokers show it: its total cost / its shares, to 3 decimals half
// away from zero. None when it holds no shares.
std::optional<Decimal> costPerShare(const Holding& holding);

} // namespace pelmora
