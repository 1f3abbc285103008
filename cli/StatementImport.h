#pragma once

#include "statement/ImportPreview.h"
#include "statement/StatementRefusal.h"

#include <QString>

namespace pelmora::cli {

// What `import` prints of broker statements, before it writes them or, with --dry-run,
// instead: each entry read on standard output in the trades table's columns with 差额; on
// standard error a line `文件\t行\t原因` for each row skipped, held already (已导入), left out
// or in doubt, and for each opening holding it brings in, then a summary for each file.
void printPreview(const ImportPreview& preview, bool dryRun);

// A file refused, with the file named.
QString statementRefused(const QString& file, const StatementRefusal& refusal);
// Nothing was written because `refused` of the files were refused.
QString nothingImported(std::size_t refused);

} // namespace pelmora::cli
