#pragma once

#include "calc/TradeFields.h"

#include <array>

class QLineEdit;

namespace pelmora {

class ResultLabel;

// The calculations' fields, bound to a window's controls: every read takes the control's text as
// it is at that moment and every write goes straight to the control, so after a failed
// calculation the window shows exactly what the calculation left.
class ControlTradeFields final : public TradeFields {
public:
    void bind(FieldId field, QLineEdit* box);
    void bind(FieldId field, ResultLabel* label);

    [[nodiscard]] std::string text(FieldId field) const override;
    void setText(FieldId field, std::string_view text) override;

    // The text box of an input field, or null for a result field.
    [[nodiscard]] QLineEdit* box(FieldId field) const;
    // The label of a result field, or null for an input field.
    [[nodiscard]] ResultLabel* label(FieldId field) const;

private:
    struct Control {
        QLineEdit* box = nullptr;
        ResultLabel* label = nullptr;
    };

    [[nodiscard]] const Control& bound(FieldId field) const;

    std::array<Control, kFieldCount> m_controls{};
};

} // namespace pelmora
