#include "cli/Commands.h"

#include "calc/CommissionFit.h"
#include "calc/DividendLines.h"
#include "calc/Holdings.h"
#include "calc/Reconciliation.h"
#include "calc/TradeDifferences.h"
#include "calc/TradeDraft.h"
#include "cli/Arguments.h"
#include "cli/CliWords.h"
#include "cli/JournalSettings.h"
#include "cli/Output.h"
#include "cli/StatementImport.h"
#include "design/DividendTables.h"
#include "design/JournalTables.h"
#include "design/ReconcileTables.h"
#include "statement/StatementReader.h"
#include "store/Journal.h"
#include "store/JournalCsv.h"

#include <QFileInfo>
#include <algorithm>
#include <map>
#include <memory>

namespace pelmora::cli {
namespace {

// A command that cannot go on, thrown to runCommandLine, which says why.
struct Stop {
    ExitStatus status;
    QString message;
};

[[noreturn]] void stop(ExitStatus status, QString message) {
    throw Stop{status, std::move(message)};
}

// What a refused write is: the user's sale or figure, or the store's trouble.
ExitStatus statusOf(const WriteRefusal& refusal) {
    return refusal.stop == WriteStop::Oversold || refusal.stop == WriteStop::Overflow
               ? kRefused
               : kStoreTrouble;
}

bool isCode(std::string_view code) {
    constexpr std::size_t kCodeDigits = 6;
    return code.size() == kCodeDigits &&
           std::ranges::all_of(code, [](char c) { return c >= '0' && c <= '9'; });
}

// A table's headings, then its rows, a cell for each of its columns.
template <typename Column, std::size_t count> void printColumns() {
    std::vector<std::string> cells;
    cells.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        cells.emplace_back(heading(static_cast<Column>(i)));
    }
    printRow(cells);
}

template <typename Column, std::size_t count, typename CellOf> void printCells(CellOf cellOf) {
    std::vector<std::string> cells;
    cells.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        cells.push_back(cellOf(static_cast<Column>(i)));
    }
    printRow(cells);
}

void printTradesHeading() {
    printColumns<TradeColumn, kTradeColumnCount>();
}

void printTrade(const JournalTrade& trade) {
    printCells<TradeColumn, kTradeColumnCount>(
        [&](TradeColumn column) { return tradeCell(trade, column); });
}

// A rate or minimum given for one trade, checked as the settings window checks it.
Decimal overriding(Option option, const std::string& text,
                   SettingCheck (*check)(std::string_view, bool)) {
    const SettingCheck checked = check(text, false);
    if (const auto* refused = std::get_if<RefusedSetting>(&checked)) {
        stop(kRefused, settingRefusal(option, text, *refused));
    }
    // The check takes only a text the exact decimals read.
    return Decimal::fromText(text).value_or(Decimal());
}

class Session {
public:
    Session(const Invocation& invocation, TradeDate today)
        : m_invocation(invocation), m_today(today) {
        const std::optional<std::string> journal = invocation.option(Option::Journal);
        m_journalFile = journal ? QString::fromStdString(*journal) : defaultJournalFile();
    }

    void run() {
        switch (m_invocation.command) {
        case Command::Add:
            add();
            break;
        case Command::Opening:
            opening();
            break;
        case Command::Holdings:
            holdings();
            break;
        case Command::Trades:
            trades();
            break;
        case Command::Dividends:
            dividends();
            break;
        case Command::Export:
            exportTo(QString::fromStdString(operand(0)));
            break;
        case Command::Import:
            importFiles();
            break;
        case Command::Reconcile:
            reconcileStatement();
            break;
        case Command::Help:
            printText(helpText());
            break;
        }
    }

private:
    [[nodiscard]] const std::string& operand(std::size_t i) const {
        return m_invocation.operands.at(i);
    }

