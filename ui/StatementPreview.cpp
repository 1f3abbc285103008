#include "ui/StatementPreview.h"

#include "calc/CalcSettings.h"
#include "calc/Holdings.h"
#include "calc/TradeDifferences.h"
#include "design/JournalTables.h"
#include "design/ReconcileTables.h"
#include "platform/ApplicationSetup.h"
#include "statement/StatementWords.h"
#include "ui/Desktop.h"
#include "ui/ImportWords.h"
#include "ui/JournalLook.h"
#include "ui/JournalSession.h"
#include "ui/JournalWords.h"
#include "ui/Placement.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <tuple>

namespace pelmora {
namespace {

// The entry read that a row of Grid3 shows, on its first cell; -1 for a row that makes none.
constexpr int kEntryRole = Qt::UserRole + 1;

// Grid3: whether the row is imported, its line in the file, the trades columns, 差额 and 说明.
constexpr int kImportColumn = 0;
constexpr int kFirstTradeColumn = 2;
constexpr int kDifferenceColumn = kFirstTradeColumn + static_cast<int>(kTradeColumnCount);
constexpr int kNoteColumn = kDifferenceColumn + 1;

// 红利: the entry's columns, then 应补税 and 说明.
constexpr std::array kDividendColumns = {TradeColumn::Date,     TradeColumn::Code,
                                         TradeColumn::Name,     TradeColumn::Action,
                                         TradeColumn::Quantity, TradeColumn::Amount};
constexpr std::array kDividendActions = {TradeAction::Dividend, TradeAction::DividendTax,
                                         TradeAction::BonusShares, TradeAction::ReserveShares};

const QColor kDoubtedRow(255, 243, 205);
const QColor kPassedOverText(128, 128, 128);
const QColor kChargedMore(255, 214, 214);
const QColor kChargedLess(214, 230, 255);

QStandardItem* cellItem(const QString& text, bool figure = false) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    if (figure) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

void setHeadings(QStandardItemModel& model, const QStringList& headings) {
    model.setColumnCount(static_cast<int>(headings.size()));
    model.setHorizontalHeaderLabels(headings);
}

void clearRows(QStandardItemModel& model) {
    model.removeRows(0, model.rowCount());
}

// The statement's order is the one that tells: no column sorts.
QTableView* grid(QWidget* parent, const char* name, const QString& accessibleName,
                 QStandardItemModel* model) {
    QTableView* view = journalTable(parent, name, accessibleName, model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return view;
}

QLabel* label(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* made = new QLabel(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setAccessibleName(accessibleName);
    made->setWordWrap(true);
    made->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return made;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setAccessibleName(caption.section(QStringLiteral("(&"), 0, 0));
    made->setAutoDefault(false);
    return made;
}

Decimal sizeOf(const Decimal& value) {
    return value.sign() < 0 ? value.negated() : value;
}

// A difference of a fen or more, coloured by its side and read out as 多收 or 少收.
void markDifference(QStandardItem& item, const Decimal& difference) {
    if (sizeOf(difference) < kLeastMarkedDifference) {
        return;
    }
    item.setBackground(difference.sign() > 0 ? kChargedMore : kChargedLess);
    item.setData(markedDifference(difference), Qt::AccessibleTextRole);
    item.setToolTip(markedDifference(difference));
}

std::size_t rowsSkipped(const PreviewFile& file) {
    return file.statement.skipped.size() + file.entries.leftOut.size();
}

} // namespace

StatementPreview::StatementPreview(JournalSession& journal, ImportPreview preview, QWidget* parent)
    : QDialog(parent), m_journal(journal), m_preview(std::move(preview)),
      m_leftOut(m_preview.read.size(), false) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(importStatementsTitle());
    setAccessibleName(importStatementsTitle());
    setSizeGripEnabled(true);
    giveProgramColours(*this);
    createControls();
    recompute();
    showEntries();
    resize(1180, 680);
    Grid3->setCurrentIndex(m_entries->index(0, kImportColumn));
    Grid3->setFocus();
}

StatementPreview::~StatementPreview() = default;

void StatementPreview::createControls() {
    auto* layout = new QVBoxLayout(this);
    Label1 = label(this, "Label1", QStringLiteral("对账单文件"));
    layout->addWidget(Label1);
    Tab1 = new QTabWidget(this);
    Tab1->setObjectName(QStringLiteral("Tab1"));
    Tab1->setAccessibleName(QStringLiteral("预览的各页"));
    Tab1->addTab(createTradesPage(), tradesPageCaption());
    Tab1->addTab(createReconcilePage(), reconcilePageCaption());
    Tab1->addTab(createDividendsPage(), dividendsPageCaption());
    layout->addWidget(Tab1, 1);
    Label4 = label(this, "Label4", QStringLiteral("导入的情况"));
    layout->addWidget(Label4);
    auto* buttons = new QHBoxLayout;
    Command1 = button(this, "Command1", importButtonCaption());
    Command1->setDefault(true);
    Command2 = button(this, "Command2", cancelButtonCaption());
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, &StatementPreview::accept);
    connect(Command2, &QPushButton::clicked, this, &StatementPreview::reject);
    connect(m_entries, &QStandardItemModel::itemChanged, this, &StatementPreview::entryChecked);
    connect(Command3, &QPushButton::clicked, this, &StatementPreview::takeFittedCommission);
}

QWidget* StatementPreview::createTradesPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page1"));
    page->setAccessibleName(QStringLiteral("交易"));
    auto* layout = new QVBoxLayout(page);
    m_entries = new QStandardItemModel(this);
    QStringList headings{importColumnHeading(), rowColumnHeading()};
    for (std::size_t i = 0; i < kTradeColumnCount; ++i) {
        headings << columnHeading(static_cast<TradeColumn>(i));
    }
    headings << differenceColumnHeading() << noteColumnHeading();
    setHeadings(*m_entries, headings);
    Grid3 = grid(page, "Grid3", QStringLiteral("对账单预览"), m_entries);
    Grid3->setAccessibleDescription(QStringLiteral("有疑问的行可以按空格键取消导入"));
    layout->addWidget(Grid3, 1);
    Label2 = label(page, "Label2", QStringLiteral("期初持仓"));
    Label2->setText(openingsHeading());
    layout->addWidget(Label2);
    m_openings = new QWidget(page);
    layout->addWidget(m_openings);
    return page;
}

