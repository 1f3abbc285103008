#pragma once

#include "calc/DividendLines.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// The table of the journal's dividends, a row for each 红利 and 送股 with the tax its sales are
// expected to pay on it and the part of the broker's charges that fell to it. Scripts read the
// console program's columns, so their order and headings are fixed.
enum class DividendColumn {
    Code,     // 代码
    Date,     // 日期
    Shares,   // 股数: the shares that carried it, empty where not known
    Cash,     // 红利: the cash, or a 送股's face value
    Expected, // 应补税
    Charged,  // 已补税
};
inline constexpr std::size_t kDividendColumnCount =
    static_cast<std::size_t>(DividendColumn::Charged) + 1;

std::string_view heading(DividendColumn column);
std::string dividendCell(const DividendLine& line, DividendColumn column);

} // namespace pelmora
