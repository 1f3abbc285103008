#include "calc/FieldId.h"

#include <stdexcept>

namespace pelmora {
namespace {

constexpr std::array<std::string_view, kFieldCount> kNames = {
    "nr1", "jr1", "yr1", "sr1", "nr2", "jr2", "yr2", "sr2",    "nr3",   "jr3",
    "yr3", "sr3", "nr4", "jr4", "yr4", "sr4", "srl", "nrz",    "yrz",   "srz",
    "jrp", "scl", "jc",  "sc",  "yc",  "lc",  "lcs", "Label3", "Text1", "Label4",
};

constexpr std::size_t index(FieldId field) {
    return static_cast<std::size_t>(field);
}

FieldId rowField(int row, FieldId firstRowField) {
    if (row < 1 || row > kBuyRows) {
        throw std::out_of_range("buy rows are numbered 1 to 4");
    }
    constexpr int fieldsPerRow = 4;
    return static_cast<FieldId>(static_cast<int>(firstRowField) + (row - 1) * fieldsPerRow);
}

} // namespace

const std::array<FieldId, kFieldCount>& allFields() {
    static const std::array<FieldId, kFieldCount> fields = [] {
        std::array<FieldId, kFieldCount> all{};
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            all[i] = static_cast<FieldId>(i);
        }
        return all;
    }();
    return fields;
}

std::string_view fieldName(FieldId field) {
    return kNames.at(index(field));
}

std::optional<FieldId> fieldByName(std::string_view name) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (kNames[i] == name) {
            return static_cast<FieldId>(i);
        }
    }
    return std::nullopt;
}

std::string_view defaultText(FieldId field) {
    switch (field) {
    case FieldId::srl:
        return "0.3";
    case FieldId::scl:
        return "0.4";
    default:
        return "";
    }
}

bool isInputField(FieldId field) {
    switch (field) {
    case FieldId::nr1:
    case FieldId::jr1:
    case FieldId::nr2:
    case FieldId::jr2:
    case FieldId::nr3:
    case FieldId::jr3:
    case FieldId::nr4:
    case FieldId::jr4:
    case FieldId::srl:
    case FieldId::scl:
    case FieldId::jc:
    case FieldId::Text1:
        return true;
    default:
        return false;
    }
}

FieldId quantityField(int row) {
    return rowField(row, FieldId::nr1);
}
FieldId priceField(int row) {
    return rowField(row, FieldId::jr1);
}
FieldId amountField(int row) {
    return rowField(row, FieldId::yr1);
}
FieldId feeField(int row) {
    return rowField(row, FieldId::sr1);
}

} // namespace pelmora
