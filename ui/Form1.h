#pragma once

#include "calc/CalcOutcome.h"
#include "platform/DensityPicture.h"
#include "platform/FailureReporter.h"
#include "ui/ControlTradeFields.h"

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

struct FailureReport;
class PictureBox;
class ResultLabel;

// The calculator's main window: a borderless picture with the fields placed over their drawn
// headings, and three Calculate buttons that run the buy side, the sell side and the
// target-profit price over those fields.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    // Failures are shown in a message box.
    Form1();
    explicit Form1(std::unique_ptr<FailureReporter> reporter);
    ~Form1() override;
    Q_DISABLE_COPY_MOVE(Form1)

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createInputBoxes();
    void createResultLabels();
    void createButtons();
    void createOverlays();
    void orderTabs();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void runCalculation(CalcOutcome (&calculation)(TradeFields&));
    void moveFocusTo(const FailureReport& report);

    DensityPicture m_picture;
    std::unique_ptr<FailureReporter> m_reporter;
    ControlTradeFields m_fields;

    // The controls, named as the calculations and the event handlers know them; the window owns
    // them as their parent.
    QLineEdit* nr1 = nullptr;
    QLineEdit* jr1 = nullptr;
    QLineEdit* nr2 = nullptr;
    QLineEdit* jr2 = nullptr;
    QLineEdit* nr3 = nullptr;
    QLineEdit* jr3 = nullptr;
    QLineEdit* nr4 = nullptr;
    QLineEdit* jr4 = nullptr;
    QLineEdit* srl = nullptr;
    QLineEdit* scl = nullptr;
    QLineEdit* jc = nullptr;
    QLineEdit* Text1 = nullptr;

    ResultLabel* yr1 = nullptr;
    ResultLabel* yr2 = nullptr;
    ResultLabel* yr3 = nullptr;
    ResultLabel* yr4 = nullptr;
    ResultLabel* sr1 = nullptr;
    ResultLabel* sr2 = nullptr;
    ResultLabel* sr3 = nullptr;
    ResultLabel* sr4 = nullptr;
    ResultLabel* nrz = nullptr;
    ResultLabel* jrp = nullptr;
    ResultLabel* srz = nullptr;
    ResultLabel* yrz = nullptr;
    ResultLabel* sc = nullptr;
    ResultLabel* yc = nullptr;
    ResultLabel* lc = nullptr;
    ResultLabel* lcs = nullptr;
    ResultLabel* Label3 = nullptr;
    ResultLabel* Label4 = nullptr;

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

    // Transparent and captionless, over the drawn title strip, close glyph and link icons.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    PictureBox* Image1 = nullptr;
};

} // namespace pelmora
