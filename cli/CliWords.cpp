#include "cli/CliWords.h"

#include "design/JournalTables.h"

#include <QStringDecoder>
#include <QStringList>

namespace pelmora::cli {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text from the command line or a file, in quotation marks, with every character a reader
// could not see (a control, a format character, a separator other than the ordinary and the
// ideographic space) shown as its code point, and cut after 40 characters shown.
QString quoted(std::string_view text) {
    constexpr qsizetype kLongest = 40;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QString decoded =
        decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    QString shown;
    for (const char32_t c : decoded.toUcs4()) {
        if (shown.size() >= kLongest) {
            return QStringLiteral("“%1…”").arg(shown);
        }
        const QChar::Category category = QChar::category(c);
        const bool hidden = category == QChar::Other_Control || category == QChar::Other_Format ||
                            category == QChar::Separator_Line ||
                            category == QChar::Separator_Paragraph ||
                            (category == QChar::Separator_Space && c != U' ' && c != U'\u3000');
        shown +=
            hidden
                ? QStringLiteral("‹U+%1›").arg(static_cast<uint>(c), 4, 16, QChar(u'0')).toUpper()
                : QString::fromUcs4(&c, 1);
    }
    return QStringLiteral("“%1”").arg(shown);
}

QString operandName(Operand operand) {
    switch (operand) {
    case Operand::Date:
        return QStringLiteral("日期");
    case Operand::Code:
        return QStringLiteral("代码");
    case Operand::Action:
        return QStringLiteral("买卖");
    case Operand::Quantity:
        return QStringLiteral("数量");
    case Operand::Price:
        return QStringLiteral("价格");
    case Operand::TotalCost:
        return QStringLiteral("总成本");
    case Operand::File:
        return QStringLiteral("文件");
    case Operand::Time:
        return QStringLiteral("时间");
    case Operand::Name:
        return QStringLiteral("名称");
    case Operand::Note:
        return QStringLiteral("备注");
    case Operand::RatePercent:
        return QStringLiteral("佣金率%");
    case Operand::MinimumYuan:
        return QStringLiteral("最低佣金");
    case Operand::CodeAndPrice:
        return QStringLiteral("代码=现价");
    case Operand::Year:
        return QStringLiteral("年份");
    }
    return {};
}

// How usage shows an operand: the action as the words it takes.
QString operandInUsage(Operand operand) {
    return operand == Operand::Action ? QStringLiteral("买入|卖出") : operandName(operand);
}

QString commandWhat(Command command) {
    switch (command) {
    case Command::Add:
        return QStringLiteral("记一笔买入或卖出，费用按设置中的账本佣金率计算");
    case Command::Opening:
        return QStringLiteral("记入期初持仓：账本开始前买入的股份及其总成本");
    case Command::Holdings:
        return QStringLiteral(
            "列出持仓（--all 连同已清仓的），给出现价时也列出市值、浮动盈亏和保本价");
    case Command::Trades:
        return QStringLiteral("按日期和时间列出交易，给出代码时只列出该代码的");
    case Command::Dividends:
        return QStringLiteral(
            "逐笔列出红利和送股，及卖出时应补缴和已补缴的红利税，给出代码时只列出该代码的");
    case Command::Export:
        return QStringLiteral("把全部交易导出为 CSV 文件（UTF-8），可用 Excel 打开");
    case Command::Import:
        return QStringLiteral(
            "导入券商的对账单（交割单，文本或 .xlsx），已导入的不重复记入，有一个文件无法读取就"
            "全部不导入；--dry-run 只列出不写入。也可导入账本导出的 CSV 文件，只能导入到空账本");
    case Command::Reconcile:
        return QStringLiteral(
            "把对账单导入的交易按账本佣金率重算，列出相差一分以上的费用，再列出从账单推算的佣金率");
    case Command::Help:
        return QStringLiteral("显示本说明");
    }
    return {};
}

QString commandUsage(const CommandRow& row) {
    QStringList words{fromUtf8(row.word)};
    for (std::size_t i = 0; i < row.operands.size(); ++i) {
        const QString operand = operandInUsage(row.operands.at(i));
        words << (i + row.optionalOperands >= row.operands.size() ? u'[' + operand + u']'
                                                                  : operand) +
                     (row.lastRepeats && i + 1 == row.operands.size() ? QStringLiteral("…")
                                                                      : QString());
    }
    for (const Option option : row.options) {
        const OptionRow& spelled = optionRow(option);
        QString word = fromUtf8(spelled.word);
        if (spelled.value) {
            word += u' ' + operandName(*spelled.value);
        }
        words << u'[' + word + u']' + (spelled.repeats ? QStringLiteral("…") : QString());
    }
    return words.join(u' ');
}

QString commandWord(std::optional<Command> command) {
    for (const CommandRow& row : commandTable()) {
        if (command == row.command) {
            return fromUtf8(row.word);
        }
    }
    return {};
}

// The console names the boxes it takes as options by their option.
QString boxName(DraftBox box) {
    if (box == DraftBox::Time) {
        return fromUtf8(optionRow(Option::Time).word);
    }
    if (box == DraftBox::Name) {
        return fromUtf8(optionRow(Option::Name).word);
    }
    return fromUtf8(heading(box));
}

QString lotsRule(std::optional<SecurityKind> kind) {
    if (!kind) {
        return QStringLiteral("不符合该品种的买入数量规则");
    }
    const PurchaseLots lots = purchaseLots(*kind);
    return QStringLiteral("不符合%1的买入数量规则：%2 股起，每次加 %3 股")
        .arg(fromUtf8(journalKindName(*kind)))
        .arg(lots.least)
        .arg(lots.step);
}

QString draftProblem(DraftProblem problem, std::optional<SecurityKind> kind) {
    switch (problem) {
    case DraftProblem::DateUnreadable:
        return QStringLiteral("不是 YYYY-MM-DD 或 YYYYMMDD 格式的日期，或没有这一天");
    case DraftProblem::DateInFuture:
        return QStringLiteral("晚于今天（北京时间）");
    case DraftProblem::TimeUnreadable:
        return QStringLiteral("不是 HH:MM:SS 或 HH:MM 格式的时间");
    case DraftProblem::CodeFitsNoKind:
        return QStringLiteral("不是本程序能计算费用的六位证券代码");
    case DraftProblem::NotANumber:
        return QStringLiteral("不是数字");
    case DraftProblem::DecimalComma:
        return QStringLiteral("带有逗号，小数点请写“.”");
    case DraftProblem::NotWholePositive:
        return QStringLiteral("不是大于 0 的整数");
    case DraftProblem::NotPositive:
        return QStringLiteral("须大于 0");
    case DraftProblem::NegativeCost:
        return QStringLiteral("不能小于 0");
    case DraftProblem::BreaksLots:
        return lotsRule(kind);
    case DraftProblem::CostsNeeded:
        return QStringLiteral("早于费率表的首日 2015-08-01，无法计算费用");
    case DraftProblem::Overflow:
        return QStringLiteral("数字超出可计算的范围");
    }
    return {};
}

// A trade as a message names it: when, what, which way, how many and at what price.
QString tradeNamed(const JournalTrade& trade) {
    QStringList words;
    for (const TradeColumn column :
         {TradeColumn::Date, TradeColumn::Time, TradeColumn::Code, TradeColumn::Name,
          TradeColumn::Action, TradeColumn::Quantity}) {
        const std::string cell = tradeCell(trade, column);
        if (!cell.empty()) {
            words << (column == TradeColumn::Name ? quoted(cell) : fromUtf8(cell));
        }
    }
    QString named = words.join(u' ') + QStringLiteral(" 股");
    if (const std::string price = tradeCell(trade, TradeColumn::Price); !price.empty()) {
        named += QStringLiteral("，价格 ") + fromUtf8(price);
    }
    return named;
}

QString csvProblem(CsvProblem problem) {
    switch (problem) {
    case CsvProblem::NotAFile:
        return QStringLiteral("这个名称是文件夹、管道或设备，不是文件");
    case CsvProblem::TooLarge:
        return QStringLiteral("文件大于 64 MB，不是账本导出的文件");
    case CsvProblem::CannotRead:
        return QStringLiteral("无法读取");
    case CsvProblem::CannotWrite:
        return QStringLiteral("无法写入");
    case CsvProblem::NotAnExport:
        return QStringLiteral("文件已存在，且不是导出的账本文件，不覆盖");
    case CsvProblem::NoHeadings:
        return QStringLiteral("文件是空的，没有标题行");
    case CsvProblem::UnknownHeading:
        return QStringLiteral("账本没有这一列");
    case CsvProblem::RepeatedHeading:
        return QStringLiteral("这一列出现了两次");
    case CsvProblem::MissingHeading:
        return QStringLiteral("缺少这一列");
    case CsvProblem::BadQuoting:
        return QStringLiteral(
            "引号用法不对：含逗号、引号或换行的单元格要整个放在引号里，其中的引号写两次");
    case CsvProblem::NotUtf8:
        return QStringLiteral("不是 UTF-8 文本");
    case CsvProblem::TooManyCells:
        return QStringLiteral("单元格比标题多");
    case CsvProblem::Unreadable:
        return QStringLiteral("无法读取为这一列的内容");
    case CsvProblem::DateInFuture:
        return QStringLiteral("晚于今天（北京时间）");
    case CsvProblem::CodeFitsNoKind:
        return QStringLiteral("不是本程序能计算费用的六位证券代码");
    case CsvProblem::NotWholePositive:
        return QStringLiteral("不是大于 0 的整数");
    case CsvProblem::NotPositive:
        return QStringLiteral("须大于 0");
    case CsvProblem::NegativeCost:
        return QStringLiteral("不能小于 0");
    case CsvProblem::NotForOpening:
        return QStringLiteral("期初持仓没有价格和费用，其总成本（费用在内）写在金额列");
    case CsvProblem::NotForEvent:
        return QStringLiteral(
            "红利、红利税、送股和转增没有价格和费用，红利税也没有数量，送股和转增没有金额");
    case CsvProblem::AmountMismatch:
        return QStringLiteral("不等于 数量 × 价格");
    case CsvProblem::CostsMismatch:
        return QStringLiteral("不等于四项费用之和");
    case CsvProblem::Overflow:
        return QStringLiteral("数字超出可计算的范围");
    }
    return {};
}

} // namespace

