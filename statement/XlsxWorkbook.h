#pragma once

#include "statement/CellValues.h"
#include "statement/StatementCells.h"
#include "statement/StatementRefusal.h"

#include <functional>
#include <optional>
#include <string_view>

namespace pelmora {

// An .xlsx workbook's first sheet, row by row: shared and inline strings as their text, numbers
// to Excel's 15 significant digits (number cells marked so), empty rows left out, each row
// numbered as the sheet numbers it. `take` is handed the rows in order until it returns false.
// Every part is refused before it is unpacked where it states more than kMostStatementBytes.
// The serials are the workbook's date system, told before the first row.
std::optional<StatementRefusal> readXlsxRows(std::string_view bytes,
                                             const std::function<void(Serials)>& serials,
                                             const std::function<bool(const CellRow&)>& take);

// Whether the bytes are a zip, as an .xlsx is.
bool isZip(std::string_view bytes);

} // namespace pelmora
