#pragma once

#include "calc/CalcRecord.h"
#include "ui/JournalModels.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace pelmora {

class JournalSession;

// The journal window "Pelmora 账本": the holdings (Grid1) and the trades of the one selected
// (Grid2), filtered by code or name (Text1). The user records a trade (Command1), changes
// (Command2) or removes (Command3) the one selected, imports broker statements, or the journal's
// own file into an empty journal (Command4, Ctrl+I), exports the journal's own file (Command5),
// opens the selected holding in the trade tools (Command6), and undoes (Ctrl+Z, Command7) and
// redoes (Command8). Another running copy's changes show within a second.
//
// Unlike the pictures of the calculator, it has the system's frame and grows with its tables; it
// keeps its size and place between runs. Esc hides it.
class Form5 final : public QWidget {
    Q_OBJECT

public:
    explicit Form5(JournalSession& journal, QWidget* parent = nullptr);
    ~Form5() override;
    Q_DISABLE_COPY_MOVE(Form5)

    // What asks the user for the files to import: a test's choice; none for the system's file
    // dialog.
    using FileChooser = std::function<QStringList(QWidget* parent)>;
    static void chooseFilesWith(FileChooser chooser);

Q_SIGNALS:
    // The selected holding, to be worked on in the trade tools.
    void openInTradeTools(const pelmora::Holding& holding);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createControls();
    void showJournal();
    void showTradesOfSelected();
    [[nodiscard]] const Position* selectedPosition() const;
    [[nodiscard]] std::optional<JournalTrade> selectedTrade() const;
    void tell(const QString& message);
    void importStatements(const QStringList& files);
    void importJournalFile(const QString& file);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();

    JournalSession& m_journal;
    HoldingsModel m_holdings;
    TradesModel m_trades;
    QSortFilterProxyModel* m_shownHoldings = nullptr;
    QSortFilterProxyModel* m_shownTrades = nullptr;
    QLineEdit* Text1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QTableView* Grid1 = nullptr;
    QTableView* Grid2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr; // each year's figures
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    std::string m_selectedCode;
};

} // namespace pelmora
