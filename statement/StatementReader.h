#pragma once

#include "statement/Statement.h"
#include "statement/StatementRefusal.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

namespace pelmora {

// The largest file read, and the most an .xlsx part may state it unpacks to: a lifetime of
// trades is a few megabytes.
inline constexpr std::int64_t kMostStatementBytes = std::int64_t{200} * 1024 * 1024;
// The most cells a line may have; statements have a few dozen columns.
inline constexpr std::size_t kMostFields = 256;
// How far down the headings are looked for, past the title lines above them.
inline constexpr std::size_t kMostLinesBeforeHeadings = 64;

// A statement from a file's bytes, judged by its content, never by its name: tab- or
// comma-separated text in UTF-8 or GB18030, or an .xlsx workbook's first sheet. Otherwise why
// it is none.
std::variant<Statement, StatementRefusal> readStatement(std::string_view bytes);

// The file read and its statement; refused before it is opened when it is no file or too large.
std::variant<Statement, StatementRefusal> readStatementFile(const QString& file);

} // namespace pelmora
