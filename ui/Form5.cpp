#include "ui/Form5.h"

#include "calc/CalcSettings.h"
#include "statement/ImportPreview.h"
#include "statement/StatementReader.h"
#include "store/DataPlaces.h"
#include "store/JournalCsv.h"
#include "ui/Desktop.h"
#include "ui/ImportWords.h"
#include "ui/JournalLook.h"
#include "ui/JournalSession.h"
#include "ui/JournalWords.h"
#include "ui/Placement.h"
#include "ui/StatementPreview.h"
#include "ui/TradeDialog.h"
#include "ui/WindowWords.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace pelmora {
namespace {

// The window's size and place, kept beside the settings but in a file of its own: the settings'
// store writes only what it knows.
QString placeFile() {
    return QDir(userSettingsRoot()).filePath(QStringLiteral("Pelmora/journal-window.ini"));
}

// Holdings shown by code or name.
class HoldingFilter final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setWords(const QString& words) {
        m_words = words.trimmed();
        invalidateFilter();
    }

protected:
    [[nodiscard]] bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        if (m_words.isEmpty()) {
            return true;
        }
        for (const HoldingColumn column : {HoldingColumn::Code, HoldingColumn::Name}) {
            const QModelIndex cell = sourceModel()->index(row, static_cast<int>(column), parent);
            if (cell.data().toString().contains(m_words, Qt::CaseInsensitive)) {
                return true;
            }
        }
        return false;
    }

private:
    QString m_words;
};

// None: the system's file dialog.
Form5::FileChooser& fileChooser() {
    static Form5::FileChooser chooser;
    return chooser;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setAccessibleName(caption);
    made->setAutoDefault(false);
    return made;
}

QTableView* table(QWidget* parent, const char* name, const QString& accessibleName,
                  QSortFilterProxyModel* shown) {
    QTableView* view = journalTable(parent, name, accessibleName, shown);
    view->setSortingEnabled(true);
    return view;
}

} // namespace

Form5::Form5(JournalSession& journal, QWidget* parent)
    : QWidget(parent, Qt::Window), m_journal(journal), m_holdings([&journal](SecurityKind kind) {
          return journalTerms(journal.commission(), kind, todayInChina(), Side::Sell);
      }),
      m_trades(this) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(journalMessageTitle());
    setAccessibleName(journalMessageTitle());
    giveProgramColours(*this);
    createControls();
    const QSettings place(placeFile(), QSettings::IniFormat);
    if (!restoreGeometry(place.value(QStringLiteral("window/geometry")).toByteArray())) {
        resize(1100, 640);
    }
    connect(&m_journal, &JournalSession::changed, this, &Form5::showJournal);
    connect(&m_holdings, &HoldingsModel::priceRefused, this, &Form5::tell);
    auto* hide = new QShortcut(QKeySequence(kHideKey), this);
    connect(hide, &QShortcut::activated, this, &QWidget::hide);
    for (const auto& [keys, act] :
         {std::pair{QKeySequence(QKeySequence::Undo), &Form5::Command7_Click},
          std::pair{QKeySequence(QKeySequence::Redo), &Form5::Command8_Click},
          std::pair{QKeySequence(Qt::CTRL | Qt::Key_I), &Form5::Command4_Click}}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, act);
    }
}

Form5::~Form5() = default;

void Form5::chooseFilesWith(FileChooser chooser) {
    fileChooser() = std::move(chooser);
}

