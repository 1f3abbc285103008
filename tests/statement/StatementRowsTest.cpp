// What each row of a statement is taken for: its columns by every heading brokers use, its
// operation words, its code and market, and the doubts about its figures.
#include "tests/statement/StatementSamples.h"

#include <gtest/gtest.h>
#include <random>

namespace pelmora::test {
namespace {

const Cells kHeadings = {"成交日期", "证券代码", "证券名称", "摘要", "买卖标志", "成交数量",
                         "成交价格", "成交金额", "发生金额", "佣金", "其他杂费", "成交编号",
                         "合同编号", "交易市场", "币种",     "汇率"};
enum Column : std::size_t { Date, Code, Name, Words, Mark, Quantity, Price, Amount, Net, Fee };
constexpr std::size_t kMarket = 13;
constexpr std::size_t kCurrency = 14;
constexpr std::size_t kRate = 15;

// A purchase of 100 at 10 with 5 of commission, to change a cell of.
Cells purchase() {
    return {"20240305", "600000", "浦发银行", "证券买入", "买入", "100", "10.00",  "1000.00",
            "-1005.00", "5.00",   "0",        "T1",       "H1",   "",    "人民币", "1"};
}

Cells with(Cells cells, std::size_t column, const std::string& text) {
    cells.at(column) = text;
    return cells;
}

Statement read(const Cells& headings, const std::vector<Cells>& rows) {
    return statementOf(
        textOf({{}, headings, rows, {}}, {'\t', "\n", false, false, true, false, false}));
}

Statement readRows(const std::vector<Cells>& rows) {
    return read(kHeadings, rows);
}

std::vector<RowDoubt> doubtsOf(const StatementRow& row) {
    std::vector<RowDoubt> doubts;
    doubts.reserve(row.problems.size());
    for (const RowProblem& problem : row.problems) {
        doubts.push_back(problem.doubt);
    }
    return doubts;
}

// Every other heading of a column, blanks around it too, reads as the first one does.
TEST(StatementRows, EveryHeadingOfAColumnReadsAlike) {
    const std::pair<std::size_t, std::string> kVariants[] = {
        {Date, "发生日期"},   {Date, "交收日期"},     {Date, "交割日期"},     {Date, "清算日期"},
        {Date, "业务日期"},   {Date, "交易日期"},     {Date, " 成交日期 "},   {Code, "股票代码"},
        {Name, "证券简称"},   {Words, "操作"},        {Words, "业务名称"},    {Words, "买卖方向"},
        {Words, "业务类型"},  {Quantity, "发生数量"}, {Quantity, "成交股数"}, {Price, "成交均价"},
        {Price, "成交价"},    {Net, "清算金额"},      {Net, "资金发生数"},    {Net, "收付金额"},
        {Fee, "净佣金"},      {Fee, "手续费"},        {10, "其他费"},         {10, "交易规费"},
        {10, "经手费"},       {10, "证管费"},         {10, "附加费"},         {10, "清算费"},
        {10, "交易所清算费"}, {11, "成交号"},         {12, "合同号"},         {12, "委托编号"},
        {12, "申请编号"},     {kMarket, "市场名称"},  {kMarket, "交易所名称"}};
    const Statement expected = readRows({purchase()});
    ASSERT_EQ(expected.rows.size(), 1U);
    for (const auto& [column, heading] : kVariants) {
        EXPECT_EQ(read(with(kHeadings, column, heading), {purchase()}).rows, expected.rows)
            << heading;
    }
}

struct OperationCase {
    std::string words; // 摘要
    std::string mark;  // 买卖标志
    std::string net;
    std::optional<RowKind> kind; // none: skipped for `reason`
    SkipReason reason = SkipReason::OtherOperation;
};

TEST(StatementRows, OperationWordsTellWhatARowIs) {
    using enum RowKind;
    const OperationCase kCases[] = {{"证券买入", "", "-1005", Buy},
                                    {"买入", "", "-1005", Buy},
                                    {"买", "", "-1005", Buy},
                                    {"普通买入", "", "-1005", Buy},
                                    {"融资买入", "", "-1005", Buy},
                                    {"担保品买入", "", "-1005", Buy},
                                    {"", "买入", "-1005", Buy},
                                    {"证券卖出", "", "995", Sell},
                                    {"卖出", "", "995", Sell},
                                    {"卖", "", "995", Sell},
                                    {"普通卖出", "", "995", Sell},
                                    {"卖券还款", "", "995", Sell},
                                    {"担保品卖出", "", "995", Sell},
                                    {"兑付", "", "995", Sell},
                                    {"赎回", "", "995", Sell},
                                    {"新股入帐", "", "0", NewIssuePurchase},
                                    {"新股入账", "", "0", NewIssuePurchase},
                                    {"红利入帐", "卖出", "30", CashDividend},
                                    {"股息入账", "", "30", CashDividend},
                                    {"股息红利税补缴", "买入", "-3", DividendTax},
                                    {"股息红利差异扣税", "买入", "-3", DividendTax},
                                    {"红股入账", "", "0", BonusShares},
                                    {"送股", "", "0", BonusShares},
                                    {"转增", "", "0", CapitalisedShares},
                                    {"配股入账", "", "0", RightsShares},
                                    {"债转股", "", "0", ConvertedToShares},
                                    // The buy and sell marks disagree; the sign of the cash tells.
                                    {"证券卖出", "买入", "-1005", Buy},
                                    {"证券买入", "卖出", "995", Sell},
                                    {"银行转存", "", "1000", {}},
                                    {"银行转取", "", "-1000", {}},
                                    {"利息归本", "", "1", {}},
                                    {"申购配号", "买入", "0", {}},
                                    {"新股申购", "买入", "-1000", {}},
                                    {"申购返款", "", "1000", {}},
                                    {"质押回购拆出", "卖出", "-1000", {}},
                                    {"拆出质押购回", "买入", "1001", {}},
                                    {"基金申购", "", "-1000", {}},
                                    {"基金赎回", "", "1000", {}},
                                    {"托管转出", "", "0", {}},
                                    {"指定交易", "", "0", {}},
                                    {"中签扣款", "", "-1000", {}},
                                    {"某种业务", "", "0", {}},
                                    {"", "", "-1005", {}, SkipReason::NoOperation}};
    for (const OperationCase& c : kCases) {
        Cells row = with(with(with(purchase(), Words, c.words), Mark, c.mark), Net, c.net);
        const Statement statement = readRows({row});
        SCOPED_TRACE(c.words + "/" + c.mark);
        if (c.kind) {
            ASSERT_EQ(statement.rows.size(), 1U);
            EXPECT_EQ(statement.rows[0].kind, *c.kind);
            EXPECT_EQ(statement.rows[0].operation,
                      c.words + (c.words.empty() || c.mark.empty() ? "" : "/") + c.mark);
        } else {
            ASSERT_EQ(statement.skipped.size(), 1U);
            EXPECT_EQ(statement.skipped[0].reason, c.reason);
            EXPECT_EQ(statement.skipCounts, (std::vector<SkipCount>{{c.reason, c.words, 1}}));
        }
    }
}

struct CodeCase {
    std::size_t column; // the market's, the currency's or the rate's
    std::string text;
    std::string code;
    std::string read; // empty: skipped for `reason`
    SkipReason reason = SkipReason::HongKongConnect;
};

TEST(StatementRows, TheMarketDecidesTheCode) {
    const CodeCase kCases[] = {{kMarket, "上海Ａ股", "878", "000878"},
                               {kMarket, "深圳A股", "878", "000878"},
                               {kMarket, "北交所", "430047", "430047"},
                               {kMarket, "", "1", "000001"},
                               {kMarket, "2", "1", "000001"},
                               {kMarket, "美股", "878", "878"},
                               {kMarket, "港股通", "00700", ""},
                               {kMarket, "沪港通", "700", ""},
                               {kMarket, "深港通", "700", ""},
                               {kCurrency, "美元", "900901", "", SkipReason::ForeignCurrency},
                               {kCurrency, "RMB", "1", "000001"},
                               {kRate, "1.000", "1", "000001"},
                               {kRate, "7.1", "600000", "", SkipReason::ForeignCurrency}};
    for (const CodeCase& c : kCases) {
        const Statement statement =
            readRows({with(with(purchase(), c.column, c.text), Code, c.code)});
        SCOPED_TRACE(c.text + " " + c.code);
        if (c.read.empty()) {
            ASSERT_EQ(statement.skipped.size(), 1U);
            EXPECT_EQ(statement.skipped[0].reason, c.reason);
            EXPECT_EQ(statement.skipped[0].value, c.text);
        } else {
            ASSERT_EQ(statement.rows.size(), 1U);
            EXPECT_EQ(statement.rows[0].code, c.read);
        }
    }
    // Where no market column is, a Shanghai account's letter tells; a Shenzhen one's digits.
    const Cells headings = {"成交日期", "证券代码", "股东帐户", "操作", "成交数量", "成交金额"};
    for (const auto& [account, market] :
         {std::pair{"A123456789", Market::Shanghai}, std::pair{"0123456789", Market::Shenzhen}}) {
        const Statement statement = read(headings, {{"20240305", "9", account, "买入", "1", "1"}});
        ASSERT_EQ(statement.rows.size(), 1U);
        EXPECT_EQ(statement.rows[0].marketKind, market);
        EXPECT_EQ(statement.rows[0].code, "000009");
    }
}

struct DoubtCase {
    std::vector<Cells> rows;
    std::vector<RowDoubt> lastRow;
};

TEST(StatementRows, DoubtfulFiguresAreKeptAndTold) {
    using enum RowDoubt;
    const Cells bought = purchase();
    const Cells sold = with(with(with(bought, Words, "证券卖出"), Mark, "卖出"), Net, "995.00");
    const DoubtCase kCases[] = {
        {{bought}, {}},
        {{sold}, {}},
        {{with(bought, Fee, "-5.00")}, {}}, // a cost paid, whatever its sign
        {{with(bought, Net, "-1006.00")}, {CostsOffNetCash}},
        {{with(sold, Net, "1005.00")}, {CostsOffNetCash}},
        {{bought, with(bought, Net, "1005.00")}, {NetCashAgainstSide}},
        // An average price of three decimals misses by up to 100 × 0.0005.
        {{with(with(bought, Price, "10.123"), Amount, "1012.35")}, {CostsOffNetCash}},
        {{with(with(with(bought, Price, "10.123"), Amount, "1012.35"), Net, "-1017.35")}, {}},
        {{with(with(with(bought, Price, "10.123"), Amount, "1012.36"), Net, "-1017.36")},
         {AmountOffPrice}},
        {{with(with(with(bought, Price, "10.5"), Amount, "1055.00"), Net, "-1060.00")}, {}},
        {{with(with(with(bought, Price, "10.50"), Amount, "1055.00"), Net, "-1060.00")},
         {AmountOffPrice}},
        {{with(bought, kRate, "一")}, {}},
        {{with(bought, Fee, "五元")}, {UnreadableCell, CostsOffNetCash}},
    };
    for (std::size_t at = 0; at < std::size(kCases); ++at) {
        const Statement statement = readRows(kCases[at].rows);
        SCOPED_TRACE(at);
        if (at == 11) {
            EXPECT_EQ(statement.skipped.size(), 1U); // a rate that does not read is not 1
            continue;
        }
        ASSERT_EQ(statement.rows.size(), kCases[at].rows.size());
        EXPECT_EQ(doubtsOf(statement.rows.back()), kCases[at].lastRow);
    }
    // Without the cash, disagreeing marks cannot be told apart.
    const Cells headings = {"成交日期", "证券代码", "摘要", "买卖标志", "成交数量", "成交金额"};
    const Statement statement =
        read(headings, {{"20240305", "600000", "证券卖出", "买入", "1", "1"}});
    ASSERT_EQ(statement.rows.size(), 1U);
    EXPECT_EQ(doubtsOf(statement.rows[0]), std::vector<RowDoubt>{OperationsDisagree});
}

// An average price is the amount over the quantity, rounded to its decimals; such a row is
// never doubted, and one a fen further off than the rounding allows always is.
TEST(StatementRows, ThePricesRoundingIsAllowedAndNoMore) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        const auto quantity = Decimal::whole(static_cast<std::int64_t>(random() % 100000 + 1));
        const Decimal amount =
            Decimal::ofUnits(static_cast<std::int64_t>(random() % 100000000 + 1), 2);
        const int decimals = static_cast<int>(random() % 3 + 1);
        const Decimal price = *amount.dividedBy(quantity, decimals, Rounding::HalfAwayFromZero);
        const Decimal allowed = *quantity.times(Decimal::ofUnits(5, decimals + 1));
        for (const bool off : {false, true}) {
            const Decimal beyond = *allowed.plus(allowed)->plus(Decimal::ofUnits(1, 2));
            const Decimal written = off ? *amount.plus(beyond) : amount;
            const Statement statement =
                read({"成交日期", "证券代码", "操作", "成交数量", "成交价格", "成交金额"},
                     {{"20240305", "600000", "买入", quantity.fixedText(0),
                       price.fixedText(decimals), written.fixedText(2)}});
            ASSERT_EQ(statement.rows.size(), 1U);
            EXPECT_EQ(statement.rows[0].problems.size(), off ? 1U : 0U)
                << quantity.fixedText(0) << " " << price.fixedText(decimals) << " "
                << written.fixedText(2);
        }
    }
}

