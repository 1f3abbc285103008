#include "ui/JournalModels.h"

#include "ui/JournalWords.h"
#include "ui/Placement.h"

#include <algorithm>

namespace pelmora {
namespace {

// A figure sorts by its value and a word by its text; an empty cell sorts first.
QVariant sortKey(const std::string& text, bool figure) {
    if (!figure) {
        return fromUtf8(text);
    }
    const auto value = Decimal::fromText(text);
    return value ? QVariant(value->toDouble()) : QVariant(-1e300);
}

QVariant alignment(bool figure) {
    return QVariant::fromValue(
        Qt::Alignment((figure ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
}

} // namespace

HoldingsModel::HoldingsModel(std::function<OrderTerms(SecurityKind)> sellTerms, QObject* parent)
    : QAbstractTableModel(parent), m_sellTerms(std::move(sellTerms)) {}

void HoldingsModel::show(const Ledger& ledger, bool closedToo) {
    beginResetModel();
    m_rows.clear();
    for (const auto& [code, position] : ledger.positions) {
        if (position.shares > 0 || closedToo) {
            Row row{position, std::nullopt, std::nullopt};
            if (const auto price = m_prices.find(code); price != m_prices.end()) {
                row.price = price->second;
            }
            value(row);
            m_rows.push_back(std::move(row));
        }
    }
    endResetModel();
}

void HoldingsModel::value(Row& row) const {
    row.valuation.reset();
    if (!row.price || row.position.shares == 0) {
        return;
    }
    const auto valued = valueAt(row.position, *row.price, m_sellTerms(row.position.kind));
    if (const auto* valuation = std::get_if<Valuation>(&valued)) {
        row.valuation = *valuation;
    }
}

const Position* HoldingsModel::positionAt(int row) const {
    return row >= 0 && row < rowCount() ? &m_rows.at(static_cast<std::size_t>(row)).position
                                        : nullptr;
}

int HoldingsModel::rowOf(const std::string& code) const {
    const auto found = std::find_if(m_rows.begin(), m_rows.end(),
                                    [&](const Row& row) { return row.position.code == code; });
    return found == m_rows.end() ? -1 : static_cast<int>(found - m_rows.begin());
}

int HoldingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int HoldingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kHoldingColumnCount);
}

QVariant HoldingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const Row& row = m_rows.at(static_cast<std::size_t>(index.row()));
    const auto column = static_cast<HoldingColumn>(index.column());
    const bool figure = holdsFigures(column);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return fromUtf8(holdingCell(row.position, column, row.price, row.valuation));
    case kSortRole:
        return sortKey(holdingCell(row.position, column, row.price, row.valuation), figure);
    case Qt::TextAlignmentRole:
        return alignment(figure);
    case Qt::ToolTipRole:
        return column == HoldingColumn::Price
                   ? QStringLiteral("输入现价，算出市值、浮动盈亏和保本价")
                   : QVariant();
    default:
        return {};
    }
}

QVariant HoldingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return columnHeading(static_cast<HoldingColumn>(section));
}

Qt::ItemFlags HoldingsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const Position* position = positionAt(index.row());
    if (static_cast<HoldingColumn>(index.column()) == HoldingColumn::Price && position != nullptr &&
        position->shares > 0) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool HoldingsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole ||
        static_cast<HoldingColumn>(index.column()) != HoldingColumn::Price) {
        return false;
    }
    Row& row = m_rows.at(static_cast<std::size_t>(index.row()));
    const std::string text = value.toString().trimmed().toStdString();
    if (text.empty()) {
        row.price.reset();
        m_prices.erase(row.position.code);
    } else {
        const auto price = Decimal::fromText(text);
        if (!price || price->sign() <= 0) {
            Q_EMIT priceRefused(describeValuationStop(ValuationStop::PriceNotPositive));
            return false;
        }
        row.price = *price;
        m_prices[row.position.code] = *price;
    }
    this->value(row);
    Q_EMIT dataChanged(this->index(index.row(), 0),
                       this->index(index.row(), static_cast<int>(kHoldingColumnCount) - 1));
    return true;
}

void TradesModel::show(std::vector<JournalTrade> trades) {
    beginResetModel();
    m_trades = std::move(trades);
    // The store's ids are unique, so the replay order is total.
    std::sort(m_trades.begin(), m_trades.end(), replaysBefore);
    endResetModel();
}

const JournalTrade* TradesModel::tradeAt(int row) const {
    return row >= 0 && row < rowCount() ? &m_trades.at(static_cast<std::size_t>(row)) : nullptr;
}

int TradesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_trades.size());
}

int TradesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kTradeColumnCount);
}

QVariant TradesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const JournalTrade& trade = m_trades.at(static_cast<std::size_t>(index.row()));
    const auto column = static_cast<TradeColumn>(index.column());
    const bool figure = holdsFigures(column);
    switch (role) {
    case Qt::DisplayRole:
        return fromUtf8(tradeCell(trade, column));
    case kSortRole:
        // Rows tie on a date: they keep their replay order, which the row number carries.
        return column == TradeColumn::Date ? QVariant(index.row())
                                           : sortKey(tradeCell(trade, column), figure);
    case Qt::TextAlignmentRole:
        return alignment(figure);
    case Qt::ToolTipRole:
        return trade.note.empty() ? QVariant() : QVariant(fromUtf8(trade.note));
    default:
        return {};
    }
}

QVariant TradesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return columnHeading(static_cast<TradeColumn>(section));
}

} // namespace pelmora
