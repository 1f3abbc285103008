#pragma once

#include "calc/CalcRecord.h"
#include "calc/FieldTable.h"
#include "design/KeyedArray.h"
#include "design/TradeToolsWindowDesign.h"
#include "ui/JournalOrders.h"
#include "ui/SecondaryWindow.h"

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelmora {

class FeeSettingsKeeper;
class ResultLabel;
class TradeFields;
struct ToolCosting;
struct ToolFailure;

// The trade-tools window: three panels that work out a round trip (做T), buying more of a
// holding (补仓) and selling part of one (减仓), each costed exactly with the settings window's
// costs and the main window's commission rates as they stand at the press.
//
// It fills an empty holding box and an empty cost box of 补仓 and 减仓 with the main window's
// holding: when shown, and again after every buy-side press that changes it, where the boxes hold
// what it filled in before; what the user typed is never overwritten. While both boxes of a panel
// hold what it filled in, the panel works with the holding's exact total cost, of which the cost
// box shows three decimals a share. A press that fails leaves the panel's results as they were
// and announces why; the keyboard then goes to the box to put right, here or, for a commission
// rate, in the main window. A press whose answer lies out of reach shows what it can and says
// in the empty box's tooltip why the rest is missing.
class Form4 final : public SecondaryWindow {
    Q_OBJECT

public:
    // `settings` and `mainFields` (the main window's fields) must outlive the window.
    Form4(FeeSettingsKeeper& settings, const TradeFields& mainFields);
    ~Form4() override;
    Q_DISABLE_COPY_MOVE(Form4)

    // The main window's holding after a buy-side press, none when it left no shares.
    void takeHolding(const std::optional<Holding>& holding);
    // A holding of the journal, to be worked on: it replaces what 补仓 and 减仓 hold.
    void openHolding(const Holding& holding);

Q_SIGNALS:
    // `message` says in the user's words why a press stopped, to be shown over `window`, this
    // one. Once the signal returns, the keyboard goes to the box to put right.
    void calculationFailed(const QString& message, QWidget* window);
    // A commission rate of the main window does not read: `message` names it, and the main
    // window is to take the keyboard to `field`.
    void mainFieldFailed(const QString& message, FieldId field);
    // A panel's 记入账本: the orders its last press worked out, to be recorded in the journal.
    void recordRequested(const std::vector<pelmora::PendingOrder>& orders);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void orderTabs();
    void fillFromHolding();
    // The holding's exact total cost for the panel whose holding boxes are `quantity` and
    // `cost`, while both hold what was filled in.
    [[nodiscard]] std::optional<Decimal> heldTotal(ToolField quantity, ToolField cost) const;
    [[nodiscard]] std::string typed(ToolField field) const;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    [[nodiscard]] ToolCosting costing() const;
    void report(const ToolFailure& failure);
    void showResult(ToolResult result, const QString& figure, const QString& note = {});

    FeeSettingsKeeper& m_feeSettings;
    const TradeFields& m_mainFields;

    // Text1..Text12 by the field each holds, Label3..Label14 by what each shows, and Command1..3
    // by their panel.
    KeyedArray<ToolField, QLineEdit*, kToolBoxCount> m_boxes;
    KeyedArray<ToolResult, ResultLabel*, kToolResultCount> m_results;
    KeyedArray<Tool, QPushButton*, kToolCount> m_buttons;
    // Record2..4 by their panel, and the orders each panel's last press worked out.
    KeyedArray<Tool, QPushButton*, kToolCount> m_recordButtons;
    KeyedArray<Tool, std::vector<PendingOrder>, kToolCount> m_orders;
    // The main window's holding, and the boxes that hold what was filled in from it.
    std::optional<Holding> m_holding;
    KeyedArray<ToolField, bool, kToolBoxCount> m_filledIn;
    QComboBox* Combo1 = nullptr;
};

} // namespace pelmora