    [[nodiscard]] JournalCommission commission() const {
        const std::optional<std::string> file = m_invocation.option(Option::Settings);
        SettingsReading reading =
            readJournalSettings(file ? QString::fromStdString(*file) : usualSettingsFile());
        for (const QString& note : reading.notes) {
            printMessage(note);
        }
        return reading.commission;
    }

    [[nodiscard]] std::unique_ptr<Journal> open() const {
        Journal::Opened opened = Journal::open(m_journalFile);
        if (!opened.journal) {
            stop(kStoreTrouble, journalReport(opened.report.value_or(JournalReport{})));
        }
        if (opened.report) {
            printMessage(journalReport(*opened.report));
        }
        return std::move(opened.journal);
    }

    static std::vector<JournalTrade> tradesOf(const Journal& journal) {
        auto read = journal.trades();
        if (const auto* report = std::get_if<JournalReport>(&read)) {
            stop(kStoreTrouble, journalUnreadable(*report));
        }
        return std::get<std::vector<JournalTrade>>(std::move(read));
    }

    // Every trade in the order they replay. Reading makes no journal where there is none.
    [[nodiscard]] std::vector<JournalTrade> storedTrades() const {
        const QFileInfo file(m_journalFile);
        if (!file.exists() && !file.isSymLink()) {
            return {};
        }
        std::vector<JournalTrade> trades = tradesOf(*open());
        // The id decides last, so no two trades are alike in this order.
        std::ranges::sort(trades, replaysBefore);
        return trades;
    }

    void record(const TradeDraft& draft, const JournalCommission& costs) const {
        auto drafted = draftTrade(draft, costs, m_today);
        if (auto* refused = std::get_if<DraftRefusal>(&drafted)) {
            // The console takes no typed costs: what keeps them from being worked out is the date.
            if (refused->problem == DraftProblem::CostsNeeded) {
                *refused = DraftRefusal{DraftBox::Date, DraftProblem::CostsNeeded, draft.date};
            }
            stop(kRefused, draftRefusal(*refused, kindOfCode(draft.code)));
        }
        auto added = open()->add(std::get<JournalTrade>(drafted));
        if (const auto* refused = std::get_if<WriteRefusal>(&added)) {
            stop(statusOf(*refused), writeRefusal(*refused, m_journalFile));
        }
        printTradesHeading();
        printTrade(std::get<JournalTrade>(added));
    }

    [[nodiscard]] TradeDraft draftOf(TradeAction action) const {
        TradeDraft draft;
        draft.date = operand(0);
        draft.code = operand(1);
        draft.action = action;
        draft.name = m_invocation.option(Option::Name).value_or(std::string());
        draft.note = m_invocation.option(Option::Note).value_or(std::string());
        draft.source = TradeSource::Manual;
        return draft;
    }

    void add() const {
        // A purchase or a sale: an opening holding has its own command, and the events come
        // with a statement.
        const std::optional<TradeAction> action = actionOfWord(operand(2));
        if (!action || (*action != TradeAction::Buy && *action != TradeAction::Sell)) {
            stop(kRefused, actionRefusal(operand(2)));
        }
        TradeDraft draft = draftOf(*action);
        draft.time = m_invocation.option(Option::Time).value_or(std::string());
        draft.quantity = operand(3);
        draft.price = operand(4);
        JournalCommission costs = commission();
        if (const std::optional<std::string> rate = m_invocation.option(Option::Rate)) {
            (*action == TradeAction::Buy ? costs.buyPercent : costs.sellPercent) =
                overriding(Option::Rate, *rate, checkRateText);
        }
        if (const std::optional<std::string> minimum = m_invocation.option(Option::Minimum)) {
            costs.minimum = overriding(Option::Minimum, *minimum, checkMinimumText);
        }
        record(draft, costs);
    }

    void opening() const {
        TradeDraft draft = draftOf(TradeAction::Opening);
        draft.quantity = operand(2);
        draft.price = operand(3);
        record(draft, commission());
    }

