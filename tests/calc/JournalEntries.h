#pragma once

#include "calc/JournalTrade.h"

#include <sstream>
#include <string>
#include <vector>

namespace pelmora::test {

// Entries of `code` as "DATE ACTION QUANTITY FIGURE COSTS; …", the action by its stored key, the
// figure a price, a total cost ("-" for unknown), a dividend's cash or a tax.
inline std::vector<JournalTrade> entriesOf(const std::string& list,
                                           const std::string& code = "600000") {
    std::vector<JournalTrade> entries;
    std::istringstream in(list);
    std::string date;
    std::string action;
    std::string figure;
    std::string costs;
    JournalTrade entry;
    entry.code = code;
    while (in >> date >> action >> entry.quantity >> figure >> costs) {
        entry.id = static_cast<std::int64_t>(entries.size()) + 1;
        entry.date = *readDate(date);
        entry.action = *tradeActionOfKey(action);
        entry.amount = Decimal::fromText(figure);
        entry.price.reset();
        if (hasPrice(entry.action)) {
            entry.price = entry.amount;
            entry.amount = entry.price->times(Decimal::whole(entry.quantity));
        }
        entry.costs.of(Cost::Commission) = *Decimal::fromText(costs.substr(0, costs.find(';')));
        entries.push_back(entry);
    }
    return entries;
}

} // namespace pelmora::test
