#include "ui/Form1.h"

#include "calc/Calculations.h"
#include "design/MainWindowDesign.h"
#include "platform/ApplicationSetup.h"
#include "platform/FeeSettingsKeeper.h"
#include "ui/CostWords.h"
#include "ui/Desktop.h"
#include "ui/FailureReport.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/JournalOrders.h"
#include "ui/JournalSession.h"
#include "ui/JournalWords.h"
#include "ui/RecordOrdersDialog.h"
#include "ui/ResultLabel.h"
#include "ui/WebPages.h"
#include "ui/WindowWords.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace pelmora {

Form1::Form1(FeeSettingsKeeper& settings)
    : BorderlessWindow(kMainWindow), m_feeSettings(settings),
      m_journal(std::make_unique<JournalSession>(settings, [this] {
          return CommissionRates{m_fields.text(FieldId::srl), m_fields.text(FieldId::scl)};
      })) {
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/icon-256.png"));
    icon.addFile(QStringLiteral(":/pictures/icon-48.png"));
    setWindowIcon(icon);

    createFieldControls();
    createButtons();
    createLinkRow();
    orderTabs();
    createShortcuts();

    connect(m_buttons[MainPanelId::Buy], &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_buttons[MainPanelId::Sell], &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_buttons[MainPanelId::Estimate], &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Label5, &OverlayLabel::click, this, &Form1::Label5_Click);
    connect(Label6, &OverlayLabel::click, this, &Form1::Label6_Click);
    connect(Label7, &OverlayLabel::click, this, &Form1::Label7_Click);
    connect(Label8, &OverlayLabel::click, this, &Form1::Label8_Click);
    connect(Label9, &OverlayLabel::click, this, &Form1::Label9_Click);
    connect(Label10, &OverlayLabel::click, this, &Form1::Label10_Click);
    connect(Label12, &OverlayLabel::click, this, &Form1::Label12_Click);
    connect(Label13, &OverlayLabel::click, this, &Form1::Label13_Click);
    connect(Record1, &QPushButton::clicked, this, &Form1::Record1_Click);
    connect(m_journal.get(), &JournalSession::troubleMet, this, [this](const QString& message) {
        tellUser(m_journalWindow && m_journalWindow->isVisible() ? m_journalWindow.get()
                                                                 : static_cast<QWidget*>(this),
                 journalMessageTitle(), message);
    });
    // A sale worked out from the totals stands until a box it came from changes.
    for (const FieldControl& control : kFieldControls) {
        if (isInputField(control.field)) {
            connect(m_fields.box(control.field), &QLineEdit::textEdited, this,
                    [this] { m_sale.reset(); });
        }
    }
    for (const FieldId rate : {FieldId::srl, FieldId::scl}) {
        connect(m_fields.box(rate), &QLineEdit::editingFinished, this, &Form1::leaveRates);
    }
    connect(&m_feeSettings, &FeeSettingsKeeper::changed, this, &Form1::showMode);
    connect(&m_feeSettings, &FeeSettingsKeeper::rememberingStarted, this, &Form1::leaveRates);
    m_fields.label(FieldId::Label3)->setHelp(breakEvenHelp());
    bringBackRates();
    showMode();

    m_fields.box(FieldId::nr1)->setFocus();
}

// A text box that has the focus finishes its editing as it is destroyed, after this window's own
// part is gone; nothing of it may answer then.
Form1::~Form1() {
    for (const FieldId rate : {FieldId::srl, FieldId::scl}) {
        m_fields.box(rate)->disconnect(this);
    }
}

void Form1::bringBackRates() {
    const CommissionRates rates = m_feeSettings.ratesToBringBack();
    for (const auto& [field, rate] :
         {std::pair{FieldId::srl, &rates.buy}, std::pair{FieldId::scl, &rates.sell}}) {
        if (!rate->empty()) {
            m_fields.setText(field, *rate);
        }
    }
}

// Totals that a failed press left may be partly of the old costing, so only a press that ran
// through dates them.
void Form1::Command1_Click() {
    const CalcSettings settings = calculationSettings();
    const CalcOutcome outcome = runCalculation(calculateBuySide, settings);
    if (outcome.ok()) {
        m_buyTotalsCosting = settings.fullCost;
    }
    m_sale.reset();
    // The holding the totals show goes to the trade tools, as the press recorded it; a press that
    // stopped before the share count changes nothing.
    if (outcome.record.hasWritten(FieldId::nrz)) {
        m_holding = outcome.record.holding();
        if (m_tradeTools) {
            m_tradeTools->takeHolding(m_holding);
        }
    }
}

