#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace pelmora {

// Every field of the main window that a calculation reads or writes, named after its control.
// Input fields are text boxes, the others result labels.
enum class FieldId {
    nr1,
    jr1,
    yr1,
    sr1, // buy row 1: quantity, price, amount, fee
    nr2,
    jr2,
    yr2,
    sr2,
    nr3,
    jr3,
    yr3,
    sr3,
    nr4,
    jr4,
    yr4,
    sr4,
    srl, // buy fee rate, percent
    nrz,
    yrz,
    srz,
    jrp, // total shares, total invested, total buy fee, average price
    scl, // sell fee rate, percent
    jc,  // sell price
    sc,
    yc,
    lc,
    lcs,    // sell fee, sell amount, sell profit, actual profit
    Label3, // actual break-even sell price
    Text1,  // target actual profit
    Label4, // sell price that reaches the target profit
};

inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(FieldId::Label4) + 1;
inline constexpr int kBuyRows = 4;

// All fields in declaration order, for iterating.
const std::array<FieldId, kFieldCount>& allFields();

// The control name, e.g. "nr1" or "Label3".
std::string_view fieldName(FieldId field);
std::optional<FieldId> fieldByName(std::string_view name);

// The text a fresh window shows: "0.3" and "0.4" in the two rates, empty elsewhere.
std::string_view defaultText(FieldId field);

bool isInputField(FieldId field);

// The four fields of buy row `row` (1..4).
FieldId quantityField(int row);
FieldId priceField(int row);
FieldId amountField(int row);
FieldId feeField(int row);

} // namespace pelmora
