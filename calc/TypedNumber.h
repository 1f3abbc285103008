#pragma once

#include "calc/CalcOutcome.h"
#include "numbers/ExactDecimal.h"

#include <string_view>
#include <variant>

namespace pelmora::detail {

// A typed text's number, read the same way for the fields and the settings: with ToNumber, and
// not at all when it holds a comma (ASCII or full-width) where the user's locale writes a comma
// as its decimal point, since "8,888" would be 8888 to the program and 8.888 to the user.
std::variant<double, Unreadable> readTyped(std::string_view text, bool decimalComma);

// The same text read once, exactly, for the trade tools, with the same comma rule; a number the
// exact arithmetic cannot hold says which of its limits it passes.
std::variant<Decimal, Unreadable> readTypedExact(std::string_view text, bool decimalComma);

} // namespace pelmora::detail