void Form5::createControls() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* filterHeading = new QLabel(QStringLiteral("筛选"), this);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("按代码或名称筛选"));
    Text1->setPlaceholderText(QStringLiteral("代码或名称"));
    Text1->setClearButtonEnabled(true);
    filterHeading->setBuddy(Text1);
    Check1 = new QCheckBox(QStringLiteral("显示已清仓"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setAccessibleName(Check1->text());
    top->addWidget(filterHeading);
    top->addWidget(Text1, 1);
    top->addWidget(Check1);
    layout->addLayout(top);

    auto* holdingFilter = new HoldingFilter(this);
    holdingFilter->setSourceModel(&m_holdings);
    holdingFilter->setSortRole(kSortRole);
    m_shownHoldings = holdingFilter;
    Grid1 = table(this, "Grid1", QStringLiteral("持仓"), m_shownHoldings);
    Grid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    Grid1->sortByColumn(static_cast<int>(HoldingColumn::Code), Qt::AscendingOrder);
    m_shownTrades = new QSortFilterProxyModel(this);
    m_shownTrades->setSourceModel(&m_trades);
    m_shownTrades->setSortRole(kSortRole);
    Grid2 = table(this, "Grid2", QStringLiteral("交易记录"), m_shownTrades);
    Grid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid2->sortByColumn(static_cast<int>(TradeColumn::Date), Qt::AscendingOrder);
    auto* holdingsHeading = new QLabel(QStringLiteral("持仓（在“现价”一栏输入价格）"), this);
    holdingsHeading->setBuddy(Grid1);
    auto* tradesHeading = new QLabel(QStringLiteral("交易记录"), this);
    tradesHeading->setBuddy(Grid2);
    layout->addWidget(holdingsHeading);
    layout->addWidget(Grid1, 3);
    layout->addWidget(tradesHeading);
    layout->addWidget(Grid2, 2);

    auto* buttons = new QHBoxLayout;
    Command1 = button(this, "Command1", QStringLiteral("记一笔"));
    Command2 = button(this, "Command2", QStringLiteral("改"));
    Command3 = button(this, "Command3", QStringLiteral("删除"));
    Command4 = button(this, "Command4", importStatementsCaption());
    Command4->setAccessibleName(importStatementsTitle());
    Command4->setToolTip(importStatementsDescription());
    Command4->setAccessibleDescription(importStatementsDescription());
    Command5 = button(this, "Command5", QStringLiteral("导出"));
    Command6 = button(this, "Command6", QStringLiteral("在交易工具中打开"));
    Command7 = button(this, "Command7", QStringLiteral("撤销"));
    Command8 = button(this, "Command8", QStringLiteral("重做"));
    for (QPushButton* each :
         {Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8}) {
        buttons->addWidget(each);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAccessibleName(QStringLiteral("年度盈亏"));
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(Label2);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(Label1);

    connect(Text1, &QLineEdit::textChanged, holdingFilter, &HoldingFilter::setWords);
    connect(Check1, &QCheckBox::toggled, this, &Form5::showJournal);
    connect(Grid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &Form5::showTradesOfSelected);
    connect(Grid2, &QTableView::doubleClicked, this, &Form5::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form5::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form5::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form5::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form5::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form5::Command8_Click);
}

void Form5::showEvent(QShowEvent* event) {
    m_journal.watch(true);
    showJournal();
    QWidget::showEvent(event);
}

void Form5::hideEvent(QHideEvent* event) {
    m_journal.watch(false);
    QSettings place(placeFile(), QSettings::IniFormat);
    place.setValue(QStringLiteral("window/geometry"), saveGeometry());
    QWidget::hideEvent(event);
}

// The selection stays on its code as the journal is read again.
void Form5::showJournal() {
    const std::string selected = m_selectedCode;
    m_holdings.show(m_journal.ledger(), Check1->isChecked());
    const int row = m_holdings.rowOf(selected);
    const QModelIndex current =
        m_shownHoldings->mapFromSource(m_holdings.index(row < 0 ? 0 : row, 0));
    if (current.isValid()) {
        Grid1->setCurrentIndex(current);
    }
    showTradesOfSelected();
    Label2->setText(describeYears(m_journal.ledger().years));
    Journal* store = m_journal.journal();
    Label1->setText(store == nullptr
                        ? QString()
                        : QDir::toNativeSeparators(store->fileName()) +
                              (store->readOnly() ? QStringLiteral("（只读）") : QString()));
    for (QPushButton* writing : {Command1, Command2, Command3}) {
        writing->setEnabled(store != nullptr && !store->readOnly());
    }
    // A read-only journal still shows what a statement holds and how it reconciles.
    Command4->setEnabled(store != nullptr);
}

void Form5::showTradesOfSelected() {
    const Position* position = selectedPosition();
    m_selectedCode = position != nullptr ? position->code : std::string();
    std::vector<JournalTrade> trades;
    for (const JournalTrade& trade : m_journal.trades()) {
        if (trade.code == m_selectedCode) {
            trades.push_back(trade);
        }
    }
    m_trades.show(std::move(trades));
}

const Position* Form5::selectedPosition() const {
    return m_holdings.positionAt(m_shownHoldings->mapToSource(Grid1->currentIndex()).row());
}

std::optional<JournalTrade> Form5::selectedTrade() const {
    const JournalTrade* trade =
        m_trades.tradeAt(m_shownTrades->mapToSource(Grid2->currentIndex()).row());
    return trade != nullptr ? std::optional(*trade) : std::nullopt;
}

void Form5::tell(const QString& message) {
    tellUser(this, journalMessageTitle(), message);
}

void Form5::Command1_Click() {
    Journal* store = m_journal.journal();
    if (store == nullptr) {
        return;
    }
    TradeDialog dialog(
        m_journal, std::nullopt, [store](const JournalTrade& trade) { return store->add(trade); },
        this);
    if (dialog.exec() == QDialog::Accepted) {
        m_selectedCode = dialog.written().code;
        m_journal.done({{}, {dialog.written()}});
        m_journal.reload();
    }
}

void Form5::Command2_Click() {
    const auto was = selectedTrade();
    Journal* store = m_journal.journal();
    if (!was || store == nullptr || store->readOnly()) {
        return;
    }
    if (!TradeDialog::edits(was->action)) {
        tell(entryNotEditable(*was));
        return;
    }
    TradeDialog dialog(
        m_journal, was,
        [store, was](const JournalTrade& trade) { return store->replace(*was, trade); }, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_journal.done({{*was}, {dialog.written()}});
        m_journal.reload();
    }
}

void Form5::Command3_Click() {
    const auto was = selectedTrade();
    Journal* store = m_journal.journal();
    if (!was || store == nullptr || store->readOnly()) {
        return;
    }
    if (QMessageBox::question(this, journalMessageTitle(), confirmRemoval(*was)) !=
        QMessageBox::Yes) {
        return;
    }
    if (const auto refusal = store->remove(*was)) {
        tell(describeWriteRefusal(*refusal));
    } else {
        m_journal.done({{*was}, {}});
    }
    m_journal.reload();
}

// Broker statements, or the journal's own export: the files' content tells which.
void Form5::Command4_Click() {
    if (m_journal.journal() == nullptr || !Command4->isEnabled()) {
        return;
    }
    const QStringList files = fileChooser()
                                  ? fileChooser()(this)
                                  : QFileDialog::getOpenFileNames(this, importStatementsTitle(), {},
                                                                  statementFileFilters());
    if (files.isEmpty()) {
        return;
    }
    importStatements(files);
}

void Form5::importStatements(const QStringList& files) {
    Journal* store = m_journal.journal();
    std::vector<PreviewFile> read;
    QStringList refusals;
    for (const QString& file : files) {
        auto statement = readStatementFile(file);
        if (const auto* refusal = std::get_if<StatementRefusal>(&statement)) {
            // The journal's own export has some of a statement's headings, so it may be refused
            // for the columns it lacks as well as for being none.
            if (files.size() == 1 &&
                (refusal->reason == RefusalReason::NotAStatement ||
                 refusal->reason == RefusalReason::MissingColumns) &&
                std::holds_alternative<std::vector<JournalTrade>>(
                    importJournalCsv(file, todayInChina()))) {
                importJournalFile(file);
                return;
            }
            refusals << statementRefused(QDir::toNativeSeparators(file), *refusal);
            continue;
        }
        auto& held = std::get<Statement>(statement);
        StatementEntries entries = entriesOfStatement(held);
        read.push_back({file, std::move(held), std::move(entries)});
    }
    if (!refusals.isEmpty()) {
        tell(noStatementImported(refusals));
        return;
    }
    ImportPreview preview = previewOf(std::move(read));
    auto stored = store->storedOf(preview.read);
    if (const auto* report = std::get_if<JournalReport>(&stored)) {
        tell(describeJournalReport(*report));
        return;
    }
    if (const auto overflow =
            completePreview(preview, std::get<std::vector<bool>>(std::move(stored)),
                            m_journal.trades(), m_journal.commission())) {
        const std::size_t entry = overflow->row;
        tell(statementTooLarge(
            QDir::toNativeSeparators(preview.files.at(preview.placeOf.at(entry).file).file),
            statementEntry(preview, entry).row));
        return;
    }
    StatementPreview dialog(m_journal, std::move(preview), this);
    if (dialog.exec() != QDialog::Accepted || dialog.written().empty()) {
        return;
    }
    const std::vector<JournalTrade>& written = dialog.written();
    m_selectedCode = written.back().code;
    m_journal.done({{}, written});
    m_journal.reload();
    tell(statementImported(written.size()));
}

// An import is a journal's start, not a merge: a trade in both would count twice.
void Form5::importJournalFile(const QString& file) {
    Journal* store = m_journal.journal();
    if (!m_journal.trades().empty()) {
        tell(importNeedsEmptyJournal());
        return;
    }
    auto read = importJournalCsv(file, todayInChina());
    if (const auto* refusal = std::get_if<CsvRefusal>(&read)) {
        tell(describeCsvRefusal(*refusal));
        return;
    }
    auto written = store->addAll(std::get<std::vector<JournalTrade>>(read));
    if (const auto* refusal = std::get_if<WriteRefusal>(&written)) {
        tell(describeWriteRefusal(*refusal));
        return;
    }
    const auto& trades = std::get<std::vector<JournalTrade>>(written);
    m_journal.done({{}, trades});
    m_journal.reload();
    tell(describeImport(trades.size()));
}

void Form5::Command5_Click() {
    const QString file = QFileDialog::getSaveFileName(
        this, QStringLiteral("导出账本"), QDir::home().filePath(QStringLiteral("账本.csv")),
        QStringLiteral("CSV (*.csv)"));
    if (file.isEmpty()) {
        return;
    }
    const auto& trades = m_journal.trades();
    if (const auto refusal = exportJournalCsv(file, trades)) {
        tell(describeCsvRefusal(*refusal));
        return;
    }
    tell(exportedTo(file, trades.size()));
}

void Form5::Command6_Click() {
    const Position* position = selectedPosition();
    if (position == nullptr || position->shares == 0) {
        return;
    }
    if (!position->basis) {
        tell(costUnknownForTools());
        return;
    }
    Q_EMIT openInTradeTools(Holding{Decimal::whole(position->shares), *position->basis});
}

void Form5::Command7_Click() {
    if (const auto refusal = m_journal.undo()) {
        tell(*refusal);
    }
}

void Form5::Command8_Click() {
    if (const auto refusal = m_journal.redo()) {
        tell(*refusal);
    }
}

} // namespace pelmora