QWidget* StatementPreview::createReconcilePage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page2"));
    page->setAccessibleName(QStringLiteral("对账"));
    auto* layout = new QVBoxLayout(page);
    auto* differencesLabel = label(page, "Label5", differencesHeading());
    differencesLabel->setText(differencesHeading());
    layout->addWidget(differencesLabel);
    m_differences = new QStandardItemModel(this);
    QStringList headings;
    for (std::size_t i = 0; i < kDifferenceColumnCount; ++i) {
        headings << fromUtf8(heading(static_cast<DifferenceColumn>(i)));
    }
    setHeadings(*m_differences, headings << noteColumnHeading());
    Grid4 = grid(page, "Grid4", QStringLiteral("费用差额"), m_differences);
    differencesLabel->setBuddy(Grid4);
    layout->addWidget(Grid4, 1);
    Label3 = label(page, "Label3", QStringLiteral("各年差额合计"));
    layout->addWidget(Label3);
    auto* fitsLabel = label(page, "Label6", fitsHeading());
    fitsLabel->setText(fitsHeading());
    layout->addWidget(fitsLabel);
    m_fits = new QStandardItemModel(this);
    headings.clear();
    for (std::size_t i = 0; i < kFitColumnCount; ++i) {
        headings << fromUtf8(heading(static_cast<FitColumn>(i)));
    }
    setHeadings(*m_fits, headings);
    Grid5 = grid(page, "Grid5", fitsHeading(), m_fits);
    fitsLabel->setBuddy(Grid5);
    layout->addWidget(Grid5, 1);
    auto* fitRow = new QHBoxLayout;
    Command3 = button(page, "Command3", takeFitCaption());
    Label7 = label(page, "Label7", QStringLiteral("推算的佣金"));
    fitRow->addWidget(Command3);
    fitRow->addWidget(Label7, 1);
    layout->addLayout(fitRow);
    return page;
}

