#include "ui/TradeDialog.h"

#include "calc/CalcSettings.h"
#include "design/JournalTables.h"
#include "platform/ApplicationSetup.h"
#include "ui/Desktop.h"
#include "ui/JournalLook.h"
#include "ui/JournalSession.h"
#include "ui/JournalWords.h"
#include "ui/Placement.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pelmora {
namespace {

constexpr std::array kCostDraftBoxes = {DraftBox::Commission, DraftBox::StampDuty,
                                        DraftBox::TransferFee, DraftBox::ExchangeFees};
constexpr std::array kActions = {TradeAction::Buy, TradeAction::Sell, TradeAction::Opening};

QString actionChoice(TradeAction action) {
    return action == TradeAction::Opening ? QStringLiteral("期初持仓")
                                          : fromUtf8(actionWord(action));
}

QString kindFromCode() {
    return QStringLiteral("按代码");
}

std::string textOf(const QLineEdit* box) {
    return box->text().trimmed().toStdString();
}

} // namespace

TradeDialog::TradeDialog(JournalSession& journal, const std::optional<JournalTrade>& editing,
                         Write write, QWidget* parent)
    : QDialog(parent), m_journal(journal), m_editing(editing), m_write(std::move(write)) {
    setObjectName(QStringLiteral("Form6"));
    const QString title = editing ? QStringLiteral("改一笔") : QStringLiteral("记一笔");
    setWindowTitle(title);
    setAccessibleName(title);
    giveProgramColours(*this);
    createBoxes();
    if (editing) {
        fillFrom(*editing);
    } else {
        Text1->setText(fromUtf8(dateText(todayInChina())));
    }
    showAction();
    showCosts();
    Text3->setFocus();
}

void TradeDialog::createBoxes() {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const auto box = [&](const char* name, DraftBox draftBox) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setAccessibleName(draftBoxName(draftBox));
        form->addRow(draftBoxName(draftBox), edit);
        return edit;
    };
    Text1 = box("Text1", DraftBox::Date);
    Text2 = box("Text2", DraftBox::Time);
    Text2->setPlaceholderText(QStringLiteral("09:35:00，可不填"));
    Text3 = box("Text3", DraftBox::Code);
    Text4 = box("Text4", DraftBox::Name);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(draftBoxName(DraftBox::Kind));
    Combo1->addItem(kindFromCode(), -1);
    for (const SecurityKind kind : kAllKinds) {
        Combo1->addItem(fromUtf8(journalKindName(kind)), static_cast<int>(kind));
    }
    form->addRow(draftBoxName(DraftBox::Kind), Combo1);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setAccessibleName(columnHeading(TradeColumn::Action));
    for (const TradeAction action : kActions) {
        Combo2->addItem(actionChoice(action), static_cast<int>(action));
    }
    form->addRow(columnHeading(TradeColumn::Action), Combo2);
    Text5 = box("Text5", DraftBox::Quantity);
    Text6 = new QLineEdit(this);
    Text6->setObjectName(QStringLiteral("Text6"));
    Label6 = new QLabel(this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setBuddy(Text6);
    form->addRow(Label6, Text6);
    for (std::size_t i = 0; i < m_costBoxes.size(); ++i) {
        const std::string name = "Text" + std::to_string(7 + i);
        m_costBoxes.at(i) = box(name.c_str(), kCostDraftBoxes.at(i));
        m_costBoxes.at(i)->setPlaceholderText(costWorkedOut());
    }
    Text11 = new QLineEdit(this);
    Text11->setObjectName(QStringLiteral("Text11"));
    Text11->setAccessibleName(fromUtf8(kNoteHeading));
    form->addRow(fromUtf8(kNoteHeading), Text11);
    layout->addLayout(form);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(Label1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(m_editing ? QStringLiteral("改") : QStringLiteral("记入"));
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setAccessibleName(ok->text());
    connect(buttons, &QDialogButtonBox::accepted, this, &TradeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TradeDialog::reject);
    layout->addWidget(buttons);
    for (QLineEdit* edit : {Text1, Text3, Text5, Text6}) {
        connect(edit, &QLineEdit::textChanged, this, &TradeDialog::showCosts);
    }
    for (QLineEdit* edit : m_costBoxes) {
        connect(edit, &QLineEdit::textChanged, this, &TradeDialog::showCosts);
    }
    connect(Combo1, &QComboBox::currentIndexChanged, this, &TradeDialog::showCosts);
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] {
        showAction();
        showCosts();
    });
}

