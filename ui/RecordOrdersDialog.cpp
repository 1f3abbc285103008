#include "ui/RecordOrdersDialog.h"

#include "calc/CalcSettings.h"
#include "design/JournalTables.h"
#include "ui/Desktop.h"
#include "ui/JournalLook.h"
#include "ui/JournalSession.h"
#include "ui/JournalWords.h"
#include "ui/Placement.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelmora {
namespace {

QLineEdit* namedBox(QWidget* parent, const char* name, DraftBox box) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(draftBoxName(box));
    return edit;
}

QString orderText(const PendingOrder& order) {
    return QStringLiteral("%1 %2 股 @ %3")
        .arg(fromUtf8(actionWord(order.action)), QString::number(order.quantity),
             fromUtf8(order.price.fixedText(std::max(order.price.scale(), 2))));
}

} // namespace

RecordOrdersDialog::RecordOrdersDialog(JournalSession& journal, std::vector<PendingOrder> orders,
                                       TradeSource source, QWidget* parent)
    : QDialog(parent), m_journal(journal), m_orders(std::move(orders)), m_source(source) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(recordCaption());
    setAccessibleName(recordCaption());
    giveProgramColours(*this);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    Text1 = namedBox(this, "Text1", DraftBox::Code);
    Text2 = namedBox(this, "Text2", DraftBox::Name);
    Text3 = namedBox(this, "Text3", DraftBox::Date);
    Text3->setText(fromUtf8(dateText(todayInChina())));
    form->addRow(draftBoxName(DraftBox::Code), Text1);
    form->addRow(draftBoxName(DraftBox::Name), Text2);
    form->addRow(draftBoxName(DraftBox::Date), Text3);
    layout->addLayout(form);
    for (std::size_t i = 0; i < m_orders.size(); ++i) {
        auto* chosen = new QCheckBox(orderText(m_orders[i]), this);
        chosen->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        chosen->setAccessibleName(orderText(m_orders[i]));
        chosen->setChecked(true);
        auto* costs = new QLabel(this);
        costs->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        costs->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        layout->addWidget(chosen);
        layout->addWidget(costs);
        m_chosen.push_back(chosen);
        m_costs.push_back(costs);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(recordCaption());
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Command1"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(recordCaption());
    connect(buttons, &QDialogButtonBox::accepted, this, &RecordOrdersDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RecordOrdersDialog::reject);
    layout->addWidget(buttons);
    for (QLineEdit* box : {Text1, Text3}) {
        connect(box, &QLineEdit::textChanged, this, &RecordOrdersDialog::showCosts);
    }
    showCosts();
    Text1->setFocus();
}

// The costs follow the code's kind and the date's rates; until both read, none show.
void RecordOrdersDialog::showCosts() {
    const JournalCommission commission = m_journal.commission();
    for (std::size_t i = 0; i < m_orders.size(); ++i) {
        const auto trade =
            draftTrade(orderDraft(m_orders[i], Text1->text().trimmed().toStdString(), {},
                                  Text3->text().trimmed().toStdString(), m_source),
                       commission, todayInChina());
        const auto* drafted = std::get_if<JournalTrade>(&trade);
        m_costs[i]->setText(drafted != nullptr ? describeRecordedCosts(drafted->costs) : QString());
    }
}

std::optional<std::vector<JournalTrade>> RecordOrdersDialog::drafted(bool tell) {
    const JournalCommission commission = m_journal.commission();
    std::vector<JournalTrade> trades;
    for (std::size_t i = 0; i < m_orders.size(); ++i) {
        if (!m_chosen[i]->isChecked()) {
            continue;
        }
        const auto trade = draftTrade(orderDraft(m_orders[i], Text1->text().trimmed().toStdString(),
                                                 Text2->text().trimmed().toStdString(),
                                                 Text3->text().trimmed().toStdString(), m_source),
                                      commission, todayInChina());
        if (const auto* refusal = std::get_if<DraftRefusal>(&trade)) {
            if (tell) {
                tellUser(this, journalMessageTitle(), describeDraftRefusal(*refusal));
                QLineEdit* box = refusal->box == DraftBox::Date ? Text3 : Text1;
                box->setFocus(Qt::OtherFocusReason);
                box->selectAll();
            }
            return std::nullopt;
        }
        trades.push_back(std::get<JournalTrade>(trade));
    }
    return trades;
}

void RecordOrdersDialog::accept() {
    auto trades = drafted(true);
    if (!trades) {
        return;
    }
    if (trades->empty()) {
        QDialog::reject();
        return;
    }
    Journal* journal = m_journal.journal();
    if (journal == nullptr) {
        return;
    }
    auto written = journal->addAll(*trades);
    if (const auto* refusal = std::get_if<WriteRefusal>(&written)) {
        tellUser(this, journalMessageTitle(), describeWriteRefusal(*refusal));
        return;
    }
    m_recorded = std::move(std::get<std::vector<JournalTrade>>(written));
    m_journal.reload();
    QDialog::accept();
}

} // namespace pelmora
