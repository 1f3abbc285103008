#pragma once

#include "calc/JournalTrade.h"
#include "numbers/ExactDecimal.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pelmora {

// Shares sold that the journal never saw bought: a statement starts long after the account
// did. Such a sale comes in against an opening holding (期初持仓) of the shares held before it,
// at a cost the user gives or at 未知成本.

struct OpeningNeed {
    std::string code;
    std::string name;
    SecurityKind kind = SecurityKind::MainBoard;
    TradeDate date;            // the day before the code's first entry added: held by then
    std::int64_t shares = 0;   // the least that keeps every sale of the code covered
    std::size_t firstSale = 0; // the first entry added, by its index, that sells too many
};

// The opening holdings that `added` needs on top of `journal`, by code in the order of their
// first sale short of shares; none for a code whose every sale is covered. The entries of
// `added` that `passedOver` marks (the journal holds them already) are not added.
std::vector<OpeningNeed> openingsNeeded(std::span<const JournalTrade> journal,
                                        std::span<const JournalTrade> added,
                                        const std::vector<bool>& passedOver = {});

// The entry of an opening holding: at `cost` in total, or at 未知成本 where none is given.
JournalTrade openingEntry(const OpeningNeed& need, std::optional<Decimal> cost, TradeSource source);

} // namespace pelmora
