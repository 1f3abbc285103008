#pragma once

#include "calc/CommissionFit.h"
#include "statement/ImportPreview.h"

#include <QDialog>
#include <QString>
#include <map>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItem;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class QWidget;

namespace pelmora {

class JournalSession;

// "导入对账单": what the chosen statements would add to the journal, before anything is written.
// A line per file; every row read (Grid3), with its difference from the program's costs and why
// it is skipped, held already (已导入) or doubted, a doubted row to be left out by its check box;
// the opening holdings the sales need, each with a box for its total cost; the orders checked
// against the journal's commission and the broker's commission fitted from them (对账), which
// the user can take as the journal's; the dividends and their tax (红利). 导入 writes the rows
// chosen in one transaction; a refusal is told and the dialog stays.
class StatementPreview final : public QDialog {
    Q_OBJECT

public:
    // `preview` is complete (completePreview) against the journal's trades.
    StatementPreview(JournalSession& journal, ImportPreview preview, QWidget* parent);
    ~StatementPreview() override;
    Q_DISABLE_COPY_MOVE(StatementPreview)

    // The entries written, as stored, once accepted.
    [[nodiscard]] const std::vector<JournalTrade>& written() const { return m_written; }

    void accept() override;

private:
    bool takeIssuePrices(ImportPreview& chosen);
    void createControls();
    QWidget* createTradesPage();
    QWidget* createReconcilePage();
    QWidget* createDividendsPage();
    void orderTabs();
    // Works the preview out again: after a row is left out, or the commission changed.
    void recompute();
    void showFiles();
    void showEntries();
    void showEntryNotes();
    void showOpenings();
    void showReconciliation();
    void showDividends();
    void showWhetherWritable();
    void entryChecked(QStandardItem* item);
    void takeFittedCommission();
    [[nodiscard]] JournalCommission fittedCommission() const;

    JournalSession& m_journal;
    ImportPreview m_preview;                      // every row read
    ImportPreview m_chosen;                       // less the rows left out
    std::vector<bool> m_leftOut;                  // by entry read
    std::map<std::string, QString> m_typedCosts;  // by code, kept as the openings change
    std::map<std::size_t, QString> m_typedPrices; // by entry read: a new issue's price
    std::vector<FittedPeriod> m_periods;
    std::vector<JournalTrade> m_written;
    bool m_showing = false; // the models are being filled: their changes are not the user's

    QLabel* Label1 = nullptr; // the files
    QTabWidget* Tab1 = nullptr;
    QStandardItemModel* m_entries = nullptr;
    QTableView* Grid3 = nullptr; // the rows read
    QLabel* Label2 = nullptr;    // the openings' heading
    QWidget* m_openings = nullptr;
    std::vector<QLineEdit*> m_costBoxes;                          // by opening
    std::vector<std::pair<std::size_t, QLineEdit*>> m_priceBoxes; // by entry read, price asked
    QStandardItemModel* m_differences = nullptr;
    QTableView* Grid4 = nullptr;
    QLabel* Label3 = nullptr; // each year's totals
    QStandardItemModel* m_fits = nullptr;
    QTableView* Grid5 = nullptr;
    QPushButton* Command3 = nullptr; // 采用推算的佣金
    QLabel* Label7 = nullptr;        // why it cannot be pressed, or that it was
    QStandardItemModel* m_dividends = nullptr;
    QTableView* Grid6 = nullptr;
    QLabel* Label4 = nullptr;        // why 导入 cannot be pressed, or what was just done
    QPushButton* Command1 = nullptr; // 导入
    QPushButton* Command2 = nullptr; // 取消
};

} // namespace pelmora
