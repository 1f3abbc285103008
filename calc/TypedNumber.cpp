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

} // namespace pelmora::detail
