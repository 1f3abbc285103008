#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace pelmora {

// Whether the user types a field's text (a text box) or a calculation writes it (a label).
enum class FieldKind : std::uint8_t { Input, Result };

// A field's place in one of the four buy rows; None outside them.
enum class RowColumn : std::uint8_t { None, Quantity, Price, Amount, Fee };

// Every field of the main window that a calculation reads or writes, one line each: its
// control's name, kind, buy row (0 outside the rows) and column there, and the text a fresh
// window shows. The enumeration FieldId and the table below are both made from this list, so a
// new field is one line here.
#define PELMORA_TRADE_FIELDS(FIELD)                                                                \
    FIELD(nr1, Input, 1, Quantity, "")                                                             \
    FIELD(jr1, Input, 1, Price, "")                                                                \
    FIELD(yr1, Result, 1, Amount, "")                                                              \
    FIELD(sr1, Result, 1, Fee, "")                                                                 \
    FIELD(nr2, Input, 2, Quantity, "")                                                             \
    FIELD(jr2, Input, 2, Price, "")                                                                \
    FIELD(yr2, Result, 2, Amount, "")                                                              \
    FIELD(sr2, Result, 2, Fee, "")                                                                 \
    FIELD(nr3, Input, 3, Quantity, "")                                                             \
    FIELD(jr3, Input, 3, Price, "")                                                                \
    FIELD(yr3, Result, 3, Amount, "")                                                              \
    FIELD(sr3, Result, 3, Fee, "")                                                                 \
    FIELD(nr4, Input, 4, Quantity, "")                                                             \
    FIELD(jr4, Input, 4, Price, "")                                                                \
    FIELD(yr4, Result, 4, Amount, "")                                                              \
    FIELD(sr4, Result, 4, Fee, "")                                                                 \
    FIELD(srl, Input, 0, None, "0.3")  /* buy fee rate, percent */                                 \
    FIELD(nrz, Result, 0, None, "")    /* total shares */                                          \
    FIELD(yrz, Result, 0, None, "")    /* total invested */                                        \
    FIELD(srz, Result, 0, None, "")    /* total buy fee */                                         \
    FIELD(jrp, Result, 0, None, "")    /* average buy price */                                     \
    FIELD(scl, Input, 0, None, "0.4")  /* sell fee rate, percent */                                \
    FIELD(jc, Input, 0, None, "")      /* sell price */                                            \
    FIELD(sc, Result, 0, None, "")     /* sell fee */                                              \
    FIELD(yc, Result, 0, None, "")     /* sell amount */                                           \
    FIELD(lc, Result, 0, None, "")     /* sell profit */                                           \
    FIELD(lcs, Result, 0, None, "")    /* actual profit */                                         \
    FIELD(Label3, Result, 0, None, "") /* actual break-even sell price */                          \
    FIELD(Text1, Input, 0, None, "")   /* target actual profit */                                  \
    FIELD(Label4, Result, 0, None, "") /* sell price that reaches the target profit */

enum class FieldId : std::uint8_t {
#define PELMORA_FIELD_ID(name, kind, row, column, initial) name,
    PELMORA_TRADE_FIELDS(PELMORA_FIELD_ID)
#undef PELMORA_FIELD_ID
};

struct FieldEntry {
    FieldId id;
    std::string_view name;
    FieldKind kind;
    int row;
    RowColumn column;
    std::string_view initialText;
};

inline constexpr std::array kFieldTable = {
#define PELMORA_FIELD_ENTRY(name, kind, row, column, initial)                                      \
    FieldEntry{FieldId::name, #name, FieldKind::kind, row, RowColumn::column, initial},
    PELMORA_TRADE_FIELDS(PELMORA_FIELD_ENTRY)
#undef PELMORA_FIELD_ENTRY
};

inline constexpr std::size_t kFieldCount = kFieldTable.size();
inline constexpr int kBuyRows = 4;

constexpr const FieldEntry& fieldEntry(FieldId field) {
    return kFieldTable.at(static_cast<std::size_t>(field));
}

// The control name, e.g. "nr1" or "Label3".
constexpr std::string_view fieldName(FieldId field) {
    return fieldEntry(field).name;
}

constexpr bool isInputField(FieldId field) {
    return fieldEntry(field).kind == FieldKind::Input;
}

// The text a fresh window shows: "0.3" and "0.4" in the two rates, empty elsewhere.
constexpr std::string_view defaultText(FieldId field) {
    return fieldEntry(field).initialText;
}

constexpr std::optional<FieldId> fieldByName(std::string_view name) {
    for (const FieldEntry& entry : kFieldTable) {
        if (entry.name == name) {
            return entry.id;
        }
    }
    return std::nullopt;
}

// The field in `column` of buy row `row` (1..4).
constexpr FieldId rowField(int row, RowColumn column) {
    for (const FieldEntry& entry : kFieldTable) {
        if (entry.row == row && entry.column == column && column != RowColumn::None) {
            return entry.id;
        }
    }
    throw std::out_of_range("buy rows are numbered 1 to 4 and have four columns");
}

constexpr FieldId quantityField(int row) {
    return rowField(row, RowColumn::Quantity);
}
constexpr FieldId priceField(int row) {
    return rowField(row, RowColumn::Price);
}
constexpr FieldId amountField(int row) {
    return rowField(row, RowColumn::Amount);
}
constexpr FieldId feeField(int row) {
    return rowField(row, RowColumn::Fee);
}

namespace detail {

// The table is indexed by FieldId, which both come from the one list.
constexpr bool tableIsInEnumOrder() {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (static_cast<std::size_t>(kFieldTable.at(i).id) != i) {
            return false;
        }
    }
    return true;
}

// Every buy row has each of its four columns exactly once, the quantity and price typed in and
// the amount and fee calculated; no other field belongs to a row.
constexpr bool rowsAreComplete() {
    constexpr std::array columns = {RowColumn::Quantity, RowColumn::Price, RowColumn::Amount,
                                    RowColumn::Fee};
    for (int row = 1; row <= kBuyRows; ++row) {
        for (const RowColumn column : columns) {
            int found = 0;
            for (const FieldEntry& entry : kFieldTable) {
                if (entry.row == row && entry.column == column) {
                    const bool typed = column == RowColumn::Quantity || column == RowColumn::Price;
                    found += (entry.kind == FieldKind::Input) == typed ? 1 : 100;
                }
            }
            if (found != 1) {
                return false;
            }
        }
    }
    for (const FieldEntry& entry : kFieldTable) {
        if ((entry.row == 0) != (entry.column == RowColumn::None) || entry.row > kBuyRows) {
            return false;
        }
    }
    return true;
}

// Only text boxes start with a text of their own.
constexpr bool onlyInputsHaveInitialTexts() {
    for (const FieldEntry& entry : kFieldTable) {
        if (!entry.initialText.empty() && entry.kind != FieldKind::Input) {
            return false;
        }
    }
    return true;
}

} // namespace detail

static_assert(detail::tableIsInEnumOrder());
static_assert(detail::rowsAreComplete());
static_assert(detail::onlyInputsHaveInitialTexts());

// A set of fields, e.g. those a number was computed from.
using FieldSet = std::bitset<kFieldCount>;

constexpr std::size_t fieldIndex(FieldId field) {
    return static_cast<std::size_t>(field);
}

// All fields in table order, for iterating.
constexpr std::array<FieldId, kFieldCount> allFields() {
    std::array<FieldId, kFieldCount> fields{};
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        fields.at(i) = kFieldTable.at(i).id;
    }
    return fields;
}

} // namespace pelmora