    // The prices given, by code, each for a holding listed.
    [[nodiscard]] std::map<std::string, Decimal>
    prices(const std::vector<const Position*>& listed) const {
        std::map<std::string, Decimal> prices;
        const auto found = m_invocation.options.find(Option::Price);
        if (found == m_invocation.options.end()) {
            return prices;
        }
        for (const std::string& text : found->second) {
            const std::size_t equals = text.find('=');
            if (equals == std::string::npos) {
                stop(kRefused, priceRefusal(PriceProblem::NoEquals, text));
            }
            const std::string code = text.substr(0, equals);
            const std::optional<Decimal> price = Decimal::fromText(text.substr(equals + 1));
            if (!price || price->sign() <= 0) {
                stop(kRefused, priceRefusal(PriceProblem::NotPositive, text));
            }
            if (std::ranges::none_of(listed, [&](const Position* p) { return p->code == code; })) {
                stop(kRefused, priceRefusal(PriceProblem::NotShown, text));
            }
            if (!prices.emplace(code, *price).second) {
                stop(kRefused, priceRefusal(PriceProblem::Repeated, text));
            }
        }
        return prices;
    }

    void holdings() const {
        const std::vector<JournalTrade> trades = storedTrades();
        auto replayed = replayTrades(trades);
        if (const auto* fault = std::get_if<LedgerFault>(&replayed)) {
            stop(kStoreTrouble, ledgerFault(fault->stop, trades.at(fault->trade)));
        }
        const Ledger& ledger = std::get<Ledger>(replayed);
        std::vector<const Position*> listed;
        for (const auto& [code, position] : ledger.positions) {
            if (position.shares > 0 || m_invocation.has(Option::All)) {
                listed.push_back(&position);
            }
        }
        const std::map<std::string, Decimal> given = prices(listed);
        const bool priced = m_invocation.has(Option::Price);
        const JournalCommission costs = priced ? commission() : JournalCommission{};
        const std::size_t columns = priced ? kHoldingColumnCount : kUnpricedHoldingColumns;
        std::vector<std::string> cells;
        cells.reserve(columns);
        for (std::size_t i = 0; i < columns; ++i) {
            cells.emplace_back(heading(static_cast<HoldingColumn>(i)));
        }
        printRow(cells);
        for (const Position* position : listed) {
            const auto price = given.find(position->code);
            std::optional<Decimal> at;
            std::optional<Valuation> valuation;
            if (price != given.end()) {
                at = price->second;
                valuation = valued(*position, price->second, costs);
            }
            cells.clear();
            for (std::size_t i = 0; i < columns; ++i) {
                cells.push_back(
                    holdingCell(*position, static_cast<HoldingColumn>(i), at, valuation));
            }
            printRow(cells);
        }
    }

    [[nodiscard]] std::optional<Valuation> valued(const Position& position, const Decimal& price,
                                                  const JournalCommission& costs) const {
        const OrderTerms terms = journalTerms(costs, position.kind, m_today, Side::Sell);
        auto value = valueAt(position, price, terms);
        if (const auto* stopped = std::get_if<ValuationStop>(&value)) {
            if (*stopped == ValuationStop::NothingHeld) {
                return std::nullopt; // a closed holding, listed with --all
            }
            stop(kRefused, priceRefusal(PriceProblem::NoValuation,
                                        position.code + '=' + price.fixedText(price.scale())));
        }
        return std::get<Valuation>(value);
    }

    // The code a listing is narrowed to; none for every code.
    [[nodiscard]] std::optional<std::string> codeAsked() const {
        std::optional<std::string> code =
            m_invocation.operands.empty() ? std::nullopt : std::optional(operand(0));
        if (code && !isCode(*code)) {
            stop(kRefused, codeRefusal(*code));
        }
        return code;
    }

    void trades() const {
        const std::optional<std::string> code = codeAsked();
        const std::vector<JournalTrade> trades = storedTrades();
        printTradesHeading();
        for (const JournalTrade& trade : trades) {
            if (!code || trade.code == *code) {
                printTrade(trade);
            }
        }
    }