QString usageLine() {
    return QStringLiteral("用法：pelmora-journal [--journal 文件] [--settings 文件] 命令 …"
                          "（pelmora-journal help 列出命令）");
}

QString helpText() {
    QStringList lines{
        QStringLiteral("用法：pelmora-journal [--journal 文件] [--settings 文件] 命令 …"),
        QString()};
    for (const CommandRow& row : commandTable()) {
        lines << QStringLiteral("  ") + commandUsage(row)
              << QStringLiteral("      ") + commandWhat(row.command);
    }
    lines << QString()
          << QStringLiteral(
                 "账本文件：--journal 给出的，否则环境变量 PELMORA_JOURNAL，否则用户数据文件夹中的 "
                 "Pelmora/journal.sqlite。设置文件只读取，从不写入。")
          << QStringLiteral("输出以制表符分隔，第一行是标题。退出状态：0 成功，1 参数或文件被拒绝，"
                            "2 账本无法打开、读取或写入。");
    return lines.join(u'\n');
}

QString argumentRefusal(const ArgumentRefusal& refusal) {
    const QString command = commandWord(refusal.command);
    switch (refusal.problem) {
    case ArgumentProblem::NoCommand:
        return QStringLiteral("没有给出命令");
    case ArgumentProblem::UnknownCommand:
        return QStringLiteral("没有命令 %1").arg(quoted(refusal.text));
    case ArgumentProblem::UnknownOption:
        return command.isEmpty()
                   ? QStringLiteral("没有选项 %1").arg(quoted(refusal.text))
                   : QStringLiteral("命令 %1 没有选项 %2").arg(command, quoted(refusal.text));
    case ArgumentProblem::MissingValue:
        return QStringLiteral("选项 %1 后面缺少它的值").arg(quoted(refusal.text));
    case ArgumentProblem::RepeatedOption:
        return QStringLiteral("选项 %1 只能给一次").arg(quoted(refusal.text));
    case ArgumentProblem::MissingOperand:
        return QStringLiteral("命令 %1 缺少参数 %2")
            .arg(command, operandName(refusal.operand.value_or(Operand::File)));
    case ArgumentProblem::ExtraOperand:
        return QStringLiteral("命令 %1 多了参数 %2").arg(command, quoted(refusal.text));
    }
    return {};
}

