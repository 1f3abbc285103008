#include "ui/Form1.h"

#include "calc/Calculations.h"
#include "calc/SettingsCheck.h"
#include "design/MainWindowDesign.h"
#include "platform/ApplicationSetup.h"
#include "ui/CostWords.h"
#include "ui/FailureReport.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/ResultLabel.h"
#include "ui/WebPages.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>

namespace pelmora {
namespace {

bool isCommissionRate(const std::string& text) {
    return std::holds_alternative<double>(checkRateText(text, usesDecimalComma()));
}

} // namespace

Form1::Form1() : BorderlessWindow(kMainWindow) {
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/icon-256.png"));
    icon.addFile(QStringLiteral(":/pictures/icon-48.png"));
    setWindowIcon(icon);

    createFieldControls();
    createButtons();
    createLinkRow();
    orderTabs();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Label5, &OverlayLabel::click, this, &Form1::Label5_Click);
    connect(Label6, &OverlayLabel::click, this, &Form1::Label6_Click);
    connect(Label7, &OverlayLabel::click, this, &Form1::Label7_Click);
    connect(Label8, &OverlayLabel::click, this, &Form1::Label8_Click);
    connect(Label9, &OverlayLabel::click, this, &Form1::Label9_Click);
    connect(Label10, &OverlayLabel::click, this, &Form1::Label10_Click);
    for (const FieldId rate : {FieldId::srl, FieldId::scl}) {
        connect(m_fields.box(rate), &QLineEdit::editingFinished, this, &Form1::rememberRates);
    }
    m_fields.label(FieldId::Label3)->setHelp(breakEvenHelp());
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

void Form1::restoreSettings(const FeeSettings& settings) {
    m_settings = settings;
    if (m_settings.fullCostOn) {
        const std::pair<FieldId, const std::string&> rates[] = {{FieldId::srl, settings.buyRate},
                                                                {FieldId::scl, settings.sellRate}};
        for (const auto& [field, rate] : rates) {
            if (!rate.empty()) {
                m_fields.setText(field, rate);
            }
        }
    }
    if (m_settingsWindow) {
        m_settingsWindow->showSettings(m_settings);
    }
    showMode();
}

void Form1::Command1_Click() {
    runCalculation(calculateBuySide);
}

void Form1::Command2_Click() {
    runCalculation(calculateSellSide);
}

void Form1::Command3_Click() {
    runCalculation(calculateTargetPrice);
}

// A failed calculation leaves its fields as far as it got, tells the user why, and the program
// goes on.
void Form1::runCalculation(CalcOutcome (&calculation)(TradeFields&, const CalcSettings&)) {
    const CalcSettings settings = calculationSettings();
    const CalcOutcome outcome = calculation(m_fields, settings);
    showNotes(outcome);
    if (outcome.ok()) {
        return;
    }
    const FailureReport report = describeFailure(*outcome.failure, m_fields, settings);
    Q_EMIT calculationFailed(report.message);
    moveFocusTo(report);
}

CalcSettings Form1::calculationSettings() const {
    CalcSettings settings;
    settings.decimalComma = usesDecimalComma();
    if (m_settings.fullCostOn) {
        settings.fullCost = m_settings.fullCost;
    }
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
        Command1->setFocus(Qt::OtherFocusReason);
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
    rememberRates();
    if (m_help) {
        m_help->hide();
    }
    if (m_settingsWindow) {
        m_settingsWindow->hide();
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

void Form1::Label9_Click() {
    showSecondary(m_help, [this] { return givingBackTheKeyboard(std::make_unique<Form2>()); });
}

void Form1::Label10_Click() {
    showSecondary(m_settingsWindow, [this] {
        auto window = givingBackTheKeyboard(std::make_unique<Form3>(m_settings));
        connect(window.get(), &Form3::settingsChanged, this, &Form1::changeSettings);
        connect(window.get(), &Form3::settingRefused, this, &Form1::settingRefused);
        return window;
    });
}

template <typename Window>
std::unique_ptr<Window> Form1::givingBackTheKeyboard(std::unique_ptr<Window> window) {
    connect(window.get(), &SecondaryWindow::hiddenByGlyph, this, &Form1::takeBackTheKeyboard);
    return window;
}

// A window the main window opened, hidden by its glyph, gives the keyboard back here: the window
// manager may still count the hidden one as active and leave the keys nowhere.
void Form1::takeBackTheKeyboard() {
    raise();
    activateWindow();
}

// Switching the mode or a cost leaves every figure as it is until a Calculate button is pressed.
void Form1::changeSettings(const FeeSettings& settings) {
    const bool switchedOn = settings.fullCostOn && !m_settings.fullCostOn;
    m_settings.fullCostOn = settings.fullCostOn;
    m_settings.fullCost = settings.fullCost;
    showMode();
    if (switchedOn) {
        rememberRates();
    }
    Q_EMIT settingsChanged(m_settings);
}

void Form1::showMode() {
    const bool on = m_settings.fullCostOn;
    Label10->setPicture(on ? std::optional(DensityPicture::compiledIn(QStringLiteral("gear-lit")))
                           : std::nullopt);
    Label11->setVisible(on);
    Label11->setToolTip(on ? describeFullCost(m_settings.fullCost) : QString());
}

// While the full-cost mode is on, the commission rates the user leaves in their boxes are
// remembered; a text that is no rate is not.
void Form1::rememberRates() {
    if (!m_settings.fullCostOn) {
        return;
    }
    bool changed = false;
    const std::pair<FieldId, std::string*> rates[] = {{FieldId::srl, &m_settings.buyRate},
                                                      {FieldId::scl, &m_settings.sellRate}};
    for (const auto& [field, remembered] : rates) {
        const std::string text = m_fields.text(field);
        if (text != *remembered && isCommissionRate(text)) {
            *remembered = text;
            changed = true;
        }
    }
    if (changed) {
        Q_EMIT settingsChanged(m_settings);
    }
}

} // namespace pelmora
