#include "ui/Form1.h"

#include "calc/Calculations.h"
#include "platform/MessageBoxReporter.h"
#include "ui/FailureReport.h"
#include "ui/Twips.h"

#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace pelmora {

Form1::Form1() : Form1(std::make_unique<MessageBoxReporter>()) {}

Form1::Form1(std::unique_ptr<FailureReporter> reporter)
    : m_picture(QStringLiteral(":/pictures/main.png"), QStringLiteral(":/pictures/main@2x.png")),
      m_reporter(std::move(reporter)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    // The picture draws the title strip and the close glyph in place of the system's.
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(toPixels(7710), toPixels(8460));
    move(toPixels(5205, 795));

    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/icon-256.png"));
    icon.addFile(QStringLiteral(":/pictures/icon-48.png"));
    setWindowIcon(icon);

    createInputBoxes();
    createResultLabels();
    createButtons();
    createOverlays();
    orderTabs();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    nr1->setFocus();
}

Form1::~Form1() = default;

void Form1::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, m_picture.forPixelRatio(devicePixelRatioF()));
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
void Form1::runCalculation(CalcOutcome (&calculation)(TradeFields&)) {
    const CalcOutcome outcome = calculation(m_fields);
    if (outcome.ok()) {
        return;
    }
    const FailureReport report = describeFailure(*outcome.failure, m_fields);
    m_reporter->report(this, QStringLiteral("无法计算"), report.message);
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

} // namespace pelmora