QString draftRefusal(const DraftRefusal& refusal, std::optional<SecurityKind> kind) {
    return QStringLiteral("%1 %2 %3")
        .arg(boxName(refusal.box), quoted(refusal.text), draftProblem(refusal.problem, kind));
}

QString actionRefusal(const std::string& text) {
    return QStringLiteral("买卖 %1 应为 买入 或 卖出").arg(quoted(text));
}

QString settingRefusal(Option option, const std::string& text, const RefusedSetting& refused) {
    const QString bounds = option == Option::Rate ? QStringLiteral("%1 到 %2（不含）的百分数")
                                                  : QStringLiteral("%1 到 %2 元");
    return QStringLiteral("%1 %2 应为 %3")
        .arg(fromUtf8(optionRow(option).word), quoted(text),
             bounds.arg(refused.bounds.least).arg(refused.bounds.most));
}

QString codeRefusal(const std::string& text) {
    return QStringLiteral("代码 %1 不是六位数字").arg(quoted(text));
}

QString yearRefusal(const std::string& text) {
    return QStringLiteral("--year %1 不是四位数的年份").arg(quoted(text));
}

QString statementOverflow() {
    return QStringLiteral("对账单导入的交易金额之和超出了精确计算的范围，无法核对");
}

QString priceRefusal(PriceProblem problem, const std::string& text) {
    const QString price = QStringLiteral("--price %1 ").arg(quoted(text));
    switch (problem) {
    case PriceProblem::NoEquals:
        return price + QStringLiteral("应写成 代码=现价，例如 600000=10.50");
    case PriceProblem::NotPositive:
        return price + QStringLiteral("的现价不是大于 0 的数字");
    case PriceProblem::NotShown:
        return price + QStringLiteral("的代码不在列出的持仓中");
    case PriceProblem::Repeated:
        return price + QStringLiteral("：这个代码已给过现价");
    case PriceProblem::NoValuation:
        return price + QStringLiteral("：在这个现价上无法计算卖出费用");
    }
    return {};
}

