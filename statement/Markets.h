#pragma once

#include "statement/Statement.h"

#include <string>
#include <string_view>

namespace pelmora {

// The market a row names in its market column: 港股通 (and 沪港通, 深港通) apart, since such rows
// are never taken; a number alone is a client's own mark for a market and says nothing.
struct MarketNamed {
    Market market = Market::Unknown;
    bool hongKongConnect = false;
};
MarketNamed marketOfText(std::string_view text);

// The exchange a shareholder account is held at, by its form: a letter and digits at Shanghai,
// digits alone at Shenzhen (where Beijing's accounts are too, whose codes also have six digits).
Market marketOfAccount(std::string_view account);

// A code with the leading zeros a spreadsheet dropped restored ("878" is 000878), where the
// market's codes have six digits: Shanghai, Shenzhen, Beijing, and an unknown market.
std::string restoredCode(std::string_view code, Market market);

// Whether a currency cell says renminbi (or nothing).
bool isRenminbi(std::string_view currency);

} // namespace pelmora
