#include "ui/Form4.h"

#include "calc/TradeFields.h"
#include "calc/TradeTools.h"
#include "design/TradeToolsWindowDesign.h"
#include "platform/ApplicationSetup.h"
#include "ui/ResultLabel.h"
#include "ui/ToolWords.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace pelmora {
namespace {

// What a screen reader and the messages call a box or a result: its panel, then its heading.
QString panelName(const ToolControl& control) {
    const ToolPanel& panel = kToolPanels.at(static_cast<std::size_t>(control.panel));
    if (control.heading.empty()) {
        return fromUtf8(kFewerSharesName);
    }
    return fromUtf8(panel.caption) + u' ' + fromUtf8(control.heading);
}

QPushButton* calculateButton(QWidget* window, const PlacedControl& design) {
    auto* button = new QPushButton(QStringLiteral("计算"), window);
    placeControl(*button, design);
    // Enter and Esc in a text box must press nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

Form4::Form4(FeeSettingsKeeper& settings, const TradeFields& mainFields)
    : SecondaryWindow(kTradeToolsWindow), m_feeSettings(settings), m_mainFields(mainFields) {
    createControls();
    orderTabs();
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
}

Form4::~Form4() = default;

void Form4::createControls() {
    for (std::size_t i = 0; i < kToolBoxes.size(); ++i) {
        const ToolControl& design = kToolBoxes.at(i);
        auto* box = new QLineEdit(this);
        placeControl(*box, fromUtf8(design.name), panelName(design), design.place);
        // No length limit: a long paste must not be cut to a different number.
        box->setMaxLength(std::numeric_limits<int>::max());
        m_boxes.at(i) = box;
    }
    // The goal of a round trip is most often to come out even.
    m_boxes.at(3)->setText(QStringLiteral("0"));
    for (std::size_t i = 0; i < kToolResults.size(); ++i) {
        const ToolControl& design = kToolResults.at(i);
        auto* label = new ResultLabel(this);
        placeControl(*label, fromUtf8(design.name), panelName(design), design.place);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        m_results.at(i) = label;
    }
    Combo1 = new QComboBox(this);
    placeControl(*Combo1, fromUtf8(kLotRuleBox.name), panelName(kLotRuleBox), kLotRuleBox.place);
    for (const LotRule rule : {LotRule::Hundreds, LotRule::StarMarket, LotRule::BeijingExchange}) {
        Combo1->addItem(lotRuleName(rule), static_cast<int>(rule));
        Combo1->setItemData(Combo1->count() - 1, lotRuleRemark(rule), Qt::ToolTipRole);
    }
    // On Linux a screen reader names a drop-down after its choice and takes what it is from the
    // label whose buddy it is: a transparent label over the drawn heading.
    overlay(kLotRuleHeading, Pointer::Arrow)->setBuddy(Combo1);
    Command1 = calculateButton(this, kToolButtons.at(0));
    Command2 = calculateButton(this, kToolButtons.at(1));
    Command3 = calculateButton(this, kToolButtons.at(2));
}

// Each panel's boxes, then what ends its row: the lot rule of 补仓, then the panel's button.
void Form4::orderTabs() {
    QList<QWidget*> order;
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        order.push_back(m_boxes.at(i));
        if (i == 7) {
            order.push_back(Combo1);
        }
        if (i % 4 == 3) {
            order.push_back(i == 3 ? Command1 : i == 7 ? Command2 : Command3);
        }
    }
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
}

void Form4::showEvent(QShowEvent* event) {
    fillFromMainWindow();
    SecondaryWindow::showEvent(event);
}

// The holding of the main window's buy side, for 补仓 and 减仓, where the user left the boxes
// empty; its cost per share as brokers show it, so the cost worked with is the one shown.
void Form4::fillFromMainWindow() {
    const std::string shares = m_mainFields.text(FieldId::nrz);
    const std::optional<Decimal> cost =
        heldCostPerShare(shares, m_mainFields.text(FieldId::yrz), m_mainFields.text(FieldId::srz),
                         usesDecimalComma());
    if (!cost) {
        return; // no shares bought yet, or totals that do not read
    }
    for (const auto& [quantity, price] : {std::pair{4, 5}, std::pair{8, 9}}) {
        if (QLineEdit* box = m_boxes.at(quantity); box->text().isEmpty()) {
            box->setText(QString::fromStdString(shares));
        }
        if (QLineEdit* box = m_boxes.at(price); box->text().isEmpty()) {
            box->setText(QString::fromStdString(cost->fixedText(3)));
        }
    }
}

} // namespace pelmora