QString writeRefusal(const WriteRefusal& refusal, const QString& journal) {
    const QString trade = refusal.trade ? tradeNamed(*refusal.trade) : QString();
    switch (refusal.stop) {
    case WriteStop::Oversold:
        return QStringLiteral("卖出数量超过当时的持仓：%1。账本未改动").arg(trade);
    case WriteStop::Overflow:
        return QStringLiteral("持仓的数字超出可计算的范围：%1。账本未改动").arg(trade);
    case WriteStop::Changed:
        return QStringLiteral("账本已被另一个程序改动：%1。账本未改动").arg(trade);
    case WriteStop::ReadOnly:
        return QStringLiteral("账本 %1 只能读取，无法写入").arg(journal);
    case WriteStop::DiskFull:
        return QStringLiteral("磁盘已满，账本 %1 未改动").arg(journal);
    case WriteStop::Failed:
        return QStringLiteral("写入账本 %1 失败：%2").arg(journal, refusal.detail);
    }
    return {};
}

QString journalReport(const JournalReport& report) {
    switch (report.trouble) {
    case JournalTrouble::NotAFile:
        return QStringLiteral("账本 %1 的名称被文件夹、管道或设备占用，未打开").arg(report.file);
    case JournalTrouble::NotAJournal:
        return QStringLiteral("%1 不是账本，已移到 %2，并新建了账本")
            .arg(report.file, report.keptAs);
    case JournalTrouble::FailedCheck:
        return QStringLiteral("账本 %1 已损坏，已移到 %2，并新建了账本")
            .arg(report.file, report.keptAs);
    case JournalTrouble::Newer:
        return QStringLiteral("账本 %1 属于本程序的新版本（版本 %2），只能读取")
            .arg(report.file)
            .arg(report.version);
    case JournalTrouble::ReadOnly:
        return QStringLiteral("账本 %1 无法写入，只能读取").arg(report.file);
    case JournalTrouble::CannotOpen:
        return QStringLiteral("无法打开账本 %1：%2").arg(report.file, report.detail);
    }
    return {};
}

