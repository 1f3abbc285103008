#pragma once

#include "calc/JournalTrade.h"
#include "ui/JournalOrders.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace pelmora {

class JournalSession;

// Records the orders a window worked out, asking only for what the window does not know: the
// code (and its name), and the date, today by default. It shows the costs each order will be
// recorded with, at the journal's commission, as the code and the date make them; the user may
// leave an order out. All are recorded in one action, or none.
class RecordOrdersDialog final : public QDialog {
    Q_OBJECT

public:
    RecordOrdersDialog(JournalSession& journal, std::vector<PendingOrder> orders,
                       TradeSource source, QWidget* parent);

    // What was recorded, once accepted.
    [[nodiscard]] const std::vector<JournalTrade>& recorded() const { return m_recorded; }

    void accept() override;

private:
    void showCosts();
    // The chosen orders as trades, or none after telling the user why and taking the keyboard to
    // the box to put right.
    std::optional<std::vector<JournalTrade>> drafted(bool tell);

    JournalSession& m_journal;
    std::vector<PendingOrder> m_orders;
    TradeSource m_source;
    QLineEdit* Text1 = nullptr; // 代码
    QLineEdit* Text2 = nullptr; // 名称
    QLineEdit* Text3 = nullptr; // 日期
    std::vector<QCheckBox*> m_chosen;
    std::vector<QLabel*> m_costs;
    std::vector<JournalTrade> m_recorded;
};

} // namespace pelmora
