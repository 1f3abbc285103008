#pragma once

#include "statement/StatementColumns.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {

// Why a file gives no statement at all; nothing of it is read then. The windows and the
// console program word it.
enum class RefusalReason : std::uint8_t {
    NotAFile,          // the name is taken by a folder, a pipe, a device: never opened
    CannotRead,        // the system's words are in `detail`
    TooLarge,          // over kMostStatementBytes: never read
    BinaryXls,         // an Excel 97–2003 workbook (OLE2), to be saved again as .xlsx or text
    NotAStatement,     // no row of headings a statement has: a picture, some other table, noise
    HoldingsList,      // a holdings list (持仓), which records no trades
    MissingColumns,    // the headings lack columns a statement needs: `missing` names them
    TooManyFields,     // a line of more than kMostFields cells, at `row`
    DamagedXlsx,       // a zip or a workbook that does not read: `detail` names the part
    XlsxEntryTooLarge, // a part stating over kMostStatementBytes unpacked: `detail` names it
};

struct StatementRefusal {
    RefusalReason reason = RefusalReason::NotAStatement;
    std::size_t row = 0;                // 1-based, where the refusal is about a row
    std::string detail;                 // as each reason says
    std::vector<ColumnMeaning> missing; // MissingColumns: Price and Amount both when neither
    bool operator==(const StatementRefusal&) const = default;
};

} // namespace pelmora