QString journalUnreadable(const JournalReport& report) {
    return QStringLiteral("无法读取账本 %1：%2").arg(report.file, report.detail);
}

QString ledgerFault(LedgerStop stop, const JournalTrade& trade) {
    return stop == LedgerStop::Oversold
               ? QStringLiteral("账本中的卖出超过当时的持仓：%1").arg(tradeNamed(trade))
               : QStringLiteral("账本中的持仓数字超出可计算的范围：%1").arg(tradeNamed(trade));
}

QString csvRefusal(const CsvRefusal& refusal, const QString& file) {
    QString message = file;
    if (refusal.line > 0) {
        message += QStringLiteral(" 第 %1 行").arg(refusal.line);
    }
    switch (refusal.problem) {
    case CsvProblem::UnknownHeading:
    case CsvProblem::RepeatedHeading:
    case CsvProblem::MissingHeading:
        return message + QStringLiteral("：列 %1 %2")
                             .arg(quoted(refusal.column), csvProblem(refusal.problem));
    default:
        break;
    }
    if (refusal.line == 0) {
        const QString detail =
            refusal.cell.empty() ? QString() : QStringLiteral("（%1）").arg(fromUtf8(refusal.cell));
        return message + QStringLiteral("：") + csvProblem(refusal.problem) + detail;
    }
    if (!refusal.column.empty()) {
        message += QStringLiteral(" %1列").arg(quoted(refusal.column));
    }
    return message +
           QStringLiteral("的 %1 %2").arg(quoted(refusal.cell), csvProblem(refusal.problem));
}

QString journalNotEmpty(const QString& file, std::size_t trades) {
    return QStringLiteral(
               "账本 %1 已有 %2 笔交易：只能导入到空账本，请用 --journal 指定新的账本文件")
        .arg(file)
        .arg(trades);
}

QString exported(std::size_t trades, const QString& file) {
    return QStringLiteral("已把 %1 笔交易导出到 %2").arg(trades).arg(file);
}

QString imported(std::size_t trades, const QString& file) {
    return QStringLiteral("已从 %2 导入 %1 笔交易").arg(trades).arg(file);
}

QString outputNotWritten() {
    return QStringLiteral("无法写出结果（磁盘已满，或输出已关闭）");
}

QString settingsNotAFile(const QString& file) {
    return QStringLiteral("设置文件 %1 的名称被文件夹、管道或设备占用，未读取，使用默认设置")
        .arg(file);
}

QString settingsUnreadable(const QString& file) {
    return QStringLiteral("无法读取设置文件 %1，使用默认设置").arg(file);
}

QString settingReplaced(const QString& file, const QString& key, const QString& text) {
    return QStringLiteral("设置文件 %1 中 %2 的值 %3 无法使用，改用默认值")
        .arg(file, key, quoted(text.toStdString()));
}

} // namespace pelmora::cli
