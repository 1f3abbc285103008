#pragma once

namespace pelmora {

// What the calculations take from outside the fields.
struct CalcSettings {
    // The user's locale writes a comma as its decimal point. A comma is then never read as
    // grouping: "8,888" would be 8888 to the program and 8.888 to the user.
    bool decimalComma = false;
};

} // namespace pelmora
