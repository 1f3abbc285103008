#pragma once

#include "calc/CalcOutcome.h"
#include "platform/FailureReporter.h"
#include "platform/Launcher.h"
#include "platform/ProgramEnd.h"
#include "ui/BorderlessWindow.h"
#include "ui/ControlTradeFields.h"

#include <memory>

class QLineEdit;
class QPushButton;

namespace pelmora {

struct FailureReport;
class Form2;
class ResultLabel;
enum class WebPage;

// The calculator's main window: a borderless picture with the fields placed over their drawn
// headings, three Calculate buttons that run the buy side, the sell side and the target-profit
// price over those fields, and a row of icons that open web pages and the help window. Its close
// glyph ends the program.
class Form1 final : public BorderlessWindow {
    Q_OBJECT

public:
    // Failures are shown in a message box, web pages open in the desktop's browser, and the
    // close glyph ends the running application.
    Form1();
    explicit Form1(std::unique_ptr<FailureReporter> reporter);
    Form1(std::unique_ptr<FailureReporter> reporter, std::unique_ptr<Launcher> launcher,
          std::unique_ptr<ProgramEnd> end);
    ~Form1() override;
    Q_DISABLE_COPY_MOVE(Form1)

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createInputBoxes();
    void createResultLabels();
    void createButtons();
    void createLinkRow();
    void orderTabs();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void runCalculation(CalcOutcome (&calculation)(TradeFields&));
    void moveFocusTo(const FailureReport& report);

    void Label2_Click() override;
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void Label9_Click();
    void openPage(WebPage page);
    void endProgram();

    std::unique_ptr<FailureReporter> m_reporter;
    std::unique_ptr<Launcher> m_launcher;
    std::unique_ptr<ProgramEnd> m_end;
    ControlTradeFields m_fields;
    // Made at the first click on the help icon; it has no owner window, so it is kept here.
    std::unique_ptr<Form2> m_help;

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

    // Over the icons of the link row.
    OverlayLabel* Label5 = nullptr;
    OverlayLabel* Label6 = nullptr;
    OverlayLabel* Label7 = nullptr;
    OverlayLabel* Label8 = nullptr;
    OverlayLabel* Label9 = nullptr;
};

} // namespace pelmora
