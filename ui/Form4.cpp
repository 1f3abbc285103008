#include "ui/Form4.h"

#include "calc/TradeTools.h"
#include "design/TradeToolsWindowDesign.h"
#include "platform/ApplicationSetup.h"
#include "ui/KindWords.h"
#include "ui/ResultLabel.h"
#include "ui/ToolWords.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace pelmora {
namespace {

// The holding boxes of 补仓 and 减仓, 持仓数量 and 成本价, by their number less one.
constexpr std::array<std::pair<std::size_t, std::size_t>, 2> kHoldingBoxes = {
    std::pair<std::size_t, std::size_t>{4, 5}, std::pair<std::size_t, std::size_t>{8, 9}};

// The lots 交易单位 offers, each a kind's: the costs stay the settings window's.
constexpr std::array kLotChoices = {SecurityKind::MainBoard, SecurityKind::StarMarket,
                                    SecurityKind::Beijing};

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
    // A holding box the user edits holds the user's text from then on.
    for (const auto& [quantity, price] : kHoldingBoxes) {
        for (const std::size_t index : {quantity, price}) {
            connect(m_boxes.at(index), &QLineEdit::textEdited, this,
                    [this, index] { m_filledIn.at(index) = false; });
        }
    }
    for (std::size_t i = 0; i < kToolResults.size(); ++i) {
        const ToolControl& design = kToolResults.at(i);
        auto* label = new ResultLabel(this);
        placeControl(*label, fromUtf8(design.name), panelName(design), design.place);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        m_results.at(i) = label;
    }
    Combo1 = new QComboBox(this);
    placeControl(*Combo1, fromUtf8(kLotRuleBox.name), panelName(kLotRuleBox), kLotRuleBox.place);
    for (const SecurityKind kind : kLotChoices) {
        Combo1->addItem(lotChoiceName(kind), static_cast<int>(kind));
        Combo1->setItemData(Combo1->count() - 1, lotChoiceRemark(kind), Qt::ToolTipRole);
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
    fillFromHolding();
    SecondaryWindow::showEvent(event);
}

void Form4::takeHolding(const std::optional<Holding>& holding) {
    m_holding = holding;
    fillFromHolding();
}

// The holding boxes of 补仓 and 减仓 take the holding where they are empty or hold what was filled
// in before; its cost per share as brokers show it. Without a holding, what was filled in goes.
void Form4::fillFromHolding() {
    const std::optional<Decimal> cost = m_holding ? costPerShare(*m_holding) : std::nullopt;
    for (const auto& [quantity, price] : kHoldingBoxes) {
        const std::pair<std::size_t, QString> texts[] = {
            {quantity, cost ? QString::fromStdString(shownText(m_holding->shares)) : QString()},
            {price,
             cost ? QString::fromStdString(cost->fixedText(kCostPerShareDecimals)) : QString()}};
        for (const auto& [index, text] : texts) {
            QLineEdit* box = m_boxes.at(index);
            if (box->text().isEmpty() || m_filledIn.at(index)) {
                box->setText(text);
                m_filledIn.at(index) = !text.isEmpty();
            }
        }
    }
}

std::optional<Decimal> Form4::heldTotal(std::size_t quantity, std::size_t cost) const {
    if (m_holding && m_filledIn.at(quantity) && m_filledIn.at(cost)) {
        return m_holding->totalCost;
    }
    return std::nullopt;
}

} // namespace pelmora
