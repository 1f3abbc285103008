#include "ui/KindWords.h"

#include "ui/Placement.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <string_view>

namespace pelmora {
namespace {

struct KindWordRow {
    SecurityKind kind;
    std::string_view name;
    std::string_view board;
    std::string_view productChoice; // empty: the board's name
    std::string_view unit;
};

using enum SecurityKind;

// A row per kind, in the enumeration's order.
constexpr auto kWords = std::to_array<KindWordRow>({
    {MainBoard, "沪深主板股票", "主板", "股票", "股"},
    {ChiNext, "创业板股票", "创业板", "", "股"},
    {StarMarket, "科创板股票", "科创板", "", "股"},
    {Beijing, "北交所股票", "北交所", "", "股"},
    {Fund, "ETF/LOF 基金", "基金", "", "股"},
    {ConvertibleBond, "可转债", "可转债", "", "张"},
});

constexpr bool rowsFollowTheKinds() {
    for (std::size_t i = 0; i < kWords.size(); ++i) {
        const KindWordRow& row = kWords.at(i);
        if (row.kind != kAllKinds.at(i) || row.name.empty() || row.board.empty() ||
            row.unit.empty()) {
            return false;
        }
    }
    return true;
}
static_assert(kWords.size() == kKindCount, "words for every kind");
static_assert(rowsFollowTheKinds(), "rows in the kinds' order, each with its words");

const KindWordRow& wordsOf(SecurityKind kind) {
    return kWords.at(static_cast<std::size_t>(kind));
}

// "主板", "主板和基金", "主板、创业板和基金".
QString listed(const QStringList& names) {
    if (names.size() < 2) {
        return names.join(QString());
    }
    return names.first(names.size() - 1).join(u'、') + u'和' + names.last();
}

// The kinds bought in the same lots and counted in the same unit as `kind`, in the table's order.
QStringList boardsBuyingLike(SecurityKind kind) {
    QStringList boards;
    for (const SecurityKind other : kAllKinds) {
        if (purchaseLots(other) == purchaseLots(kind) &&
            wordsOf(other).unit == wordsOf(kind).unit) {
            boards.push_back(boardName(other));
        }
    }
    return boards;
}

} // namespace

QString kindName(SecurityKind kind) {
    return fromUtf8(wordsOf(kind).name);
}

QString boardName(SecurityKind kind) {
    return fromUtf8(wordsOf(kind).board);
}

QString productChoiceName(SecurityKind kind) {
    const KindWordRow& words = wordsOf(kind);
    return fromUtf8(words.productChoice.empty() ? words.board : words.productChoice);
}

QString quantityUnit(SecurityKind kind) {
    return fromUtf8(wordsOf(kind).unit);
}

QString lotChoiceName(SecurityKind kind) {
    const PurchaseLots lots = purchaseLots(kind);
    const QString least = QString::number(lots.least) + quantityUnit(kind);
    if (lots.step == lots.least) {
        return QStringLiteral("%1整数倍").arg(least);
    }
    return QStringLiteral("%1 %2起").arg(boardName(kind), least);
}

QString lotChoiceRemark(SecurityKind kind) {
    const PurchaseLots lots = purchaseLots(kind);
    const QString boards = listed(boardsBuyingLike(kind));
    if (lots.step == lots.least) {
        return QStringLiteral("%1：按 %2 %3的整数倍买入")
            .arg(boards, QString::number(lots.least), quantityUnit(kind));
    }
    return QStringLiteral("%1：至少买 %2 %3，超过部分可按 %4 %3递增")
        .arg(boards, QString::number(lots.least), quantityUnit(kind), QString::number(lots.step));
}

} // namespace pelmora
