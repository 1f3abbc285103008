#include "store/JournalRows.h"

#include "store/JournalSchema.h"
#include "store/SqliteStatement.h"

#include <string>

namespace pelmora {
namespace {

// Each column's place in kTradeColumns.
enum Column : int {
    Id,
    Date,
    Time,
    Code,
    Name,
    Kind,
    Action,
    Source,
    Quantity,
    Price,
    Amount,
    FirstCost,
    Note = FirstCost + static_cast<int>(kAllCosts.size()),
    DealNumber,
    ContractNumber,
    ImportKey,
};

constexpr std::int64_t kSecondsPerDay = 86400;

// Exactly the decimals the value holds, so that it reads back as itself.
std::string decimalText(const Decimal& value) {
    return value.fixedText(value.scale());
}

std::optional<Decimal> decimalOfColumn(const SqliteStatement& row, int column) {
    return row.isNull(column) ? std::nullopt : Decimal::fromText(row.text(column));
}

int parameterOf(Column column) {
    return column + 1;
}

// A statement's text that was not given is NULL, so that the indexes leave it out.
void bindGiven(SqliteStatement& statement, Column column, const std::string& text) {
    if (text.empty()) {
        statement.bindNull(parameterOf(column));
    } else {
        statement.bind(parameterOf(column), text);
    }
}

std::string givenText(const SqliteStatement& row, Column column) {
    return row.isNull(column) ? std::string() : std::string(row.text(column));
}

} // namespace

std::string selectTrades(int version, const char* rest) {
    std::string columns = kTradeFieldColumns;
    if (version < kFirstVersionWithStatementTexts) {
        columns = columns.substr(0, columns.find(", deal_number")) + ", NULL, NULL, NULL";
    }
    return "SELECT id, " + columns + " FROM trades " + rest;
}

void bindTrade(SqliteStatement& statement, const JournalTrade& trade) {
    statement.bind(parameterOf(Id), trade.id)
        .bind(parameterOf(Date), dateText(trade.date))
        .bind(parameterOf(Code), trade.code)
        .bind(parameterOf(Name), trade.name)
        .bind(parameterOf(Kind), storageKey(trade.kind))
        .bind(parameterOf(Action), storageKey(trade.action))
        .bind(parameterOf(Source), storageKey(trade.source))
        .bind(parameterOf(Quantity), trade.quantity)
        .bind(parameterOf(Note), trade.note);
    bindGiven(statement, DealNumber, trade.dealNumber);
    bindGiven(statement, ContractNumber, trade.contractNumber);
    bindGiven(statement, ImportKey, trade.importKey);
    if (trade.amount) {
        statement.bind(parameterOf(Amount), decimalText(*trade.amount));
    } else {
        statement.bindNull(parameterOf(Amount));
    }
    if (trade.time) {
        statement.bind(parameterOf(Time), static_cast<std::int64_t>(trade.time->count()));
    } else {
        statement.bindNull(parameterOf(Time));
    }
    if (trade.price) {
        statement.bind(parameterOf(Price), decimalText(*trade.price));
    } else {
        statement.bindNull(parameterOf(Price));
    }
    for (std::size_t cost = 0; cost < kAllCosts.size(); ++cost) {
        statement.bind(parameterOf(FirstCost) + static_cast<int>(cost),
                       decimalText(trade.costs.byCost.at(cost)));
    }
}

std::optional<JournalTrade> tradeOfRow(const SqliteStatement& row) {
    JournalTrade trade;
    trade.id = row.integer(Id);
    trade.code = row.text(Code);
    trade.name = row.text(Name);
    trade.note = row.text(Note);
    trade.dealNumber = givenText(row, DealNumber);
    trade.contractNumber = givenText(row, ContractNumber);
    trade.importKey = givenText(row, ImportKey);
    trade.quantity = row.integer(Quantity);
    const auto date = readDate(row.text(Date));
    const auto kind = kindOfStorageKey(row.text(Kind));
    const auto action = tradeActionOfKey(row.text(Action));
    const auto source = tradeSourceOfKey(row.text(Source));
    const auto amount = decimalOfColumn(row, Amount);
    // Only an opening holding's cost may be unknown; a share count 0 only for what moves none.
    if (!date || !kind || !action || !source || (!amount && *action != TradeAction::Opening) ||
        (!row.isNull(Amount) && !amount) || trade.quantity < 0 ||
        (trade.quantity == 0 && !movesCashOnly(*action))) {
        return std::nullopt;
    }
    trade.date = *date;
    trade.kind = *kind;
    trade.action = *action;
    trade.source = *source;
    trade.amount = amount;
    if (!row.isNull(Time)) {
        const std::int64_t seconds = row.integer(Time);
        if (seconds < 0 || seconds >= kSecondsPerDay) {
            return std::nullopt;
        }
        trade.time = TradeTime{seconds};
    }
    if (!row.isNull(Price)) {
        trade.price = decimalOfColumn(row, Price);
        if (!trade.price) {
            return std::nullopt;
        }
    }
    for (std::size_t cost = 0; cost < kAllCosts.size(); ++cost) {
        const auto charged = decimalOfColumn(row, FirstCost + static_cast<int>(cost));
        if (!charged) {
            return std::nullopt;
        }
        trade.costs.byCost.at(cost) = *charged;
    }
    return trade;
}

} // namespace pelmora
