#include "design/DividendTables.h"

#include "design/ReconcileTables.h"

#include <array>

namespace pelmora {
namespace {

constexpr std::array<std::string_view, kDividendColumnCount> kDividendHeadings = {
    "代码", "日期", "股数", "红利", "应补税", "已补税"};

} // namespace

std::string_view heading(DividendColumn column) {
    return kDividendHeadings.at(static_cast<std::size_t>(column));
}

std::string dividendCell(const DividendLine& line, DividendColumn column) {
    switch (column) {
    case DividendColumn::Code:
        return line.code;
    case DividendColumn::Date:
        return dateText(line.date);
    case DividendColumn::Shares:
        // A dividend recorded without its shares keeps 0 for them.
        return line.shares > 0 ? std::to_string(line.shares) : std::string();
    case DividendColumn::Cash:
        return moneyCell(line.cash);
    case DividendColumn::Expected:
        return moneyCell(line.taxExpected);
    case DividendColumn::Charged:
        return moneyCell(line.taxCharged);
    }
    return {};
}

} // namespace pelmora
