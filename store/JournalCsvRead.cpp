#include "design/JournalTables.h"
#include "store/JournalCsv.h"
#include "store/JournalCsvCells.h"

#include <QByteArrayView>
#include <algorithm>
#include <optional>

namespace pelmora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Room for every column and a spreadsheet's empty ones after them.
constexpr std::size_t kMostCells = 4 * kCsvColumnCount;

// A line of the file: its cells and the line it starts on.
struct Record {
    std::size_t line = 0;
    std::vector<std::string> cells;
};

// A refusal found below the row that owns it, thrown to readJournalCsv, which returns it.
struct Refused {
    CsvRefusal refusal;
};

// Bad quoting, found before the headings are known: the cell's place names its column.
struct QuotingFault {
    std::size_t line = 0;
    std::size_t place = 0;
    std::string cell;
};

// RFC 4180's records, one pass over the bytes: nothing is read twice, so no file can hold it up.
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : m_bytes(bytes) {}

    // The next record, none at the end.
    std::optional<Record> next() {
        if (m_at == m_bytes.size()) {
            return std::nullopt;
        }
        Record record{m_line, {}};
        while (true) {
            // A line of commas alone would otherwise hold millions of empty cells.
            if (record.cells.size() == kMostCells) {
                throw Refused{{CsvProblem::TooManyCells, record.line, {}, {}}};
            }
            record.cells.push_back(atQuote() ? quotedCell(record) : plainCell(record));
            if (m_at == m_bytes.size()) {
                return record;
            }
            if (m_bytes[m_at++] != ',') {
                skipLineEnd();
                return record;
            }
        }
    }

private:
    [[nodiscard]] bool atQuote() const { return m_at < m_bytes.size() && m_bytes[m_at] == '"'; }
    [[nodiscard]] bool atCellEnd() const {
        return m_at == m_bytes.size() || m_bytes[m_at] == ',' || m_bytes[m_at] == '\r' ||
               m_bytes[m_at] == '\n';
    }

    // Past the CR or LF just read, and the LF of a CRLF.
    void skipLineEnd() {
        if (m_bytes[m_at - 1] == '\r' && m_at < m_bytes.size() && m_bytes[m_at] == '\n') {
            ++m_at;
        }
        ++m_line;
    }

    [[noreturn]] static void badQuoting(const Record& record, std::string cell) {
        throw QuotingFault{record.line, record.cells.size(), std::move(cell)};
    }

    std::string plainCell(const Record& record) {
        const std::size_t start = m_at;
        while (!atCellEnd()) {
            if (m_bytes[m_at++] == '"') {
                badQuoting(record, std::string(m_bytes.substr(start, m_at - start)));
            }
        }
        return std::string(m_bytes.substr(start, m_at - start));
    }

    std::string quotedCell(const Record& record) {
        std::string cell;
        ++m_at;
        while (true) {
            if (m_at == m_bytes.size()) {
                badQuoting(record, cell);
            }
            const char c = m_bytes[m_at++];
            if (c == '"' && !atQuote()) {
                break;
            }
            if (c == '"') {
                ++m_at; // the second of a doubled quote
            } else if (c == '\n' ||
                       (c == '\r' && (m_at == m_bytes.size() || m_bytes[m_at] != '\n'))) {
                ++m_line;
            }
            cell += c;
        }
        if (!atCellEnd()) {
            badQuoting(record, cell);
        }
        return cell;
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
};

// Where each column stands in the file, from its heading line.
class ColumnPlaces {
public:
    explicit ColumnPlaces(const Record& headings) {
        m_places.fill(std::nullopt);
        for (std::size_t place = 0; place < headings.cells.size(); ++place) {
            const std::string& text = headings.cells.at(place);
            if (text.empty() && place + 1 == headings.cells.size() && place > 0) {
                continue; // a spreadsheet's trailing separator
            }
            std::size_t column = 0;
            while (column < kCsvColumnCount && csvHeading(column) != text) {
                ++column;
            }
            if (column == kCsvColumnCount) {
                throw Refused{{CsvProblem::UnknownHeading, headings.line, text, text}};
            }
            if (m_places.at(column)) {
                throw Refused{{CsvProblem::RepeatedHeading, headings.line, text, text}};
            }
            m_places.at(column) = place;
            m_count = std::max(m_count, place + 1);
        }
        for (const TradeColumn needed :
             {TradeColumn::Date, TradeColumn::Code, TradeColumn::Action, TradeColumn::Quantity,
              TradeColumn::Price, TradeColumn::Amount}) {
            if (!m_places.at(static_cast<std::size_t>(needed))) {
                const std::string name(heading(needed));
                throw Refused{{CsvProblem::MissingHeading, headings.line, name, {}}};
            }
        }
    }

