#include "calc/OpeningNeeds.h"

#include <algorithm>
#include <chrono>
#include <map>

namespace pelmora {
namespace {

// An entry of one code as it replays, and where it came from.
struct Placed {
    const JournalTrade* trade = nullptr;
    std::size_t added = 0; // its index in `added`
    bool isAdded = false;
    ReplayKey key;
    std::size_t given = 0; // its place among all given: alike in the replay, they keep it
};

// How an entry moves the shares held.
std::int64_t sharesMoved(const JournalTrade& trade) {
    if (trade.action == TradeAction::Sell) {
        return -trade.quantity;
    }
    return isPurchase(trade.action) || isShareIssue(trade.action) ? trade.quantity : 0;
}

} // namespace

std::vector<OpeningNeed> openingsNeeded(std::span<const JournalTrade> journal,
                                        std::span<const JournalTrade> added,
                                        const std::vector<bool>& passedOver) {
    std::map<std::string, std::vector<Placed>> byCode;
    std::size_t given = 0;
    for (const JournalTrade& trade : journal) {
        byCode[trade.code].push_back({&trade, 0, false, ReplayKey(trade), given++});
    }
    for (std::size_t i = 0; i < added.size(); ++i) {
        if (i >= passedOver.size() || !passedOver[i]) {
            byCode[added[i].code].push_back({&added[i], i, true, ReplayKey(added[i]), given++});
        }
    }
    std::vector<OpeningNeed> needs;
    for (auto& [code, entries] : byCode) {
        std::ranges::sort(entries, [](const Placed& a, const Placed& b) {
            return a.key < b.key || (!(b.key < a.key) && a.given < b.given);
        });
        // The opening replays the day before the code's first added entry, ahead of all it
        // adds; the journal's own trades before it never sell short, so it covers every sale.
        std::int64_t held = 0;
        std::int64_t shortest = 0;
        std::optional<OpeningNeed> need;
        for (const Placed& placed : entries) {
            const JournalTrade& trade = *placed.trade;
            if (placed.isAdded && !need) {
                need = OpeningNeed{
                    code,       trade.name,
                    trade.kind, std::chrono::sys_days(trade.date) - std::chrono::days(1),
                    0,          placed.added};
            }
            held += sharesMoved(trade);
            if (held < shortest) {
                if (need && need->shares == 0) {
                    need->firstSale = placed.added;
                }
                shortest = held;
                if (need) {
                    need->shares = -shortest;
                }
            }
        }
        if (need && need->shares > 0) {
            needs.push_back(std::move(*need));
        }
    }
    std::ranges::sort(needs, [&](const OpeningNeed& a, const OpeningNeed& b) {
        return a.firstSale < b.firstSale;
    });
    return needs;
}

JournalTrade openingEntry(const OpeningNeed& need, std::optional<Decimal> cost,
                          TradeSource source) {
    JournalTrade opening;
    opening.date = need.date;
    opening.code = need.code;
    opening.name = need.name;
    opening.kind = need.kind;
    opening.action = TradeAction::Opening;
    opening.quantity = need.shares;
    opening.amount = cost;
    opening.source = source;
    return opening;
}

} // namespace pelmora