    void dividends() const {
        const std::optional<std::string> code = codeAsked();
        const std::vector<JournalTrade> trades = storedTrades();
        auto lines = dividendLines(trades);
        if (const auto* fault = std::get_if<LedgerFault>(&lines)) {
            stop(kStoreTrouble, ledgerFault(fault->stop, trades.at(fault->trade)));
        }
        printColumns<DividendColumn, kDividendColumnCount>();
        for (const DividendLine& line : std::get<std::vector<DividendLine>>(lines)) {
            if (!code || line.code == *code) {
                printCells<DividendColumn, kDividendColumnCount>(
                    [&](DividendColumn column) { return dividendCell(line, column); });
            }
        }
    }

    // The year --year asks for; none for every year.
    [[nodiscard]] std::optional<std::chrono::year> yearAsked() const {
        const std::optional<std::string> text = m_invocation.option(Option::Year);
        if (!text) {
            return std::nullopt;
        }
        constexpr std::size_t kYearDigits = 4;
        if (text->size() != kYearDigits ||
            !std::ranges::all_of(*text, [](char c) { return c >= '0' && c <= '9'; })) {
            stop(kRefused, yearRefusal(*text));
        }
        return std::chrono::year(std::stoi(*text));
    }

    // The statement's trades as the broker charged them: what it imported, nothing typed.
    [[nodiscard]] std::vector<ChargedOrder> statementOrders() const {
        std::vector<ChargedFill> fills;
        for (const JournalTrade& trade : storedTrades()) {
            if (std::optional<ChargedFill> fill = chargedFillOf(trade);
                fill && trade.source == TradeSource::Statement) {
                fills.push_back(std::move(*fill));
            }
        }
        auto orders = ordersOf(fills);
        if (std::holds_alternative<RowOverflow>(orders)) {
            stop(kRefused, statementOverflow());
        }
        return std::get<std::vector<ChargedOrder>>(std::move(orders));
    }

    void reconcileStatement() const {
        const std::optional<std::chrono::year> year = yearAsked();
        const std::vector<ChargedOrder> orders = statementOrders();
        auto checked = reconcile(orders, commission());
        auto fitted = fitCommission(orders);
        if (std::holds_alternative<RowOverflow>(checked) ||
            std::holds_alternative<RowOverflow>(fitted)) {
            stop(kRefused, statementOverflow());
        }
        printColumns<DifferenceColumn, kDifferenceColumnCount>();
        for (const ReconciledOrder& reconciled : std::get<Reconciliation>(checked).orders) {
            const ChargedOrder& order = orders.at(reconciled.order);
            const auto* check = std::get_if<CostCheck>(&reconciled.check);
            if (check == nullptr || (year && order.date.year() != *year)) {
                continue;
            }
            for (const Cost cost : kAllCosts) {
                if (check->marked.at(static_cast<std::size_t>(cost))) {
                    printCells<DifferenceColumn, kDifferenceColumnCount>([&](DifferenceColumn c) {
                        return differenceCell({order, *check, cost}, c);
                    });
                }
            }
        }
        printColumns<FitColumn, kFitColumnCount>();
        for (const FittedPeriod& period : std::get<std::vector<FittedPeriod>>(fitted)) {
            if (!year || (period.from.year() <= *year && *year <= period.through.year())) {
                printCells<FitColumn, kFitColumnCount>(
                    [&](FitColumn c) { return fitCell(period, c); });
            }
        }
    }

    void exportTo(const QString& file) const {
        const std::vector<JournalTrade> trades = storedTrades();
        if (const std::optional<CsvRefusal> refused = exportJournalCsv(file, trades)) {
            stop(kRefused, csvRefusal(*refused, file));
        }
        printMessage(exported(trades.size(), file));
    }

