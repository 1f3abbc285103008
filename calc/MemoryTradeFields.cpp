#include "calc/TradeFields.h"

namespace pelmora {

MemoryTradeFields::MemoryTradeFields() {
    for (FieldId field : allFields()) {
        m_texts[static_cast<std::size_t>(field)] = defaultText(field);
    }
}

std::string MemoryTradeFields::text(FieldId field) const {
    return m_texts[static_cast<std::size_t>(field)];
}

void MemoryTradeFields::setText(FieldId field, std::string_view text) {
    m_texts[static_cast<std::size_t>(field)] = text;
}

} // namespace pelmora
