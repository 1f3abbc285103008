#pragma once

#include "calc/CalcOutcome.h"
#include "calc/CalcSettings.h"
#include "calc/JournalTrade.h"
#include "design/KeyedArray.h"
#include "design/MainWindowDesign.h"
#include "ui/BorderlessWindow.h"
#include "ui/ControlTradeFields.h"
#include "ui/JournalOrders.h"

#include <QUrl>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QPushButton;

namespace pelmora {

struct FailureReport;
class FeeSettingsKeeper;
class Form2;
class Form3;
class Form4;
class Form5;
class JournalSession;
enum class WebPage;

// The calculator's main window: a borderless picture with the fields placed over their drawn
// headings, three Calculate buttons that run the buy side, the sell side and the target-profit
// price over those fields, and a row of icons that open web pages and the help window.
//
// F1 opens the help, F2 the settings, F3 the trade-tools window and F4 the journal from any of
// the program's windows, as their icons and entries do. 记入账本 records the purchases of the buy
// rows, and the sale once the sell side has worked it out from the current totals, in the journal.
// The gear icon opens the settings window, where the full-cost mode is switched on; while it is,
// the gear is lit, a marker shows, and the calculations count every cost of a trade. The fee
// settings are the keeper's: the window shows them, hands it the commission rates the user leaves
// in their boxes, and starts with the rates it brings back.
//
// What reaches beyond the window it only announces: a failed calculation or a refused setting, a
// web page to open, and the end of the program (its close glyph, or the window system closing
// it). connectToDesktop() answers them with a message box, the browser and the end of the
// application.
class Form1 final : public BorderlessWindow {
    Q_OBJECT

public:
    // `settings` must outlive the window.
    explicit Form1(FeeSettingsKeeper& settings);
    ~Form1() override;
    Q_DISABLE_COPY_MOVE(Form1)

Q_SIGNALS:
    // `message` says in the user's words why a calculation stopped. The fields show what it left;
    // once the signal returns, the focus goes to the box to put right.
    void calculationFailed(const QString& message);
    // `message` says in the user's words why a typed setting was not taken, to be shown over
    // `window`, the settings window; once the signal returns, it takes the keyboard back.
    void settingRefused(const QString& message, QWidget* window);
    // `message` says why a press of the trade-tools window stopped, to be shown over `window`,
    // that window; once the signal returns, it takes the keyboard back to the box to put right.
    void toolCalculationFailed(const QString& message, QWidget* window);
    void linkRequested(const QUrl& address);
    void endRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createFieldControls();
    void createButtons();
    void createLinkRow();
    OverlayLabel* linkIcon(LinkIcon icon);
    void orderTabs();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    CalcOutcome runCalculation(CalcOutcome (&calculation)(TradeFields&, const CalcSettings&),
                               const CalcSettings& settings);
    void moveFocusTo(const FailureReport& report);
    void showNotes(const CalcOutcome& outcome);

    void bringBackRates();
    void showMode();
    void leaveRates();
    [[nodiscard]] CalcSettings calculationSettings() const;

    void Label2_Click() override;
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void Label9_Click();
    void Label10_Click();
    void Label12_Click();
    void Label13_Click();
    void Record1_Click();
    // The orders a window worked out, recorded in the journal after asking for what is missing,
    // with `over` the window that asks.
    void recordOrders(const std::vector<PendingOrder>& orders, TradeSource source, QWidget* over);
    [[nodiscard]] std::vector<PendingOrder> ordersToRecord() const;
    void openInTradeTools(const Holding& holding);
    // A commission rate that the trade-tools window could not read: the message over this
    // window, then the keyboard in the rate's box.
    void putRightRate(const QString& message, FieldId rate);
    // A window this one opens gives the keyboard back when its glyph hides it.
    template <typename Window>
    std::unique_ptr<Window> givingBackTheKeyboard(std::unique_ptr<Window> window);
    void takeBackTheKeyboard();
    void createShortcuts();
    void openPage(WebPage page);
    void endProgram();

    ControlTradeFields m_fields;
    FeeSettingsKeeper& m_feeSettings;
    // Made at the first click on their icons; they have no owner window, so they are kept here.
    std::unique_ptr<Form2> m_help;
    std::unique_ptr<Form3> m_settingsWindow;
    std::unique_ptr<Form4> m_tradeTools;
    std::unique_ptr<JournalSession> m_journal;
    std::unique_ptr<Form5> m_journalWindow;
    // The sale the sell side worked out from the current totals, while it stands.
    std::optional<PendingOrder> m_sale;
    // How the buy totals in the fields were costed, once the buy side has run through: the sell
    // side and the target price refuse them after the mode or a cost has changed.
    std::optional<Costing> m_buyTotalsCosting;
    // What the last buy-side press that wrote the share count recorded: the trade tools' holding.
    std::optional<Holding> m_holding;

    // The controls with handlers of their own; the fields are reached through m_fields. The
    // window owns them all as their parent.
    // Command1..3, by the panel each calculates.
    KeyedArray<MainPanelId, QPushButton*, kMainPanels.size()> m_buttons;
    OverlayLabel* Label5 = nullptr;
    OverlayLabel* Label6 = nullptr;
    OverlayLabel* Label7 = nullptr;
    OverlayLabel* Label8 = nullptr;
    OverlayLabel* Label9 = nullptr;
    OverlayLabel* Label10 = nullptr;
    OverlayLabel* Label11 = nullptr;
    OverlayLabel* Label12 = nullptr;
    OverlayLabel* Label13 = nullptr;
    QPushButton* Record1 = nullptr;
};

} // namespace pelmora
