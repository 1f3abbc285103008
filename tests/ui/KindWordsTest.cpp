// The words of each kind, and the trade tools' lot choices made from the kinds' lots.
#include "ui/KindWords.h"

#include <gtest/gtest.h>
#include <string>

namespace pelmora::test {
namespace {

using enum SecurityKind;

struct LotWords {
    SecurityKind kind;
    const char* name;
    const char* remark;
};

const LotWords kLotWords[] = {
    {MainBoard, "100股整数倍", "主板、创业板和基金：按 100 股的整数倍买入"},
    {ChiNext, "100股整数倍", "主板、创业板和基金：按 100 股的整数倍买入"},
    {StarMarket, "科创板 200股起", "科创板：至少买 200 股，超过部分可按 1 股递增"},
    {Beijing, "北交所 100股起", "北交所：至少买 100 股，超过部分可按 1 股递增"},
    {ConvertibleBond, "10张整数倍", "可转债：按 10 张的整数倍买入"},
};

TEST(KindWords, LotChoicesSayTheKindsLots) {
    for (const LotWords& w : kLotWords) {
        EXPECT_EQ(lotChoiceName(w.kind).toStdString(), w.name);
        EXPECT_EQ(lotChoiceRemark(w.kind).toStdString(), w.remark);
    }
}

TEST(KindWords, NameEveryKind) {
    EXPECT_EQ(kindName(MainBoard).toStdString(), "沪深主板股票");
    EXPECT_EQ(kindName(Fund).toStdString(), "ETF/LOF 基金");
    EXPECT_EQ(boardName(MainBoard).toStdString(), "主板");
    EXPECT_EQ(boardName(ConvertibleBond).toStdString(), "可转债");
    // The two choices the settings window has always offered keep their words.
    EXPECT_EQ(productChoiceName(MainBoard).toStdString(), "股票");
    EXPECT_EQ(productChoiceName(Fund).toStdString(), "基金");
    EXPECT_EQ(productChoiceName(StarMarket).toStdString(), "科创板");
    EXPECT_EQ(quantityUnit(ConvertibleBond).toStdString(), "张");
    for (const SecurityKind kind : kAllKinds) {
        for (const QString& words :
             {kindName(kind), boardName(kind), productChoiceName(kind), quantityUnit(kind),
              lotChoiceName(kind), lotChoiceRemark(kind)}) {
            EXPECT_FALSE(words.isEmpty()) << std::string(storageKey(kind));
        }
    }
}

} // namespace
} // namespace pelmora::test
