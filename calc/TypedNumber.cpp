#include "calc/TypedNumber.h"

#include "numbers/NumberText.h"

namespace pelmora::detail {
namespace {

bool holdsComma(std::string_view text) {
    return text.find(',') != std::string_view::npos || text.find("，") != std::string_view::npos;
}

} // namespace

std::variant<double, Unreadable> readTyped(std::string_view text, bool decimalComma) {
    if (decimalComma && holdsComma(text)) {
        return Unreadable::DecimalComma;
    }
    const std::optional<double> value = ToNumber(text);
    if (!value) {
        return IsTooLarge(text) ? Unreadable::TooLarge : Unreadable::NotANumber;
    }
    return *value;
}

std::variant<Decimal, Unreadable> readTypedExact(std::string_view text, bool decimalComma) {
    if (decimalComma && holdsComma(text)) {
        return Unreadable::DecimalComma;
    }
    const std::variant<Decimal, DecimalRefusal> value = Decimal::read(text);
    if (const auto* decimal = std::get_if<Decimal>(&value)) {
        return *decimal;
    }
    switch (std::get<DecimalRefusal>(value)) {
    case DecimalRefusal::NotANumber:
        return Unreadable::NotANumber;
    case DecimalRefusal::TooLarge:
        return Unreadable::TooLarge;
    case DecimalRefusal::TooManyDecimals:
        return Unreadable::TooManyDecimals;
    case DecimalRefusal::TooManyDigits:
        return Unreadable::TooManyDigits;
    }
    return Unreadable::NotANumber;
}

} // namespace pelmora::detail
