#pragma once

#include "calc/JournalTrade.h"
#include "calc/TradeDraft.h"
#include "store/Journal.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <variant>

class QComboBox;
class QLabel;
class QLineEdit;

namespace pelmora {

class JournalSession;

// A trade typed in, or one of the journal's changed: every box of a trade, the costs worked out
// at the journal's commission where they are left empty and shown as they will be recorded. An
// opening holding (期初持仓) takes its total cost in place of a price. A refused box is named and
// gets the keyboard; a write the journal refuses is told, and the dialog stays.
class TradeDialog final : public QDialog {
    Q_OBJECT

public:
    // Writes the trade, returning it as stored or why not.
    using Write = std::function<std::variant<JournalTrade, WriteRefusal>(const JournalTrade&)>;

    // `editing` is the trade to change, none for a new one.
    TradeDialog(JournalSession& journal, const std::optional<JournalTrade>& editing, Write write,
                QWidget* parent);

    // Whether the dialog takes entries of `action`: trades and opening holdings, not the events.
    static bool edits(TradeAction action);

    // The trade as written, once accepted.
    [[nodiscard]] const JournalTrade& written() const { return m_written; }

    void accept() override;

private:
    void createBoxes();
    void fillFrom(const JournalTrade& trade);
    [[nodiscard]] TradeDraft draft() const;
    void showCosts();
    void showAction();
    [[nodiscard]] QLineEdit* boxOf(DraftBox box) const;

    JournalSession& m_journal;
    std::optional<JournalTrade> m_editing;
    Write m_write;
    QLineEdit* Text1 = nullptr;              // 日期
    QLineEdit* Text2 = nullptr;              // 时间
    QLineEdit* Text3 = nullptr;              // 代码
    QLineEdit* Text4 = nullptr;              // 名称
    QComboBox* Combo1 = nullptr;             // 品种
    QComboBox* Combo2 = nullptr;             // 买卖
    QLineEdit* Text5 = nullptr;              // 数量
    QLineEdit* Text6 = nullptr;              // 价格, or an opening holding's 总成本
    QLabel* Label6 = nullptr;                // its heading
    std::array<QLineEdit*, 4> m_costBoxes{}; // Text7..Text10, by Cost
    QLineEdit* Text11 = nullptr;             // 备注
    QLabel* Label1 = nullptr;                // the costs that will be recorded
    JournalTrade m_written;
};

} // namespace pelmora