TEST(StatementRows, ANewIssueCostsWhatItsPaymentPaid) {
    const Cells headings = {"成交日期", "证券代码", "证券名称", "业务名称",
                            "成交数量", "成交价格", "发生金额"};
    const Cells payment = {"20240301", "732123", "某某申购", "中签扣款",
                           "1000",     "10.50",  "-10500.00"};
    const Cells cashOnly = {"20240301", "732123", "某某申购", "中签扣款", "1000", "", "-10500.00"};
    const Cells issue = {"20240310", "603123", "某某股份", "新股入帐", "1000", "", ""};
    const Cells priced = {"20240310", "603123", "某某股份", "新股入帐", "1000", "10.40", ""};
    struct Case {
        std::vector<Cells> rows;
        PriceSource source;
        std::optional<std::string> price;
    };
    const Case kCases[] = {
        {{payment, issue}, PriceSource::WinningPayment, "10.5"},
        {{issue, cashOnly}, PriceSource::WinningPayment, "10.5"},
        {{issue}, PriceSource::Ask, {}},
        {{priced}, PriceSource::Statement, "10.4"},
        {{payment, payment, issue}, PriceSource::Ask, {}}, // which of the two cannot be told
        {{with(payment, 4, "500"), issue}, PriceSource::Ask, {}},
    };
    for (const Case& c : kCases) {
        const Statement statement = read(headings, c.rows);
        ASSERT_EQ(statement.rows.size(), 1U);
        const StatementRow& row = statement.rows[0];
        EXPECT_EQ(row.priceSource, c.source);
        EXPECT_EQ(row.price, c.price ? Decimal::fromText(*c.price) : std::nullopt);
        EXPECT_EQ(row.paymentRow,
                  c.source == PriceSource::WinningPayment ? (c.rows[0] == issue ? 3U : 2U) : 0U);
    }
}

} // namespace
} // namespace pelmora::test
