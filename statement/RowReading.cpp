#include "statement/RowReading.h"

#include "statement/Markets.h"
#include "statement/Operations.h"

#include <algorithm>

namespace pelmora {
namespace {

using enum ColumnMeaning;

const Cell& cellAt(const CellRow& cells, const FoundColumn& column) {
    static const Cell kEmpty;
    return column.place < cells.cells.size() ? cells.cells[column.place] : kEmpty;
}

bool isShareEvent(RowKind kind) {
    return kind == RowKind::NewIssuePurchase || kind == RowKind::BonusShares ||
           kind == RowKind::CapitalisedShares || kind == RowKind::RightsShares ||
           kind == RowKind::ConvertedToShares;
}

bool isTrade(RowKind kind) {
    return kind == RowKind::Buy || kind == RowKind::Sell;
}

// What the operation cells together say, by the rank of their columns.
struct OperationFound {
    OperationSense sense = OperationSense::None;
    RowKind kind = RowKind::Buy;
    std::string word;   // the cell that decided, for a row skipped
    std::string column; // its heading
    bool sidesDisagree = false;
    std::string words; // every cell's words, joined
};

// A row reading: the row as far as it goes, and the first reason it is skipped.
class RowBeingRead {
public:
    RowBeingRead(const CellRow& cells, const ColumnPlaces& places, Serials serials)
        : m_cells(cells), m_places(places), m_serials(serials) {}

    ReadRow read();

private:
    [[nodiscard]] const Cell& cell(ColumnMeaning meaning) const {
        static const Cell kEmpty;
        return m_places.has(meaning) ? cellAt(m_cells, m_places.of(meaning).front()) : kEmpty;
    }
    [[nodiscard]] std::string heading(ColumnMeaning meaning) const {
        return m_places.has(meaning) ? m_places.of(meaning).front().heading : std::string();
    }
    [[nodiscard]] bool blank() const {
        return std::all_of(m_cells.cells.begin(), m_cells.cells.end(),
                           [](const Cell& cell) { return cell.text.empty(); });
    }

    ReadRow skip(SkipReason reason, std::string column, std::string value) {
        m_read.what = ReadRow::What::Skipped;
        m_read.skipped = {m_cells.number, reason, std::move(column), std::move(value)};
        return std::move(m_read);
    }
    ReadRow skip(SkipReason reason, ColumnMeaning meaning) {
        return skip(reason, heading(meaning), cell(meaning).text);
    }

    // A figure that may be missing; one that does not read is a doubt about the row.
    std::optional<Decimal> figure(ColumnMeaning meaning);
    std::optional<Decimal> figureAt(const FoundColumn& column);
    Decimal costOf(ColumnMeaning meaning);
    [[nodiscard]] OperationFound operation() const;
    [[nodiscard]] Market market() const;
    void readFigures();
    void checkAmount();