    // The column's cell on a line; empty where the line stops short or the file lacks it.
    [[nodiscard]] std::string_view cell(const Record& record, std::size_t column) const {
        const std::optional<std::size_t> place = m_places.at(column);
        return place && *place < record.cells.size() ? std::string_view(record.cells.at(*place))
                                                     : std::string_view();
    }
    // The heading over the cell at `place`, for a refusal that only knows the place.
    [[nodiscard]] std::string headingAt(std::size_t place) const {
        for (std::size_t column = 0; column < kCsvColumnCount; ++column) {
            if (m_places.at(column) == place) {
                return std::string(csvHeading(column));
            }
        }
        return {};
    }
    [[nodiscard]] std::size_t count() const { return m_count; }

private:
    std::array<std::optional<std::size_t>, kCsvColumnCount> m_places{};
    std::size_t m_count = 0;
};

// One line read into a trade, each cell checked as its column.
class TradeLine {
public:
    TradeLine(const Record& record, const ColumnPlaces& places)
        : m_record(record), m_places(places) {}

    [[nodiscard]] std::string_view text(TradeColumn column) const {
        return m_places.cell(m_record, static_cast<std::size_t>(column));
    }
    // A column after the trades table's: the note and a statement's texts.
    [[nodiscard]] std::string_view extra(std::size_t column) const {
        return m_places.cell(m_record, column);
    }

    [[noreturn]] void refuse(CsvProblem problem, TradeColumn column) const {
        throw Refused{
            {problem, m_record.line, std::string(heading(column)), std::string(text(column))}};
    }

    [[nodiscard]] Decimal number(TradeColumn column) const {
        const std::optional<Decimal> value = Decimal::fromText(text(column));
        if (!value) {
            refuse(CsvProblem::Unreadable, column);
        }
        return *value;
    }
    // A cost, 0 where empty.
    [[nodiscard]] Decimal cost(TradeColumn column) const {
        const Decimal value = text(column).empty() ? Decimal() : number(column);
        if (value.sign() < 0) {
            refuse(CsvProblem::NegativeCost, column);
        }
        return value;
    }
    template <typename T>
    [[nodiscard]] T word(TradeColumn column, std::optional<T> (*read)(std::string_view)) const {
        const std::optional<T> value = read(text(column));
        if (!value) {
            refuse(CsvProblem::Unreadable, column);
        }
        return *value;
    }

private:
    const Record& m_record;
    const ColumnPlaces& m_places;
};

void readWhen(const TradeLine& line, TradeDate today, JournalTrade& trade) {
    trade.date = line.word(TradeColumn::Date, readDate);
    if (trade.date > today) {
        line.refuse(CsvProblem::DateInFuture, TradeColumn::Date);
    }
    if (!line.text(TradeColumn::Time).empty()) {
        trade.time = line.word(TradeColumn::Time, readTime);
    }
}

// As a trade typed into the journal: a code the program costs, its kind the code's unless the
// file says which.
void readWhat(const TradeLine& line, JournalTrade& trade) {
    trade.code = line.text(TradeColumn::Code);
    const std::optional<SecurityKind> kind = kindOfCode(trade.code);
    if (!kind) {
        line.refuse(CsvProblem::CodeFitsNoKind, TradeColumn::Code);
    }
    trade.kind = line.text(TradeColumn::Kind).empty()
                     ? *kind
                     : line.word(TradeColumn::Kind, kindOfJournalName);
    trade.name = unguardedText(line.text(TradeColumn::Name));
}

// What a cell given to an entry without that column refuses as.
CsvProblem notFor(TradeAction action) {
    return action == TradeAction::Opening ? CsvProblem::NotForOpening : CsvProblem::NotForEvent;
}

// Whole shares above 0; a dividend's may be 0 or left out, and a tax has none.
void readQuantity(const TradeLine& line, JournalTrade& trade) {
    const bool empty = line.text(TradeColumn::Quantity).empty();
    if (trade.action == TradeAction::DividendTax ||
        (trade.action == TradeAction::Dividend && empty)) {
        if (!empty && line.number(TradeColumn::Quantity).sign() != 0) {
            line.refuse(CsvProblem::NotForEvent, TradeColumn::Quantity);
        }
        trade.quantity = 0;
        return;
    }
    const Decimal quantity = line.number(TradeColumn::Quantity);
    const std::optional<std::int64_t> shares =
        quantity.isWhole() ? quantity.toWhole() : std::nullopt;
    if (!shares || *shares < 0 || (*shares == 0 && trade.action != TradeAction::Dividend)) {
        line.refuse(CsvProblem::NotWholePositive, TradeColumn::Quantity);
    }
    trade.quantity = *shares;
}

// An entry without a price: an opening holding's total cost or 未知成本, a dividend's cash or a
// tax, above 0; nothing for a share issue.
void readAmountAlone(const TradeLine& line, JournalTrade& trade) {
    if (!line.text(TradeColumn::Price).empty()) {
        line.refuse(notFor(trade.action), TradeColumn::Price);
    }
    const std::string_view amount = line.text(TradeColumn::Amount);
    if (isShareIssue(trade.action)) {
        if (!amount.empty() && line.number(TradeColumn::Amount).sign() != 0) {
            line.refuse(CsvProblem::NotForEvent, TradeColumn::Amount);
        }
        trade.amount = Decimal();
        return;
    }
    if (trade.action == TradeAction::Opening && amount == kUnknownCostWord) {
        trade.amount.reset();
        return;
    }
    trade.amount = line.number(TradeColumn::Amount);
    if (trade.amount->sign() <= 0) {
        line.refuse(CsvProblem::NotPositive, TradeColumn::Amount);
    }
}

