#pragma once

// A journal as version 1 of the program left it: its schema made by the program's own first
// step, its trades in version 1's columns, and the id after the last handed out already to a
// trade removed since.
#include "store/Journal.h"
#include "store/JournalSchema.h"
#include "store/JournalTesting.h"
#include "store/SqliteStatement.h"

#include <QFileInfo>
#include <QUrl>
#include <chrono>
#include <sqlite3.h>
#include <vector>

namespace pelmora::test {

inline JournalSteps version1Steps() {
    return {journalSteps().steps.first(1)};
}

// `pairs` days of a purchase (an opening every 50th) and a sale, of several codes and kinds,
// with times, names and notes that need quoting, and costs of many decimals.
inline std::vector<JournalTrade> version1Trades(int pairs) {
    const std::array<const char*, 3> texts = {"", "浦发银行",
                                              "it's \"quoted\";\nDROP TABLE trades"};
    std::vector<JournalTrade> trades;
    for (int i = 0; i < pairs; ++i) {
        for (const bool sale : {false, true}) {
            JournalTrade trade;
            trade.date = TradeDate(std::chrono::sys_days(std::chrono::year{2016} / 1 / 4) +
                                   std::chrono::days(i / 7));
            trade.code = i % 5 == 0 ? "510300" : std::to_string(600000 + i % 7);
            trade.kind = i % 5 == 0 ? SecurityKind::Fund : SecurityKind::MainBoard;
            trade.name = texts.at(static_cast<std::size_t>(i) % texts.size());
            trade.note = texts.at(static_cast<std::size_t>(i / 2) % texts.size());
            trade.source = kAllTradeSources.at(static_cast<std::size_t>(i) % 4);
            trade.action = sale          ? TradeAction::Sell
                           : i % 50 == 0 ? TradeAction::Opening
                                         : TradeAction::Buy;
            trade.quantity = sale ? 100 : 200;
            trade.time = i % 3 == 0 ? std::optional(TradeTime{34200 + i}) : std::nullopt;
            trade.price = Decimal::ofUnits(10000 + i % 997, 3);
            trade.amount = trade.price->times(Decimal::whole(trade.quantity));
            trade.costs.of(Cost::TransferFee) = Decimal::ofUnits(i % 1000, 5);
            if (trade.action == TradeAction::Opening) {
                trade.price.reset();
                trade.costs = {};
            }
            trades.push_back(trade);
        }
    }
    return trades;
}

// The trades as `file` holds them, with their ids: written by this program to a file beside it,
// and copied from there, column by column of version 1, into the file made by version 1's step.
inline std::vector<JournalTrade> makeVersion1Journal(const QString& file,
                                                     const std::vector<JournalTrade>& trades) {
    const QString source = file + ".source";
    auto written = Journal::open(source).journal->addAll(trades);
    JournalTesting::open(file, version1Steps()).journal.reset();
    auto opened = SqliteDatabase::open(
        QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded),
        SQLITE_OPEN_READWRITE);
    const SqliteDatabase db = std::move(std::get<SqliteDatabase>(opened));
    SqliteStatement(db, "ATTACH DATABASE ?1 AS source").bind(1, source.toStdString()).step();
    constexpr const char* kColumns = "id, date, time, code, name, kind, action, source, quantity, "
                                     "price, amount, commission, stamp_duty, transfer_fee, "
                                     "exchange_fees, note";
    db.exec((std::string("INSERT INTO trades (") + kColumns + ") SELECT " + kColumns +
             " FROM source.trades; UPDATE sqlite_sequence SET seq = seq + 1")
                .c_str());
    return std::get<std::vector<JournalTrade>>(std::move(written));
}

} // namespace pelmora::test
