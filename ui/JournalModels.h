#pragma once

#include "calc/Holdings.h"
#include "design/JournalTables.h"

#include <QAbstractTableModel>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

// What a table sorts its rows by: a figure's value, not its text.
inline constexpr int kSortRole = Qt::UserRole;

// The journal window's holdings: a row per code, held or, when asked, closed too, with the
// holdings columns of the console program. The user types a price (现价) in a row to see its
// market value, floating profit and break-even price; the prices stay for the session.
class HoldingsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // `sellTerms` gives the terms a holding of a kind would be sold on today.
    explicit HoldingsModel(std::function<OrderTerms(SecurityKind)> sellTerms,
                           QObject* parent = nullptr);

    void show(const Ledger& ledger, bool closedToo);
    [[nodiscard]] const Position* positionAt(int row) const;
    [[nodiscard]] int rowOf(const std::string& code) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

Q_SIGNALS:
    // A typed price that gives no value, and why.
    void priceRefused(const QString& message);

private:
    struct Row {
        Position position;
        std::optional<Decimal> price;
        std::optional<Valuation> valuation;
    };
    void value(Row& row) const;

    std::function<OrderTerms(SecurityKind)> m_sellTerms;
    std::vector<Row> m_rows;
    std::map<std::string, Decimal> m_prices;
};

// The trades of one code, in the order they are replayed.
class TradesModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(std::vector<JournalTrade> trades);
    [[nodiscard]] const JournalTrade* tradeAt(int row) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    std::vector<JournalTrade> m_trades;
};

} // namespace pelmora