void readHowMuch(const TradeLine& line, JournalTrade& trade) {
    trade.action = line.word(TradeColumn::Action, actionOfWord);
    readQuantity(line, trade);
    if (!hasPrice(trade.action)) {
        readAmountAlone(line, trade);
        return;
    }
    trade.amount = line.number(TradeColumn::Amount);
    trade.price = line.number(TradeColumn::Price);
    if (trade.price->sign() <= 0) {
        line.refuse(CsvProblem::NotPositive, TradeColumn::Price);
    }
    const std::optional<Decimal> amount = Decimal::whole(trade.quantity).times(*trade.price);
    if (!amount) {
        line.refuse(CsvProblem::Overflow, TradeColumn::Amount);
    }
    if (*amount != *trade.amount) {
        line.refuse(CsvProblem::AmountMismatch, TradeColumn::Amount);
    }
}

void readCosts(const TradeLine& line, JournalTrade& trade) {
    constexpr std::array kCostColumns = {TradeColumn::Commission, TradeColumn::StampDuty,
                                         TradeColumn::TransferFee, TradeColumn::ExchangeFees};
    // The tables show the costs of a trade at a price alone: an opening holding's total cost
    // holds its own, and costs beside an event would count unseen.
    if (!hasPrice(trade.action)) {
        for (const TradeColumn column : kCostColumns) {
            if (!line.text(column).empty()) {
                line.refuse(notFor(trade.action), column);
            }
        }
    }
    for (std::size_t i = 0; i < kCostColumns.size(); ++i) {
        trade.costs.byCost.at(i) = line.cost(kCostColumns.at(i));
    }
    const std::optional<Decimal> total = trade.costs.total();
    if (!total) {
        line.refuse(CsvProblem::Overflow, TradeColumn::Costs);
    }
    if (!line.text(TradeColumn::Costs).empty() && line.number(TradeColumn::Costs) != *total) {
        line.refuse(CsvProblem::CostsMismatch, TradeColumn::Costs);
    }
}

JournalTrade tradeOf(const Record& record, const ColumnPlaces& places, TradeDate today) {
    const TradeLine line(record, places);
    JournalTrade trade;
    readWhen(line, today, trade);
    readWhat(line, trade);
    readHowMuch(line, trade);
    readCosts(line, trade);
    if (!line.text(TradeColumn::Source).empty()) {
        trade.source = line.word(TradeColumn::Source, sourceOfWord);
    }
    trade.note = unguardedText(line.extra(kCsvNoteColumn));
    trade.dealNumber = unguardedText(line.extra(kCsvDealNumberColumn));
    trade.contractNumber = unguardedText(line.extra(kCsvContractNumberColumn));
    trade.importKey = unguardedText(line.extra(kCsvImportKeyColumn));
    return trade;
}

// A line is taken only when every cell is UTF-8 and it has no more cells than headings, but
// for the empty ones a spreadsheet may leave at its end.
void checkCells(const Record& record, const ColumnPlaces& places) {
    for (std::size_t place = 0; place < record.cells.size(); ++place) {
        const std::string& cell = record.cells.at(place);
        if (!QByteArrayView(cell.data(), static_cast<qsizetype>(cell.size())).isValidUtf8()) {
            throw Refused{{CsvProblem::NotUtf8, record.line, places.headingAt(place), cell}};
        }
        if (place >= places.count() && !cell.empty()) {
            throw Refused{{CsvProblem::TooManyCells, record.line, {}, cell}};
        }
    }
}

bool isBlank(const Record& record) {
    return std::ranges::all_of(record.cells, [](const std::string& cell) { return cell.empty(); });
}

} // namespace

std::variant<std::vector<JournalTrade>, CsvRefusal> readJournalCsv(std::string_view bytes,
                                                                   TradeDate today) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    RecordReader reader(bytes);
    std::optional<ColumnPlaces> places;
    try {
        const std::optional<Record> headings = reader.next();
        if (!headings || isBlank(*headings)) {
            return CsvRefusal{CsvProblem::NoHeadings, 0, {}, {}};
        }
        places.emplace(*headings);
        std::vector<JournalTrade> trades;
        while (const std::optional<Record> record = reader.next()) {
            if (isBlank(*record)) {
                continue;
            }
            checkCells(*record, *places);
            trades.push_back(tradeOf(*record, *places, today));
        }
        return trades;
    } catch (Refused& refused) {
        return std::move(refused.refusal);
    } catch (QuotingFault& fault) {
        return CsvRefusal{CsvProblem::BadQuoting, fault.line,
                          places ? places->headingAt(fault.place) : std::string(),
                          std::move(fault.cell)};
    }
}

} // namespace pelmora
