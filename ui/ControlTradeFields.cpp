#include "ui/ControlTradeFields.h"

#include "ui/ResultLabel.h"

#include <QLineEdit>
#include <stdexcept>

namespace pelmora {
namespace {

std::size_t index(FieldId field) {
    return static_cast<std::size_t>(field);
}

} // namespace

void ControlTradeFields::bind(FieldId field, QLineEdit* box) {
    m_controls[index(field)] = {box, {}};
}

void ControlTradeFields::bind(FieldId field, ResultLabel* label) {
    m_controls[index(field)] = {{}, label};
}

const ControlTradeFields::Control& ControlTradeFields::bound(FieldId field) const {
    const Control& control = m_controls[index(field)];
    if (control.box == nullptr && control.label == nullptr) {
        throw std::logic_error("field " + std::string(fieldName(field)) + " has no control");
    }
    return control;
}

std::string ControlTradeFields::text(FieldId field) const {
    const Control& control = bound(field);
    return (control.box != nullptr ? control.box->text() : control.label->text()).toStdString();
}

void ControlTradeFields::setText(FieldId field, std::string_view text) {
    const Control& control = bound(field);
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (control.box != nullptr) {
        control.box->setText(shown);
    } else {
        control.label->showFigure(shown);
    }
}

QLineEdit* ControlTradeFields::box(FieldId field) const {
    return bound(field).box;
}

ResultLabel* ControlTradeFields::label(FieldId field) const {
    return bound(field).label;
}

} // namespace pelmora
