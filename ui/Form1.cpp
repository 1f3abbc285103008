#include "ui/Form1.h"

#include "calc/Calculations.h"
#include "ui/FailureReport.h"
#include "ui/Form2.h"
#include "ui/WebPages.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace pelmora {
namespace {

BorderlessDesign form1Design() {
    return {QStringLiteral("Form1"),
            QStringLiteral("Pelmora 股票交易计算器"),
            DensityPicture(QStringLiteral(":/pictures/main.png"),
                           QStringLiteral(":/pictures/main@2x.png")),
            DensityPicture(QStringLiteral(":/pictures/close-highlight.png"),
                           QStringLiteral(":/pictures/close-highlight@2x.png")),
            {5205, 795, 7710, 8460},
            {0, 0, 6975, 495},
            {7200, 120, 375, 375},
            {7320, 120, 210, 285}};
}

} // namespace

Form1::Form1() : BorderlessWindow(form1Design()) {
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

    m_fields.box(FieldId::nr1)->setFocus();
}

Form1::~Form1() = default;

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
    CalcSettings settings;
    settings.decimalComma = QLocale::system().decimalPoint() == QStringLiteral(",");
    const CalcOutcome outcome = calculation(m_fields, settings);
    if (outcome.ok()) {
        return;
    }
    const FailureReport report = describeFailure(*outcome.failure, m_fields);
    Q_EMIT calculationFailed(report.message);
    moveFocusTo(report);
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
    if (m_help) {
        m_help->hide();
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

// The help window is made at the first click and only shown and hidden after that, so it comes
// back where the user last left it.
void Form1::Label9_Click() {
    if (!m_help) {
        m_help = std::make_unique<Form2>();
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

} // namespace pelmora