    const CellRow& m_cells;
    const ColumnPlaces& m_places;
    Serials m_serials;
    ReadRow m_read;
};

std::optional<Decimal> RowBeingRead::figureAt(const FoundColumn& column) {
    Decimal value;
    const std::string& text = cellAt(m_cells, column).text;
    switch (cellNumber(text, value)) {
    case CellNumber::Read:
        return value;
    case CellNumber::Unreadable:
        m_read.row.problems.push_back({RowDoubt::UnreadableCell, column.heading, text});
        return std::nullopt;
    case CellNumber::Empty:
        break;
    }
    return std::nullopt;
}

std::optional<Decimal> RowBeingRead::figure(ColumnMeaning meaning) {
    return m_places.has(meaning) ? figureAt(m_places.of(meaning).front()) : std::nullopt;
}

// A cost is paid whatever sign the file writes it with; the exchange's fees are summed.
Decimal RowBeingRead::costOf(ColumnMeaning meaning) {
    Decimal sum;
    for (const FoundColumn& column : m_places.of(meaning)) {
        if (meaning != ExchangeFees && &column != &m_places.of(meaning).front()) {
            break;
        }
        const std::optional<Decimal> cost = figureAt(column);
        const std::optional<Decimal> added =
            cost ? sum.plus(cost->sign() < 0 ? cost->negated() : *cost) : std::nullopt;
        sum = added.value_or(sum);
    }
    return sum;
}

OperationFound RowBeingRead::operation() const {
    OperationFound found;
    std::optional<OperationSense> side;
    // An event, a payment or the words of no trade outweigh a buy or sell mark beside them, and
    // a mark outweighs words the reader does not know.
    const auto weight = [](OperationSense sense) {
        switch (sense) {
        case OperationSense::Event:
            return 5;
        case OperationSense::WinningPayment:
            return 4;
        case OperationSense::NotATrade:
            return 3;
        case OperationSense::Buy:
        case OperationSense::Sell:
            return 2;
        case OperationSense::Unknown:
            return 1;
        case OperationSense::None:
            break;
        }
        return 0;
    };
    std::vector<FoundColumn> inFileOrder = m_places.of(Operation);
    std::sort(inFileOrder.begin(), inFileOrder.end(),
              [](const FoundColumn& a, const FoundColumn& b) { return a.place < b.place; });
    for (const FoundColumn& column : inFileOrder) {
        const std::string& text = cellAt(m_cells, column).text;
        if (!text.empty()) {
            found.words += (found.words.empty() ? "" : "/") + text;
        }
    }
    for (const FoundColumn& column : m_places.of(Operation)) {
        const std::string& text = cellAt(m_cells, column).text;
        const OperationWord word = operationOfWords(text);
        const bool tradeWord =
            word.sense == OperationSense::Buy || word.sense == OperationSense::Sell;
        if (tradeWord && side && *side != word.sense) {
            found.sidesDisagree = true;
        }
        if (tradeWord && !side) {
            side = word.sense;
        }
        if (weight(word.sense) > weight(found.sense)) {
            found.sense = word.sense;
            found.kind = word.sense == OperationSense::Sell ? RowKind::Sell : word.event;
            found.word = text;
            found.column = column.heading;
        }
    }
    return found;
}

Market RowBeingRead::market() const {
    const Market named = marketOfText(cell(ColumnMeaning::MarketName).text).market;
    return named == Market::Unknown ? marketOfAccount(cell(Account).text) : named;
}

void RowBeingRead::readFigures() {
    StatementRow& row = m_read.row;
    row.price = figure(Price);
    const std::optional<Decimal> amount = figure(Amount);
    row.amount = amount && amount->sign() < 0 ? amount->negated() : amount;
    row.netCash = figure(NetCash);
    row.costs.of(Cost::Commission) = costOf(Commission);
    row.costs.of(Cost::StampDuty) = costOf(StampDuty);
    row.costs.of(Cost::TransferFee) = costOf(TransferFee);
    row.costs.of(Cost::ExchangeFees) = costOf(ExchangeFees);
    row.tradeId = cell(TradeId).text;
    row.orderId = cell(OrderId).text;
    const Cell& time = cell(Time);
    row.time = time.text.empty() ? timeInDateCell(cell(Date)) : cellTime(time, m_serials);
    if (!time.text.empty() && !row.time) {
        row.problems.push_back({RowDoubt::UnreadableCell, heading(Time), time.text});
    }
}

// An average price is rounded to the decimals it is shown with, so quantity × price may miss the
// amount by up to the quantity's worth of half the price's last unit.
void RowBeingRead::checkAmount() {
    const StatementRow& row = m_read.row;
    if (!row.price || !row.amount) {
        return;
    }
    const std::optional<Decimal> product = row.quantity.times(*row.price);
    const std::optional<Decimal> miss = product ? product->minus(*row.amount) : std::nullopt;
    const int decimals = std::min(shownDecimals(cell(Price).text), Decimal::kMaxScale - 1);
    const std::optional<Decimal> allowed = row.quantity.times(Decimal::ofUnits(5, decimals + 1));
    if (!miss || !allowed || (miss->sign() < 0 ? miss->negated() : *miss) > *allowed) {
        m_read.row.problems.push_back(
            {RowDoubt::AmountOffPrice, heading(Amount), cell(Amount).text});
    }
}

ReadRow RowBeingRead::read() {
    if (blank()) {
        return std::move(m_read);
    }
    StatementRow& row = m_read.row;
    row.row = m_cells.number;
    const Cell& dateCell = cell(Date);
    const std::optional<TradeDate> date = cellDate(dateCell, m_serials);
    if (!date) {
        const bool heading = withOneZhang(dateCell.text) == withOneZhang(this->heading(Date));
        return skip(cell(Code).text.empty() || heading ? SkipReason::NotARow
                                                       : SkipReason::UnreadableCell,
                    Date);
    }
    row.date = *date;
    if (marketOfText(cell(ColumnMeaning::MarketName).text).hongKongConnect) {
        return skip(SkipReason::HongKongConnect, ColumnMeaning::MarketName);
    }
    if (!isRenminbi(cell(Currency).text)) {
        return skip(SkipReason::ForeignCurrency, Currency);
    }
    Decimal rate;
    const CellNumber rateRead = cellNumber(cell(ExchangeRate).text, rate);
    if (rateRead == CellNumber::Unreadable ||
        (rateRead == CellNumber::Read && rate != Decimal::whole(1))) {
        return skip(SkipReason::ForeignCurrency, ExchangeRate);
    }
    row.market = cell(ColumnMeaning::MarketName).text;
    row.marketKind = market();
    row.code = restoredCode(cell(Code).text, row.marketKind);
    row.name = cell(Name).text;

    const OperationFound found = operation();
    row.operation = found.words;
    row.kind = found.kind;
    m_read.sidesDisagree = found.sidesDisagree;

    Decimal quantity;
    const CellNumber quantityRead = cellNumber(cell(Quantity).text, quantity);
    row.quantity = quantity.sign() < 0 ? quantity.negated() : quantity;
    readFigures();
    switch (found.sense) {
    case OperationSense::None:
        return skip(SkipReason::NoOperation, {}, {});
    case OperationSense::WinningPayment:
        m_read.payment = WinningPayment{row.row, row.code, row.name, row.quantity, row.price};
        [[fallthrough]];
    case OperationSense::NotATrade:
    case OperationSense::Unknown:
        return skip(SkipReason::OtherOperation, found.column, found.word);
    case OperationSense::Buy:
    case OperationSense::Sell:
    case OperationSense::Event:
        break;
    }
    if ((isTrade(row.kind) || isShareEvent(row.kind)) && quantityRead == CellNumber::Unreadable) {
        return skip(SkipReason::UnreadableCell, Quantity);
    }
    if ((isTrade(row.kind) || isShareEvent(row.kind)) && row.quantity.sign() == 0) {
        return skip(SkipReason::NothingTraded, Quantity);
    }
    if (isTrade(row.kind) && !row.price && !row.amount) {
        return skip(SkipReason::UnreadableCell, m_places.has(Price) ? Price : Amount);
    }
    if (!isTrade(row.kind) && !isShareEvent(row.kind) && !row.netCash && !row.amount) {
        return skip(SkipReason::UnreadableCell, m_places.has(NetCash) ? NetCash : Amount);
    }
    if (isTrade(row.kind)) {
        checkAmount();
    }
    m_read.what = ReadRow::What::Row;
    return std::move(m_read);
}

} // namespace

ReadRow RowReader::read(const CellRow& cells) const {
    return RowBeingRead(cells, m_places, m_serials).read();
}

} // namespace pelmora