// A trade changed keeps the costs it was recorded with, unless the user clears one to have it
// worked out again.
void TradeDialog::fillFrom(const JournalTrade& trade) {
    Text1->setText(fromUtf8(dateText(trade.date)));
    Text2->setText(trade.time ? fromUtf8(timeText(*trade.time)) : QString());
    Text3->setText(fromUtf8(trade.code));
    Text4->setText(fromUtf8(trade.name));
    Combo1->setCurrentIndex(Combo1->findData(static_cast<int>(trade.kind)));
    Combo2->setCurrentIndex(Combo2->findData(static_cast<int>(trade.action)));
    Text5->setText(QString::number(trade.quantity));
    Text6->setText(fromUtf8(tradeCell(
        trade, trade.action == TradeAction::Opening ? TradeColumn::Amount : TradeColumn::Price,
        CellForm::Exact)));
    if (trade.action != TradeAction::Opening) {
        for (std::size_t i = 0; i < m_costBoxes.size(); ++i) {
            m_costBoxes.at(i)->setText(fromUtf8(
                trade.costs.of(kAllCosts.at(i))
                    .fixedText(std::max(kFenDecimals, trade.costs.of(kAllCosts.at(i)).scale()))));
        }
    }
    Text11->setText(fromUtf8(trade.note));
}

bool TradeDialog::edits(TradeAction action) {
    return std::find(kActions.begin(), kActions.end(), action) != kActions.end();
}

void TradeDialog::showAction() {
    const bool opening =
        static_cast<TradeAction>(Combo2->currentData().toInt()) == TradeAction::Opening;
    const DraftBox priceBox = opening ? DraftBox::TotalCost : DraftBox::Price;
    Label6->setText(draftBoxName(priceBox));
    Text6->setAccessibleName(draftBoxName(priceBox));
    for (QLineEdit* edit : m_costBoxes) {
        edit->setEnabled(!opening);
    }
}

TradeDraft TradeDialog::draft() const {
    TradeDraft draft;
    draft.date = textOf(Text1);
    draft.time = textOf(Text2);
    draft.code = textOf(Text3);
    draft.name = textOf(Text4);
    if (const int kind = Combo1->currentData().toInt(); kind >= 0) {
        draft.kind = static_cast<SecurityKind>(kind);
    }
    draft.action = static_cast<TradeAction>(Combo2->currentData().toInt());
    draft.quantity = textOf(Text5);
    draft.price = textOf(Text6);
    for (std::size_t i = 0; i < m_costBoxes.size(); ++i) {
        draft.typedCosts.at(i) = textOf(m_costBoxes.at(i));
    }
    draft.note = Text11->text().toStdString();
    draft.source = m_editing ? m_editing->source : TradeSource::Manual;
    draft.decimalComma = usesDecimalComma();
    return draft;
}

void TradeDialog::showCosts() {
    const auto trade = draftTrade(draft(), m_journal.commission(), todayInChina());
    const auto* drafted = std::get_if<JournalTrade>(&trade);
    Label1->setText(drafted != nullptr && drafted->action != TradeAction::Opening
                        ? describeRecordedCosts(drafted->costs)
                        : QString());
}

QLineEdit* TradeDialog::boxOf(DraftBox box) const {
    switch (box) {
    case DraftBox::Date:
        return Text1;
    case DraftBox::Time:
        return Text2;
    case DraftBox::Code:
    case DraftBox::Kind:
        return Text3;
    case DraftBox::Name:
        return Text4;
    case DraftBox::Quantity:
        return Text5;
    case DraftBox::Price:
    case DraftBox::TotalCost:
        return Text6;
    case DraftBox::Commission:
    case DraftBox::StampDuty:
    case DraftBox::TransferFee:
    case DraftBox::ExchangeFees:
        return m_costBoxes.at(static_cast<std::size_t>(box) -
                              static_cast<std::size_t>(DraftBox::Commission));
    }
    return Text1;
}

void TradeDialog::accept() {
    const auto trade = draftTrade(draft(), m_journal.commission(), todayInChina());
    if (const auto* refusal = std::get_if<DraftRefusal>(&trade)) {
        tellUser(this, journalMessageTitle(), describeDraftRefusal(*refusal));
        QLineEdit* box = boxOf(refusal->box);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        return;
    }
    JournalTrade written = std::get<JournalTrade>(trade);
    if (m_editing) {
        written.id = m_editing->id;
        // What the statement told of it stays, so that importing the statement again still
        // finds the trade.
        written.dealNumber = m_editing->dealNumber;
        written.contractNumber = m_editing->contractNumber;
        written.importKey = m_editing->importKey;
    }
    auto stored = m_write(written);
    if (const auto* refusal = std::get_if<WriteRefusal>(&stored)) {
        tellUser(this, journalMessageTitle(), describeWriteRefusal(*refusal));
        return;
    }
    m_written = std::get<JournalTrade>(stored);
    QDialog::accept();
}

} // namespace pelmora
