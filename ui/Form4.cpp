#include "ui/Form4.h"

#include "calc/TradeTools.h"
#include "design/TradeToolsWindowDesign.h"
#include "platform/ApplicationSetup.h"
#include "ui/JournalWords.h"
#include "ui/KindWords.h"
#include "ui/ResultLabel.h"
#include "ui/ToolWords.h"
#include "ui/WindowWords.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace pelmora {
namespace {

// The holding boxes of 补仓 and 减仓: 持仓数量 and 成本价.
constexpr std::array<std::pair<ToolField, ToolField>, 2> kHoldingBoxes = {
    std::pair{ToolField::AddHeld, ToolField::AddCost},
    std::pair{ToolField::ReduceHeld, ToolField::ReduceCost}};

// The lots 交易单位 offers, each a kind's: the costs stay the settings window's.
constexpr std::array kLotChoices = {SecurityKind::MainBoard, SecurityKind::StarMarket,
                                    SecurityKind::Beijing};

// What a screen reader and the messages call a box or a result: its panel, then its heading.
QString panelName(const ToolControl& control) {
    if (control.heading.empty()) {
        return fromUtf8(kFewerSharesName);
    }
    return fromUtf8(toolPanel(control.panel).caption) + u' ' + fromUtf8(control.heading);
}

QPushButton* calculateButton(QWidget* window, const ToolButton& design) {
    auto* button = new QPushButton(calculateCaption(), window);
    placeControl(*button, fromUtf8(design.name),
                 calculateButtonName(toolPanel(design.panel).caption), design.place);
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
    connect(m_buttons[Tool::RoundTrip], &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(m_buttons[Tool::AddPosition], &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(m_buttons[Tool::ReducePosition], &QPushButton::clicked, this, &Form4::Command3_Click);
    for (const ToolButton& design : kRecordButtons) {
        connect(m_recordButtons[design.panel], &QPushButton::clicked, this,
                [this, panel = design.panel] { Q_EMIT recordRequested(m_orders[panel]); });
    }
}

Form4::~Form4() = default;

void Form4::createControls() {
    for (const auto& [field, design] : kToolBoxes) {
        auto* box = new QLineEdit(this);
        placeControl(*box, fromUtf8(design.name), panelName(design), design.place);
        // No length limit: a long paste must not be cut to a different number.
        box->setMaxLength(std::numeric_limits<int>::max());
        m_boxes[field] = box;
    }
    m_boxes[kGoalBox]->setText(fromUtf8(kInitialGoal));
    // A holding box the user edits holds the user's text from then on.
    for (const auto& [quantity, price] : kHoldingBoxes) {
        for (const ToolField field : {quantity, price}) {
            connect(m_boxes[field], &QLineEdit::textEdited, this,
                    [this, field] { m_filledIn[field] = false; });
        }
    }
    for (const auto& [result, design] : kToolResults) {
        auto* label = new ResultLabel(this);
        placeControl(*label, fromUtf8(design.name), panelName(design), design.place);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        m_results[result] = label;
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
    for (const ToolButton& design : kToolButtons) {
        m_buttons[design.panel] = calculateButton(this, design);
    }
    for (const ToolButton& design : kRecordButtons) {
        auto* button = new QPushButton(recordCaption(), this);
        placeControl(*button, fromUtf8(design.name),
                     recordButtonName(toolPanel(design.panel).caption), design.place);
        button->setAutoDefault(false);
        m_recordButtons[design.panel] = button;
    }
}

// Panel by panel, as the design orders the boxes: each panel's boxes, then what ends its row,
// the lot rule of 补仓 and then the panel's button.
void Form4::orderTabs() {
    QList<QWidget*> order;
    const auto closePanel = [&](Tool panel) {
        if (panel == kLotRuleBox.panel) {
            order.push_back(Combo1);
        }
        order.push_back(m_buttons[panel]);
        order.push_back(m_recordButtons[panel]);
    };
    for (std::size_t i = 0; i < kToolBoxes.size(); ++i) {
        const auto& [field, design] = kToolBoxes.at(i);
        order.push_back(m_boxes[field]);
        if (i + 1 == kToolBoxes.size() || kToolBoxes.at(i + 1).control.panel != design.panel) {
            closePanel(design.panel);
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

void Form4::openHolding(const Holding& holding) {
    for (const auto& [quantity, price] : kHoldingBoxes) {
        m_filledIn[quantity] = true;
        m_filledIn[price] = true;
    }
    takeHolding(holding);
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
        const std::pair<ToolField, QString> texts[] = {
            {quantity, cost ? QString::fromStdString(shownText(m_holding->shares)) : QString()},
            {price,
             cost ? QString::fromStdString(cost->fixedText(kCostPerShareDecimals)) : QString()}};
        for (const auto& [field, text] : texts) {
            QLineEdit* box = m_boxes[field];
            if (box->text().isEmpty() || m_filledIn[field]) {
                box->setText(text);
                m_filledIn[field] = !text.isEmpty();
            }
        }
    }
}

std::optional<Decimal> Form4::heldTotal(ToolField quantity, ToolField cost) const {
    if (m_holding && m_filledIn[quantity] && m_filledIn[cost]) {
        return m_holding->totalCost;
    }
    return std::nullopt;
}

} // namespace pelmora