void Form1::Command2_Click() {
    m_sale.reset();
    const CalcOutcome outcome = runCalculation(calculateSellSide, calculationSettings());
    if (!outcome.ok() || !m_holding) {
        return;
    }
    const auto price = Decimal::fromText(m_fields.text(FieldId::jc));
    const std::int64_t shares = m_holding->shares.toWhole().value_or(0);
    if (price && price->sign() > 0 && shares > 0) {
        m_sale = PendingOrder{TradeAction::Sell, shares, *price};
    }
}

void Form1::Command3_Click() {
    runCalculation(calculateTargetPrice, calculationSettings());
}

// A failed calculation leaves its fields as far as it got, tells the user why, and the program
// goes on.
CalcOutcome Form1::runCalculation(CalcOutcome (&calculation)(TradeFields&, const CalcSettings&),
                                  const CalcSettings& settings) {
    CalcOutcome outcome = calculation(m_fields, settings);
    showNotes(outcome);
    if (!outcome.ok()) {
        const FailureReport report = describeFailure(*outcome.failure);
        Q_EMIT calculationFailed(report.message);
        moveFocusTo(report);
    }
    return outcome;
}

// Only the mode and the costs make the costing; the remembered commission rates do not, since
// the fields hold the rates a press reads.
CalcSettings Form1::calculationSettings() const {
    CalcSettings settings;
    settings.decimalComma = usesDecimalComma();
    if (m_feeSettings.settings().fullCostOn) {
        settings.fullCost = m_feeSettings.settings().fullCost;
    }
    settings.buyTotalsCosting = m_buyTotalsCosting;
    return settings;
}

// What the full-cost figures are made of goes into their tooltips.
void Form1::showNotes(const CalcOutcome& outcome) {
    for (const FeeBreakdown& fee : outcome.fees) {
        m_fields.label(fee.field)->setNote(describeFee(fee));
    }
    for (const PriceOnTheStep& price : outcome.prices) {
        m_fields.label(price.field)->setNote(describePriceOnTheStep(price));
    }
}

// With the text selected, typing the correction replaces it.
void Form1::moveFocusTo(const FailureReport& report) {
    QLineEdit* box = report.focusBox ? m_fields.box(*report.focusBox) : nullptr;
    if (box == nullptr) {
        m_buttons[MainPanelId::Buy]->setFocus(Qt::OtherFocusReason);
        return;
    }
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void Form1::Label2_Click() {
    endProgram();
}

// Closed by the window system (Alt+F4, the taskbar), the main window ends the program as its
// glyph does: a help window, shown or hidden, must not keep the program running without it.
void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}

void Form1::endProgram() {
    leaveRates();
    if (m_help) {
        m_help->hide();
    }
    if (m_settingsWindow) {
        m_settingsWindow->hide();
    }
    if (m_tradeTools) {
        m_tradeTools->hide();
    }
    if (m_journalWindow) {
        m_journalWindow->hide();
    }
    hide();
    Q_EMIT endRequested();
}

void Form1::Label5_Click() {
    openPage(WebPage::BrokerHome);
}

void Form1::Label6_Click() {
    openPage(WebPage::PortalStocks);
}

void Form1::Label7_Click() {
    openPage(WebPage::ChatGroup);
}

void Form1::Label8_Click() {
    openPage(WebPage::Blog);
}

void Form1::openPage(WebPage page) {
    Q_EMIT linkRequested(webAddress(page));
}

template <typename Window>
std::unique_ptr<Window> Form1::givingBackTheKeyboard(std::unique_ptr<Window> window) {
    connect(window.get(), &SecondaryWindow::hiddenByGlyph, this, &Form1::takeBackTheKeyboard);
    return window;
}

void Form1::Label9_Click() {
    showSecondary(m_help, [this] { return givingBackTheKeyboard(std::make_unique<Form2>()); });
}

void Form1::Label10_Click() {
    showSecondary(m_settingsWindow, [this] {
        auto window = givingBackTheKeyboard(std::make_unique<Form3>(m_feeSettings));
        connect(window.get(), &Form3::settingRefused, this, &Form1::settingRefused);
        return window;
    });
}

void Form1::Label12_Click() {
    showSecondary(m_tradeTools, [this] {
        auto window = givingBackTheKeyboard(std::make_unique<Form4>(m_feeSettings, m_fields));
        window->takeHolding(m_holding);
        connect(window.get(), &Form4::calculationFailed, this, &Form1::toolCalculationFailed);
        connect(window.get(), &Form4::mainFieldFailed, this, &Form1::putRightRate);
        connect(window.get(), &Form4::recordRequested, this,
                [this, tools = window.get()](const std::vector<PendingOrder>& orders) {
                    recordOrders(orders, TradeSource::TradeTools, tools);
                });
        return window;
    });
}