    // Broker statements, or a journal's own export: the file's content tells which.
    void importFiles() const {
        std::vector<PreviewFile> files;
        std::size_t refused = 0;
        for (const std::string& name : m_invocation.operands) {
            const QString file = QString::fromStdString(name);
            auto read = readStatementFile(file);
            if (const auto* refusal = std::get_if<StatementRefusal>(&read)) {
                if (m_invocation.operands.size() == 1 &&
                    (refusal->reason == RefusalReason::NotAStatement ||
                     refusal->reason == RefusalReason::MissingColumns) &&
                    headsAJournalExport(file)) {
                    importFrom(file);
                    return;
                }
                printMessage(statementRefused(file, *refusal));
                ++refused;
                continue;
            }
            auto& statement = std::get<Statement>(read);
            StatementEntries entries = entriesOfStatement(statement);
            files.push_back({file, std::move(statement), std::move(entries)});
        }
        if (refused > 0) {
            stop(kRefused, nothingImported(refused));
        }
        importStatements(previewOf(std::move(files)));
    }

    // Whether the file opens with the journal's own headings: then what its CSV reading says of
    // it is what the user needs to hear, a line of it refused included.
    [[nodiscard]] bool headsAJournalExport(const QString& file) const {
        const auto read = importJournalCsv(file, m_today);
        const auto* refused = std::get_if<CsvRefusal>(&read);
        constexpr std::size_t kFirstRowLine = 2;
        return refused == nullptr || refused->line >= kFirstRowLine;
    }

    void importStatements(ImportPreview preview) const {
        const bool dryRun = m_invocation.has(Option::DryRun);
        const QFileInfo existing(m_journalFile);
        // A trial makes no journal where there is none.
        std::unique_ptr<Journal> journal =
            dryRun && !existing.exists() && !existing.isSymLink() ? nullptr : open();
        std::vector<bool> stored;
        std::vector<JournalTrade> held;
        if (journal) {
            auto looked = journal->storedOf(preview.read);
            if (const auto* report = std::get_if<JournalReport>(&looked)) {
                stop(kStoreTrouble, journalUnreadable(*report));
            }
            stored = std::get<std::vector<bool>>(std::move(looked));
            held = tradesOf(*journal);
        }
        if (completePreview(preview, std::move(stored), held, commission())) {
            stop(kRefused, statementOverflow());
        }
        printPreview(preview, dryRun);
        if (dryRun) {
            return;
        }
        auto added = journal->importAll(entriesToWrite(std::move(preview), {}));
        if (const auto* refused = std::get_if<WriteRefusal>(&added)) {
            stop(statusOf(*refused), writeRefusal(*refused, m_journalFile));
        }
    }

    void importFrom(const QString& file) const {
        auto read = importJournalCsv(file, m_today);
        if (const auto* refused = std::get_if<CsvRefusal>(&read)) {
            stop(kRefused, csvRefusal(*refused, file));
        }
        const auto& trades = std::get<std::vector<JournalTrade>>(read);
        const std::unique_ptr<Journal> journal = open();
        // An import is a journal's start, not a merge: a trade in both would count twice.
        if (const std::size_t held = tradesOf(*journal).size(); held > 0) {
            stop(kRefused, journalNotEmpty(m_journalFile, held));
        }
        auto added = journal->addAll(trades);
        if (const auto* refused = std::get_if<WriteRefusal>(&added)) {
            stop(statusOf(*refused), writeRefusal(*refused, m_journalFile));
        }
        printMessage(imported(trades.size(), file));
    }

    const Invocation& m_invocation;
    TradeDate m_today;
    QString m_journalFile;
};

} // namespace

int runCommandLine(const QStringList& arguments, TradeDate today) {
    const auto read = readArguments(arguments);
    if (const auto* refused = std::get_if<ArgumentRefusal>(&read)) {
        printMessage(argumentRefusal(*refused));
        printMessage(usageLine());
        return kRefused;
    }
    try {
        Session(std::get<Invocation>(read), today).run();
    } catch (const Stop& stopped) {
        printMessage(stopped.message);
        return stopped.status;
    }
    if (!outputWritten()) {
        printMessage(outputNotWritten());
        return kStoreTrouble;
    }
    return kSucceeded;
}

} // namespace pelmora::cli
