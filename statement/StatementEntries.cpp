#include "statement/StatementEntries.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <algorithm>
#include <optional>
#include <string_view>

namespace pelmora {
namespace {

// The decimals an average price is worked out to where a row gives only its amount: the
// statements' own 成交均价 show three.
constexpr int kAveragePriceDecimals = 3;

std::string exactText(const Decimal& value) {
    return value.fixedText(value.scale());
}

std::string exactText(const std::optional<Decimal>& value) {
    return value ? exactText(*value) : std::string();
}

Decimal size(const Decimal& value) {
    return value.sign() < 0 ? value.negated() : value;
}

// Every figure and word of the row, which two rows share only where they record the same, as a
// digest: a journal keeps one for each imported row, in its table and in an index, and the
// whole text would double the journal's size. 128 bits of SHA-256 make two different rows of a
// lifetime's statements share one with a chance far below that of the disk failing.
std::string importKeyOf(const StatementRow& row) {
    constexpr char kSeparator = '\x1f';
    std::string key = "statement";
    const auto add = [&](std::string_view part) {
        key += kSeparator;
        key += part;
    };
    add(std::to_string(static_cast<int>(row.kind)));
    add(row.operation);
    add(dateText(row.date));
    add(row.time ? timeText(*row.time) : std::string());
    add(row.code);
    add(exactText(row.quantity));
    add(exactText(row.price));
    add(exactText(row.amount));
    add(exactText(row.netCash));
    for (const Cost cost : kAllCosts) {
        add(exactText(row.costs.of(cost)));
    }
    add(row.tradeId);
    add(row.orderId);
    constexpr qsizetype kDigestBytes = 16;
    const QByteArray digest =
        QCryptographicHash::hash(QByteArrayView(key.data(), static_cast<qsizetype>(key.size())),
                                 QCryptographicHash::Sha256)
            .left(kDigestBytes);
    return "s1:" + digest.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)
                       .toStdString();
}

// Some clients write 0 as the 成交编号 of every row, which tells no two trades apart.
bool isRealNumber(std::string_view number) {
    return !number.empty() && std::ranges::any_of(number, [](char c) { return c != '0'; });
}

std::optional<TradeAction> actionOf(RowKind kind) {
    switch (kind) {
    case RowKind::Buy:
    case RowKind::NewIssuePurchase:
        return TradeAction::Buy;
    case RowKind::Sell:
        return TradeAction::Sell;
    case RowKind::CashDividend:
        return TradeAction::Dividend;
    case RowKind::DividendTax:
        return TradeAction::DividendTax;
    case RowKind::BonusShares:
        return TradeAction::BonusShares;
    case RowKind::CapitalisedShares:
        return TradeAction::ReserveShares;
    case RowKind::RightsShares:
        return TradeAction::RightsShares;
    case RowKind::ConvertedToShares:
        return std::nullopt;
    }
    return std::nullopt;
}

// The cash a dividend or a tax moved: the net cash, else the amount, else (a tax written in a
// cost column) its costs.
std::optional<Decimal> cashOf(const StatementRow& row) {
    if (row.netCash && row.netCash->sign() != 0) {
        return size(*row.netCash);
    }
    if (row.amount && row.amount->sign() != 0) {
        return *row.amount;
    }
    if (row.kind == RowKind::DividendTax) {
        const std::optional<Decimal> costs = row.costs.total();
        if (costs && costs->sign() > 0) {
            return costs;
        }
    }
    return std::nullopt;
}

// A trade's price and amount: the row's price, or its amount's average; the amount as the
// statement gives it, or quantity × price.
bool price(JournalTrade& trade, const StatementRow& row) {
    const Decimal shares = Decimal::whole(trade.quantity);
    std::optional<Decimal> price = row.price;
    if ((!price || price->sign() <= 0) && row.amount && row.amount->sign() > 0) {
        price = row.amount->dividedBy(shares, kAveragePriceDecimals, Rounding::HalfAwayFromZero);
    }
    if (!price || price->sign() <= 0) {
        return false;
    }
    trade.price = price;
    trade.amount = row.amount && row.amount->sign() > 0 ? row.amount : price->times(shares);
    return trade.amount.has_value();
}

struct Made {
    std::optional<StatementEntry> entry;
    std::optional<LeftOutRow> leftOut;
};

Made gap(const StatementRow& row, EntryGap why, std::string value) {
    return {std::nullopt, LeftOutRow{row.row, why, std::move(value)}};
}

Made entryOf(const StatementRow& row) {
    const std::optional<TradeAction> action = actionOf(row.kind);
    if (!action) {
        return gap(row, EntryGap::Conversion, row.operation);
    }
    const std::optional<SecurityKind> kind = kindOfCode(row.code);
    if (!kind) {
        return gap(row, EntryGap::NoKind, row.code);
    }
    const std::optional<std::int64_t> quantity = row.quantity.toWhole();
    if (!quantity || *quantity < 0) {
        return gap(row, EntryGap::PartShares, exactText(row.quantity));
    }
    StatementEntry entry{row.row, row.kind, {}, false, row.problems};
    JournalTrade& trade = entry.trade;
    trade.date = row.date;
    trade.time = row.time;
    trade.code = row.code;
    trade.name = row.name;
    trade.kind = *kind;
    trade.action = *action;
    trade.quantity = *quantity;
    trade.source = TradeSource::Statement;
    trade.contractNumber = row.orderId;
    if (isRealNumber(row.tradeId)) {
        trade.dealNumber = row.tradeId;
    }
    trade.importKey = importKeyOf(row);
    if (movesCashOnly(*action)) {
        const std::optional<Decimal> cash = cashOf(row);
        if (!cash) {
            return gap(row, EntryGap::NoCash, row.operation);
        }
        trade.quantity = *action == TradeAction::DividendTax ? 0 : *quantity;
        trade.amount = cash;
        return {std::move(entry), std::nullopt};
    }
    if (*quantity == 0) {
        return gap(row, EntryGap::PartShares, exactText(row.quantity));
    }
    if (isShareIssue(*action)) {
        return {std::move(entry), std::nullopt};
    }
    trade.costs = row.costs;
    if (!price(trade, row)) {
        if (row.kind == RowKind::Buy || row.kind == RowKind::Sell) {
            return gap(row, EntryGap::NoCash, row.operation);
        }
        // A new issue or rights issue of no known price: shares of a cost still to be given.
        trade.action = TradeAction::Opening;
        trade.price.reset();
        trade.amount.reset();
        entry.priceAsked = true;
    }
    return {std::move(entry), std::nullopt};
}

} // namespace

StatementEntries entriesOfStatement(const Statement& statement) {
    StatementEntries made;
    made.entries.reserve(statement.rows.size());
    for (const StatementRow& row : statement.rows) {
        Made one = entryOf(row);
        if (one.entry) {
            made.entries.push_back(std::move(*one.entry));
        } else if (one.leftOut) {
            made.leftOut.push_back(std::move(*one.leftOut));
        }
    }
    return made;
}

std::optional<StatementEntry> withIssuePrice(const StatementEntry& entry, const Decimal& price) {
    if (price.sign() <= 0) {
        return std::nullopt;
    }
    StatementEntry priced = entry;
    JournalTrade& trade = priced.trade;
    trade.action =
        entry.kind == RowKind::RightsShares ? TradeAction::RightsShares : TradeAction::Buy;
    trade.price = price;
    trade.amount = price.times(Decimal::whole(trade.quantity));
    if (!trade.amount) {
        return std::nullopt;
    }
    priced.priceAsked = false;
    return priced;
}

} // namespace pelmora
