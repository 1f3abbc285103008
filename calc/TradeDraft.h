#pragma once

#include "calc/Holdings.h"
#include "calc/JournalTrade.h"
#include "calc/OrderCosting.h"

#include <array>
#include <optional>
#include <string>
#include <variant>

namespace pelmora {

// A trade as the user types it, and the journal trade it makes: read, checked and costed once,
// so that the journal window and the console program refuse the same things and record the same
// costs.

// The journal's commission: every journal trade is costed at these rates, however it is
// recorded, with the settings' minimum and levies.
struct JournalCommission {
    Decimal buyPercent;
    Decimal sellPercent;
    Decimal minimum; // yuan
    LevySettings levies;
    bool operator==(const JournalCommission&) const = default;
};

// The terms an order of `kind` on `date` is costed on.
OrderTerms journalTerms(const JournalCommission& commission, SecurityKind kind, TradeDate date,
                        Side side);

// The boxes of a trade, each named in a refusal.
enum class DraftBox {
    Date,
    Time,
    Code,
    Name,
    Kind,
    Quantity,
    Price,
    TotalCost, // an opening holding's
    Commission,
    StampDuty,
    TransferFee,
    ExchangeFees,
};

enum class DraftProblem {
    DateUnreadable,   // not YYYY-MM-DD nor YYYYMMDD, or no such day
    DateInFuture,     // after today in China
    TimeUnreadable,   // not HH:MM:SS nor HH:MM
    CodeFitsNoKind,   // not a six-digit code of a kind the program costs
    NotANumber,       // a quantity, price or cost that is no number
    NotWholePositive, // a quantity that is not a whole number above 0
    NotPositive,      // a price or total cost not above 0
    NegativeCost,     // a typed cost below 0
    BreaksLots,       // a typed purchase off its kind's lots
    CostsNeeded,      // a trade before the table's rates: its costs are to be typed
    Overflow,         // a figure beyond the exact decimals
};

struct DraftRefusal {
    DraftBox box = DraftBox::Date;
    DraftProblem problem = DraftProblem::NotANumber;
    std::string text; // the box's text
    bool operator==(const DraftRefusal&) const = default;
};

struct TradeDraft {
    std::string date;
    std::string time; // may be empty
    std::string code;
    std::string name;
    std::optional<SecurityKind> kind; // none: the code's
    TradeAction action = TradeAction::Buy;
    std::string quantity;
    std::string price; // an opening holding's total cost
    // A cost as the broker charged it, typed instead of worked out; empty ones are worked out.
    std::array<std::string, 4> typedCosts{};
    std::string note;
    TradeSource source = TradeSource::Manual;
};

// The trade the draft makes, its costs worked out where not typed, or the first box refused.
// Only a manual purchase is held to its kind's lots: the windows' and statements' trades were
// done. Whether a sale sells more than is held is the journal's to check, against the others.
std::variant<JournalTrade, DraftRefusal>
draftTrade(const TradeDraft& draft, const JournalCommission& commission, TradeDate today);

// A recorded trade costed again at the commission, as draftTrade costs one: the costs an order
// from a window will be recorded with. None where the date has no rates.
std::optional<TradeCosts> journalCosts(const JournalTrade& trade,
                                       const JournalCommission& commission);

} // namespace pelmora
