// Form1's controls, made from the layout tables, with their names, texts and looks.
#include "calc/FieldTable.h"
#include "ui/FieldControls.h"
#include "ui/Form1.h"
#include "ui/JournalWords.h"
#include "ui/Placement.h"
#include "ui/ResultLabel.h"
#include "ui/WindowWords.h"

#include <QLineEdit>
#include <QPushButton>
#include <limits>
#include <map>

namespace pelmora {
namespace {

QLineEdit* inputBox(QWidget* window, const FieldControl& control) {
    auto* box = new QLineEdit(window);
    placeControl(*box, fromUtf8(fieldName(control.field)), fieldTitle(control.field),
                 control.place);
    // The boxes have no length limit; a long paste must not be cut to a different number.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setText(fromUtf8(defaultText(control.field)));
    return box;
}

ResultLabel* resultLabel(QWidget* window, const FieldControl& control) {
    auto* label = new ResultLabel(window);
    placeControl(*label, fromUtf8(fieldName(control.field)), fieldTitle(control.field),
                 control.place);
    label->setAlignment((control.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    return label;
}

QPushButton* calculateButton(QWidget* window, const ButtonControl& control) {
    auto* button = new QPushButton(calculateCaption(), window);
    placeControl(*button, fromUtf8(control.name),
                 calculateButtonName(mainPanel(control.panel).caption), control.place);
    // Enter and Esc in a text box must press nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

void Form1::createFieldControls() {
    for (const FieldControl& control : kFieldControls) {
        if (isInputField(control.field)) {
            m_fields.bind(control.field, inputBox(this, control));
        } else {
            m_fields.bind(control.field, resultLabel(this, control));
        }
    }
}

void Form1::createButtons() {
    for (const ButtonControl& control : kCalculateButtons) {
        m_buttons[control.panel] = calculateButton(this, control);
    }
    Record1 = new QPushButton(recordCaption(), this);
    placeControl(*Record1, kRecordEntry);
    Record1->setAutoDefault(false);
    Record1->setDefault(false);
}

OverlayLabel* Form1::linkIcon(LinkIcon icon) {
    return overlay(linkIconControl(icon), Pointer::Link);
}

// Made left to right, so Label6 lies above Label5 where they share a pixel column.
void Form1::createLinkRow() {
    Label7 = linkIcon(LinkIcon::Chat);
    Label5 = linkIcon(LinkIcon::Broker);
    Label6 = linkIcon(LinkIcon::Portal);
    Label10 = linkIcon(LinkIcon::Settings);
    Label8 = linkIcon(LinkIcon::Blog);
    Label9 = linkIcon(LinkIcon::Help);
    Label11 = overlay(kFullCostMarker, Pointer::Arrow);
    Label11->setPicture(DensityPicture::compiledIn(QStringLiteral("full-cost-marker")));
    Label12 = overlay(kTradeToolsEntry, Pointer::Link);
    Label13 = overlay(kJournalEntry, Pointer::Link);
}

// Tab runs through the boxes and buttons by their tab indices and wraps around at both ends;
// the labels take no focus and are left out.
void Form1::orderTabs() {
    std::map<int, QWidget*> byIndex;
    for (const FieldControl& control : kFieldControls) {
        if (control.tabIndex >= 0) {
            byIndex.emplace(control.tabIndex, m_fields.box(control.field));
        }
    }
    for (const ButtonControl& control : kCalculateButtons) {
        byIndex.emplace(control.tabIndex, m_buttons[control.panel]);
    }
    // The journal's entry comes after every Calculate button.
    byIndex.emplace(std::numeric_limits<int>::max(), Record1);
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : byIndex) {
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace pelmora