void Form1::Label13_Click() {
    if (!m_journalWindow) {
        m_journalWindow = std::make_unique<Form5>(*m_journal);
        connect(m_journalWindow.get(), &Form5::openInTradeTools, this, &Form1::openInTradeTools);
    }
    m_journalWindow->show();
    m_journalWindow->raise();
    m_journalWindow->activateWindow();
}

void Form1::openInTradeTools(const Holding& holding) {
    Label12_Click();
    m_tradeTools->openHolding(holding);
}

// Each buy row with a quantity and a price above 0 is a purchase, and the sale follows them.
std::vector<PendingOrder> Form1::ordersToRecord() const {
    std::vector<PendingOrder> orders;
    for (int row = 1; row <= kBuyRows; ++row) {
        const auto quantity = Decimal::fromText(m_fields.text(rowField(row, RowColumn::Quantity)));
        const auto price = Decimal::fromText(m_fields.text(rowField(row, RowColumn::Price)));
        const auto whole = quantity ? quantity->toWhole() : std::nullopt;
        if (whole && *whole > 0 && price && price->sign() > 0) {
            orders.push_back({TradeAction::Buy, *whole, *price});
        }
    }
    if (m_sale) {
        orders.push_back(*m_sale);
    }
    return orders;
}

void Form1::Record1_Click() {
    recordOrders(ordersToRecord(), TradeSource::MainWindow, this);
}

void Form1::recordOrders(const std::vector<PendingOrder>& orders, TradeSource source,
                         QWidget* over) {
    if (orders.empty()) {
        tellUser(over, journalMessageTitle(), nothingToRecord());
        return;
    }
    if (m_journal->journal() == nullptr) {
        return;
    }
    RecordOrdersDialog dialog(*m_journal, orders, source, over);
    if (dialog.exec() == QDialog::Accepted) {
        m_journal->done({{}, dialog.recorded()});
    }
}

void Form1::putRightRate(const QString& message, FieldId rate) {
    Q_EMIT calculationFailed(message);
    // The message is closed by now; the keyboard comes to this window, whichever one the window
    // system activated.
    raise();
    activateWindow();
    QLineEdit* box = m_fields.box(rate);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    // The trade-tools window had the keyboard, so the window system hands it over only later,
    // and the box may lose its selection as it takes the focus; select it again then.
    QTimer::singleShot(0, box, [box] {
        if (box->hasFocus()) {
            box->selectAll();
        }
    });
}

// The keys work from every window of the program, the secondary ones included, so a keyboard user
// reaches both without the mouse.
void Form1::createShortcuts() {
    Label9->setToolTip(helpIconTip());
    Label9->setAccessibleDescription(helpIconDescription());
    Label10->setToolTip(settingsIconTip());
    Label10->setAccessibleDescription(settingsIconDescription());
    Label12->setToolTip(tradeToolsEntryTip());
    Label12->setAccessibleDescription(tradeToolsEntryDescription());
    Label13->setToolTip(journalEntryTip());
    Label13->setAccessibleDescription(journalEntryDescription());
    for (const auto& [key, open] :
         {std::pair{kHelpKey, &Form1::Label9_Click}, std::pair{kSettingsKey, &Form1::Label10_Click},
          std::pair{kTradeToolsKey, &Form1::Label12_Click},
          std::pair{kJournalKey, &Form1::Label13_Click}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, open);
    }
}

// A window the main window opened, hidden by its glyph or Esc, gives the keyboard back here: the
// window manager may still count the hidden one as active and leave the keys nowhere.
void Form1::takeBackTheKeyboard() {
    raise();
    activateWindow();
}

// Switching the mode or a cost leaves every figure as it is until a Calculate button is pressed.
void Form1::showMode() {
    const bool on = m_feeSettings.settings().fullCostOn;
    Label10->setPicture(on ? std::optional(DensityPicture::compiledIn(QStringLiteral("gear-lit")))
                           : std::nullopt);
    Label11->setVisible(on);
    Label11->setToolTip(on ? describeFullCost(m_feeSettings.settings().fullCost) : QString());
}

// The keeper decides which of them it remembers.
void Form1::leaveRates() {
    m_feeSettings.leaveRates({m_fields.text(FieldId::srl), m_fields.text(FieldId::scl)});
}

} // namespace pelmora
