#pragma once

#include "calc/FieldTable.h"

#include <array>
#include <string>
#include <string_view>

namespace pelmora {

// The texts the calculations work on, reached by field. The main window binds this to its
// controls; MemoryTradeFields holds the texts itself.
class TradeFields {
public:
    TradeFields() = default;
    TradeFields(const TradeFields&) = delete;
    TradeFields& operator=(const TradeFields&) = delete;
    virtual ~TradeFields() = default;

    // UTF-8 text of the field as it is now.
    [[nodiscard]] virtual std::string text(FieldId field) const = 0;
    virtual void setText(FieldId field, std::string_view text) = 0;

protected:
    TradeFields(TradeFields&&) = default;
    TradeFields& operator=(TradeFields&&) = default;
};

// Field texts kept in memory, starting as a fresh window does.
class MemoryTradeFields final : public TradeFields {
public:
    MemoryTradeFields();

    [[nodiscard]] std::string text(FieldId field) const override;
    void setText(FieldId field, std::string_view text) override;

private:
    std::array<std::string, kFieldCount> m_texts;
};

} // namespace pelmora