QWidget* StatementPreview::createDividendsPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page3"));
    page->setAccessibleName(QStringLiteral("红利"));
    auto* layout = new QVBoxLayout(page);
    auto* heading = label(page, "Label8", dividendsHeading());
    heading->setText(dividendsHeading());
    layout->addWidget(heading);
    m_dividends = new QStandardItemModel(this);
    QStringList headings;
    for (const TradeColumn column : kDividendColumns) {
        headings << columnHeading(column);
    }
    setHeadings(*m_dividends, headings << expectedTaxHeading() << noteColumnHeading());
    Grid6 = grid(page, "Grid6", QStringLiteral("红利与红利税"), m_dividends);
    heading->setBuddy(Grid6);
    layout->addWidget(Grid6, 1);
    return page;
}

// Through the tables, the boxes and the buttons, each page's own where it shows.
void StatementPreview::orderTabs() {
    std::vector<QWidget*> order{Tab1, Grid3};
    order.insert(order.end(), m_costBoxes.begin(), m_costBoxes.end());
    for (const auto& [entry, box] : m_priceBoxes) {
        order.push_back(box);
    }
    order.insert(order.end(), {Grid4, Grid5, Command3, Grid6, Command1, Command2});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void StatementPreview::recompute() {
    std::vector<bool> passedOver = m_preview.stored;
    // A second look at the same statement at another commission cannot take a sum further
    // than the first did; the differences would only stay as they were.
    (void)completePreview(m_preview, m_preview.stored, m_journal.trades(), m_journal.commission());
    for (std::size_t i = 0; i < passedOver.size(); ++i) {
        passedOver[i] = passedOver[i] || m_leftOut[i];
    }
    m_chosen = m_preview;
    (void)completePreview(m_chosen, std::move(passedOver), m_journal.trades(),
                          m_journal.commission());
    showFiles();
    showOpenings();
    showReconciliation();
    showDividends();
    showWhetherWritable();
}

void StatementPreview::showFiles() {
    QStringList lines;
    for (std::size_t file = 0; file < m_preview.files.size(); ++file) {
        const PreviewFile& read = m_preview.files[file];
        std::size_t toAdd = 0;
        std::size_t held = 0;
        for (std::size_t i = 0; i < m_preview.read.size(); ++i) {
            if (m_preview.placeOf[i].file != file) {
                continue;
            }
            held += m_preview.stored[i] ? 1 : 0;
            toAdd += std::ranges::count(m_chosen.fresh, i) > 0 ? 1 : 0;
        }
        lines << statementFileLine(
            QFileInfo(read.file).fileName(), fromUtf8(encodingWord(read.statement.encoding)),
            fromUtf8(formatWord(read.statement.format)), toAdd, held, rowsSkipped(read));
    }
    Label1->setText(lines.join(u'\n'));
}

void StatementPreview::showEntries() {
    struct Line {
        std::size_t row = 0;
        int entry = -1;
        QString note;
    };
    m_showing = true;
    clearRows(*m_entries);
    for (std::size_t file = 0; file < m_preview.files.size(); ++file) {
        const PreviewFile& read = m_preview.files[file];
        std::vector<Line> lines;
        lines.reserve(read.statement.skipped.size() + read.entries.leftOut.size() +
                      read.entries.entries.size());
        for (const SkippedRow& skipped : read.statement.skipped) {
            lines.push_back({skipped.row, -1, fromUtf8(skipWords(skipped))});
        }
        for (const LeftOutRow& leftOut : read.entries.leftOut) {
            lines.push_back({leftOut.row, -1, fromUtf8(gapWords(leftOut))});
        }
        for (std::size_t i = 0; i < m_preview.read.size(); ++i) {
            if (m_preview.placeOf[i].file == file) {
                lines.push_back({statementEntry(m_preview, i).row, static_cast<int>(i), {}});
            }
        }
        // A row is skipped, left out or an entry, never two of them.
        std::ranges::sort(lines, [](const Line& a, const Line& b) {
            return std::tie(a.row, a.entry) < std::tie(b.row, b.entry);
        });
        const QString filePrefix =
            m_preview.files.size() > 1 ? QStringLiteral("%1:").arg(file + 1) : QString();
        for (const Line& line : lines) {
            QList<QStandardItem*> cells;
            auto* first = cellItem(line.entry < 0 ? skippedWord() : willImportWord());
            first->setData(line.entry, kEntryRole);
            cells << first << cellItem(filePrefix + QString::number(line.row), true);
            for (std::size_t c = 0; c < kTradeColumnCount; ++c) {
                const auto column = static_cast<TradeColumn>(c);
                cells << cellItem(
                    line.entry < 0
                        ? QString()
                        : fromUtf8(tradeCell(
                              m_preview.read.at(static_cast<std::size_t>(line.entry)), column)),
                    holdsFigures(column));
            }
            cells << cellItem({}, true) << cellItem(line.note);
            if (line.entry < 0) {
                for (QStandardItem* cell : cells) {
                    cell->setForeground(kPassedOverText);
                }
            }
            m_entries->appendRow(cells);
        }
    }
    m_showing = false;
    showEntryNotes();
}

// What may change as rows are left out or the commission is taken: each entry's state, its
// difference and its notes.
void StatementPreview::showEntryNotes() {
    m_showing = true;
    for (int r = 0; r < m_entries->rowCount(); ++r) {
        QStandardItem* first = m_entries->item(r, kImportColumn);
        const int entry = first->data(kEntryRole).toInt();
        if (entry < 0) {
            continue;
        }
        const auto i = static_cast<std::size_t>(entry);
        const StatementEntry& read = statementEntry(m_preview, i);
        const bool held = m_preview.stored.at(i);
        const bool doubted = !held && !read.problems.empty();
        QStringList notes;
        if (held) {
            first->setText(heldAlreadyWord());
            notes << heldAlreadyWord();
        } else if (read.priceAsked) {
            notes << fromUtf8(priceAskedWords());
        }
        if (!held) {
            for (const RowProblem& problem : read.problems) {
                notes << problemImportedNote(fromUtf8(problemWords(problem)));
            }
        }
        for (const OpeningNeed& need : m_chosen.openings) {
            if (need.firstSale == i) {
                notes << openingNeededNote(need);
            }
        }
        if (doubted) {
            first->setCheckable(true);
            first->setCheckState(m_leftOut.at(i) ? Qt::Unchecked : Qt::Checked);
            first->setText(m_leftOut.at(i) ? leftOutWord() : willImportWord());
            first->setData(importChoiceText(!m_leftOut.at(i)), Qt::AccessibleTextRole);
        }
        auto* difference = cellItem({}, true);
        if (const std::optional<Decimal>& value = m_preview.difference.at(i)) {
            difference->setText(fromUtf8(value->fixedText(kFenDecimals)));
            markDifference(*difference, *value);
        }
        m_entries->setItem(r, kDifferenceColumn, difference);
        // A long note is cut at the table's edge; its tooltip holds it whole.
        auto* note = cellItem(notes.join(QStringLiteral("；")));
        note->setToolTip(note->text());
        m_entries->setItem(r, kNoteColumn, note);
        for (int c = 0; c < m_entries->columnCount(); ++c) {
            QStandardItem* cell = m_entries->item(r, c);
            if (doubted && c != kDifferenceColumn) {
                cell->setBackground(kDoubtedRow);
            }
            if (held || m_leftOut.at(i)) {
                cell->setForeground(kPassedOverText);
            } else {
                cell->setData({}, Qt::ForegroundRole);
            }
        }
    }
    m_showing = false;
}

void StatementPreview::entryChecked(QStandardItem* item) {
    if (m_showing || item->column() != kImportColumn || !item->isCheckable()) {
        return;
    }
    const int entry = item->data(kEntryRole).toInt();
    if (entry < 0) {
        return;
    }
    m_leftOut.at(static_cast<std::size_t>(entry)) = item->checkState() != Qt::Checked;
    recompute();
    showEntryNotes();
}

void StatementPreview::showOpenings() {
    auto* fresh = new QWidget(m_openings->parentWidget());
    fresh->setObjectName(QStringLiteral("Openings"));
    auto* form = new QFormLayout(fresh);
    form->setContentsMargins(0, 0, 0, 0);
    m_costBoxes.clear();
    for (const OpeningNeed& need : m_chosen.openings) {
        auto* box = new QLineEdit(fresh);
        box->setObjectName(QStringLiteral("Text%1").arg(m_costBoxes.size() + 1));
        box->setAccessibleName(openingBoxName(need));
        box->setPlaceholderText(openingCostPlaceholder());
        box->setText(m_typedCosts[need.code]);
        connect(box, &QLineEdit::textChanged, this,
                [this, code = need.code](const QString& text) { m_typedCosts[code] = text; });
        auto* heading = new QLabel(openingBoxLabel(need), fresh);
        heading->setBuddy(box);
        form->addRow(heading, box);
        m_costBoxes.push_back(box);
    }
    m_priceBoxes.clear();
    for (const std::size_t i : m_chosen.fresh) {
        if (!statementEntry(m_preview, i).priceAsked) {
            continue;
        }
        const JournalTrade& issue = m_chosen.read.at(i);
        auto* box = new QLineEdit(fresh);
        box->setObjectName(QStringLiteral("Price%1").arg(m_priceBoxes.size() + 1));
        box->setAccessibleName(issuePriceBoxName(issue));
        box->setPlaceholderText(openingCostPlaceholder());
        box->setText(m_typedPrices[i]);
        connect(box, &QLineEdit::textChanged, this,
                [this, i](const QString& text) { m_typedPrices[i] = text; });
        auto* heading = new QLabel(issuePriceBoxLabel(issue), fresh);
        heading->setBuddy(box);
        form->addRow(heading, box);
        m_priceBoxes.emplace_back(i, box);
    }
    // The layout hands back the old box's item, which is the caller's to delete.
    delete m_openings->parentWidget()->layout()->replaceWidget(m_openings, fresh);
    delete m_openings;
    m_openings = fresh;
    const bool asks = !m_costBoxes.empty() || !m_priceBoxes.empty();
    Label2->setVisible(asks);
    m_openings->setVisible(asks);
    orderTabs();
}

void StatementPreview::showReconciliation() {
    clearRows(*m_differences);
    clearRows(*m_fits);
    m_periods.clear();
    std::vector<ChargedFill> fills;
    for (const JournalTrade& trade : m_preview.read) {
        if (std::optional<ChargedFill> fill = chargedFillOf(trade)) {
            fills.push_back(std::move(*fill));
        }
    }
    auto ordered = ordersOf(fills);
    const auto* orders = std::get_if<std::vector<ChargedOrder>>(&ordered);
    auto checked = orders != nullptr ? reconcile(*orders, m_journal.commission())
                                     : std::variant<Reconciliation, RowOverflow>(RowOverflow{});
    auto fitted = orders != nullptr
                      ? fitCommission(*orders)
                      : std::variant<std::vector<FittedPeriod>, RowOverflow>(RowOverflow{});
    const auto* reconciliation = std::get_if<Reconciliation>(&checked);
    if (orders == nullptr || orders->empty() || reconciliation == nullptr) {
        Label3->setText(noOrderToReconcile());
    } else {
        for (const ReconciledOrder& reconciled : reconciliation->orders) {
            const ChargedOrder& order = orders->at(reconciled.order);
            const auto* check = std::get_if<CostCheck>(&reconciled.check);
            for (const Cost cost : kAllCosts) {
                if (check == nullptr || !check->marked.at(static_cast<std::size_t>(cost))) {
                    continue;
                }
                QList<QStandardItem*> cells;
                for (std::size_t c = 0; c < kDifferenceColumnCount; ++c) {
                    const auto column = static_cast<DifferenceColumn>(c);
                    cells << cellItem(fromUtf8(differenceCell({order, *check, cost}, column)),
                                      column >= DifferenceColumn::Charged);
                }
                markDifference(*cells.at(static_cast<int>(DifferenceColumn::Difference)),
                               check->difference.of(cost));
                cells << cellItem(reconciled.defaultFees ? defaultFeesWord() : QString());
                m_differences->appendRow(cells);
            }
        }
        QStringList years;
        for (const YearTotals& year : reconciliation->years) {
            years << describeYearTotals(year);
        }
        Label3->setText(years.join(u'\n'));
    }
    if (auto* periods = std::get_if<std::vector<FittedPeriod>>(&fitted)) {
        m_periods = std::move(*periods);
    }
    for (const FittedPeriod& period : m_periods) {
        QList<QStandardItem*> cells;
        for (std::size_t c = 0; c < kFitColumnCount; ++c) {
            const auto column = static_cast<FitColumn>(c);
            cells << cellItem(fromUtf8(fitCell(period, column)),
                              column == FitColumn::Percent || column == FitColumn::Minimum);
        }
        m_fits->appendRow(cells);
    }
    const bool fits = std::ranges::any_of(m_periods, [](const FittedPeriod& period) {
        return period.fit && (period.fit->percent || period.fit->minimum);
    });
    const bool differs = fits && fittedCommission() != m_journal.commission();
    Command3->setEnabled(differs);
    Label7->setText(!fits ? noFittedCommission() : differs ? QString() : fittedCommissionInUse());
}

// The latest period of each side that tells something, the later of the two taken last, so
// that its minimum is the one kept. The journal's commission is the shares' first (funds and
// bonds are costed at it only until they have one of their own), and a fund's one order at the
// minimum would otherwise stand for a rate: a kind of shares' periods come before the others'.
JournalCommission StatementPreview::fittedCommission() const {
    const auto shares = [](SecurityKind kind) {
        return kind != SecurityKind::Fund && kind != SecurityKind::ConvertibleBond;
    };
    std::array<const FittedPeriod*, 2> latest{};
    for (const FittedPeriod& period : m_periods) {
        if (!period.fit || (!period.fit->percent && !period.fit->minimum)) {
            continue;
        }
        const FittedPeriod*& kept = latest.at(period.side == Side::Buy ? 0 : 1);
        const auto rank = [&](const FittedPeriod& p) {
            return std::tuple(shares(p.kind), p.through, p.from);
        };
        if (kept == nullptr || rank(*kept) < rank(period)) {
            kept = &period;
        }
    }
    if (latest[0] != nullptr && latest[1] != nullptr && latest[1]->through < latest[0]->through) {
        std::swap(latest[0], latest[1]);
    }
    JournalCommission commission = m_journal.commission();
    for (const FittedPeriod* period : latest) {
        if (period != nullptr) {
            commission = withFit(commission, *period);
        }
    }
    return commission;
}

void StatementPreview::takeFittedCommission() {
    const JournalCommission was = m_journal.commission();
    const JournalCommission now = fittedCommission();
    if (QMessageBox::question(this, importStatementsTitle(), confirmFittedCommission(was, now),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) != QMessageBox::Yes) {
        activateWindow();
        return;
    }
    activateWindow();
    m_journal.changeCommission(now);
    recompute();
    showEntryNotes();
    Label7->setText(fittedCommissionTaken());
    Grid5->setFocus();
}

void StatementPreview::showDividends() {
    clearRows(*m_dividends);
    // The sales' tax as the journal would expect it with these entries in.
    std::vector<JournalTrade> replayed = m_journal.trades();
    const std::size_t firstAdded = replayed.size() + m_chosen.openings.size();
    const std::vector<JournalTrade> added = entriesAdded(m_chosen, {});
    replayed.insert(replayed.end(), added.begin(), added.end());
    const auto ledger = replayTrades(replayed);
    const auto* replay = std::get_if<Ledger>(&ledger);
    std::vector<std::optional<Decimal>> taxOf(m_preview.read.size());
    for (std::size_t k = 0; replay != nullptr && k < m_chosen.fresh.size(); ++k) {
        taxOf.at(m_chosen.fresh[k]) = replay->dividendTaxOf.at(firstAdded + k);
    }
    for (std::size_t i = 0; i < m_preview.read.size(); ++i) {
        const JournalTrade& trade = m_preview.read[i];
        const bool event = std::ranges::count(kDividendActions, trade.action) > 0;
        const bool taxed = taxOf[i] && taxOf[i]->sign() != 0;
        if (!event && !taxed) {
            continue;
        }
        QList<QStandardItem*> cells;
        for (const TradeColumn column : kDividendColumns) {
            cells << cellItem(fromUtf8(tradeCell(trade, column)), holdsFigures(column));
        }
        cells << cellItem(taxed ? fromUtf8(taxOf[i]->fixedText(kFenDecimals)) : QString(), true)
              << cellItem(m_preview.stored[i] ? heldAlreadyWord() : QString());
        m_dividends->appendRow(cells);
    }
}

void StatementPreview::showWhetherWritable() {
    const Journal* store = m_journal.journal();
    const std::size_t count = m_chosen.openings.size() + m_chosen.fresh.size();
    if (store == nullptr || store->readOnly()) {
        Label4->setText(journalReadOnlyForImport());
    } else if (count == 0) {
        Label4->setText(nothingNewToImport());
    } else {
        Label4->setText(entriesWillBeWritten(count, m_chosen.openings.size()));
    }
    Command1->setEnabled(store != nullptr && !store->readOnly() && count > 0);
    Command1->setAccessibleDescription(Label4->text());
}

// The new issues' prices typed, each read as a typed purchase's price; false, with the box named
// and the keyboard back in it, where one does not read.
bool StatementPreview::takeIssuePrices(ImportPreview& chosen) {
    for (const auto& [i, box] : m_priceBoxes) {
        const std::string typed = box->text().trimmed().toStdString();
        if (typed.empty()) {
            continue;
        }
        const StatementEntry& asked = statementEntry(m_preview, i);
        JournalTrade& issue = chosen.read.at(i);
        TradeDraft draft;
        draft.date = dateText(issue.date);
        draft.code = issue.code;
        draft.kind = issue.kind;
        draft.action = TradeAction::Buy;
        draft.quantity = std::to_string(issue.quantity);
        draft.price = typed;
        draft.source = TradeSource::Statement;
        draft.decimalComma = usesDecimalComma();
        const auto read = draftTrade(draft, m_journal.commission(), todayInChina());
        const auto* drafted = std::get_if<JournalTrade>(&read);
        std::optional<StatementEntry> priced;
        if (drafted != nullptr && drafted->price) {
            priced = withIssuePrice({asked.row, asked.kind, issue, true, asked.problems},
                                    *drafted->price);
        }
        if (!priced) {
            const auto* refusal = std::get_if<DraftRefusal>(&read);
            Tab1->setCurrentIndex(0);
            tellUser(this, importStatementsTitle(),
                     issuePriceRefused(issue, refusal != nullptr ? describeDraftRefusal(*refusal)
                                                                 : QString()));
            activateWindow();
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
            return false;
        }
        issue = priced->trade;
    }
    return true;
}

void StatementPreview::accept() {
    Journal* store = m_journal.journal();
    if (store == nullptr || !Command1->isEnabled()) {
        return;
    }
    std::map<std::string, std::optional<Decimal>> costs;
    for (std::size_t k = 0; k < m_chosen.openings.size(); ++k) {
        const OpeningNeed& need = m_chosen.openings[k];
        const std::string typed = m_typedCosts[need.code].trimmed().toStdString();
        if (typed.empty()) {
            costs[need.code] = std::nullopt;
            continue;
        }
        // Read as a typed opening holding's total cost is read.
        TradeDraft draft;
        draft.date = dateText(need.date);
        draft.code = need.code;
        draft.kind = need.kind;
        draft.action = TradeAction::Opening;
        draft.quantity = std::to_string(need.shares);
        draft.price = typed;
        draft.source = TradeSource::Statement;
        draft.decimalComma = usesDecimalComma();
        const auto read = draftTrade(draft, m_journal.commission(), todayInChina());
        if (const auto* refusal = std::get_if<DraftRefusal>(&read)) {
            Tab1->setCurrentIndex(0);
            tellUser(this, importStatementsTitle(),
                     openingCostRefused(need, describeDraftRefusal(*refusal)));
            // The keyboard comes back to the box to put right, in this window and not in
            // whichever one the window system activated as the message closed.
            activateWindow();
            m_costBoxes.at(k)->setFocus(Qt::OtherFocusReason);
            m_costBoxes.at(k)->selectAll();
            return;
        }
        costs[need.code] = std::get<JournalTrade>(read).amount;
    }
    // A copy: a refused write leaves the preview as it was, to try again.
    ImportPreview chosen = m_chosen;
    if (!takeIssuePrices(chosen)) {
        return;
    }
    auto added = store->importAll(entriesToWrite(std::move(chosen), costs, m_leftOut));
    if (const auto* refusal = std::get_if<WriteRefusal>(&added)) {
        tellUser(this, importStatementsTitle(), describeWriteRefusal(*refusal));
        return;
    }
    m_written = std::get<std::vector<JournalTrade>>(std::move(added));
    QDialog::accept();
}

} // namespace pelmora
