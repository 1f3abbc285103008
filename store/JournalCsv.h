#pragma once

#include "calc/JournalTrade.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pelmora {

// The journal's own file: a CSV of every trade that a spreadsheet opens and the program reads
// back. UTF-8 with a byte-order mark, without which Excel takes the file for the system's code
// page and garbles the Chinese; CRLF line ends, RFC 4180's record separator and what Excel writes
// itself, so a file saved back from it reads the same. One heading line, then a line a trade in
// the trades table's columns, the note and what a statement told of it (成交编号, 合同编号 and the
// key its import found it by), each figure its exact text. A cell holding a comma, a
// quote or a line break is quoted, its quotes doubled.
//
// A spreadsheet runs a cell that opens with = + - @ (or a tab or CR) as a formula, so a name or
// note that opens with one of them, or with the quote that marks this, is written after a single
// quote, which reading drops again: a note "=1+1" stays a note in Excel and comes back as it was.

// The largest file read: a hundred times a lifetime's trades, and little enough to hold whole.
inline constexpr std::int64_t kMostJournalCsvBytes = std::int64_t{64} * 1024 * 1024;

// The file's bytes for these trades, in the order given.
std::string journalCsv(std::span<const JournalTrade> trades);

// Why a file could not be written or read, or a line of it not taken.
enum class CsvProblem {
    // The file as a whole; the refusal's line is 0.
    NotAFile,    // the name is taken by a folder, a pipe, a device: never opened
    TooLarge,    // larger than kMostJournalCsvBytes: never read
    CannotRead,  // the system's words are in `cell`
    CannotWrite, // likewise
    NotAnExport, // an export would replace a file that is no export of a journal
    NoHeadings,  // the file holds no line at all
    // The heading line; `column` is the heading.
    UnknownHeading,  // a column the journal does not have, perhaps a newer version's
    RepeatedHeading, // a column given twice
    MissingHeading,  // a column the trades cannot do without
    // A line.
    BadQuoting,       // a quote inside an unquoted cell, text after a closing quote, no closing one
    NotUtf8,          // bytes that are no UTF-8
    TooManyCells,     // a line with more cells than there are headings
    Unreadable,       // a cell that does not read as its column: no date, no number, no such word
    DateInFuture,     // a trade after today in China
    CodeFitsNoKind,   // a code of no kind the program costs
    NotWholePositive, // a quantity that is not a whole number above 0
    NotPositive,      // a price, an opening holding's total cost, a dividend or a tax not above 0
    NegativeCost,     // a cost below 0
    NotForOpening,    // a price or a cost of an opening holding, whose amount holds them
    NotForEvent,      // a price, cost, tax's quantity or share issue's amount, which it has none of
    AmountMismatch,   // 金额 is not 数量 × 价格
    CostsMismatch,    // 费用合计 is not the sum of the four costs
    Overflow,         // a figure beyond the exact decimals
};

struct CsvRefusal {
    CsvProblem problem = CsvProblem::Unreadable;
    std::size_t line = 0; // 1-based: the line the row starts on
    std::string column;   // the heading of the cell refused
    std::string cell;     // its text
    bool operator==(const CsvRefusal&) const = default;
};

// The trades a file's bytes hold, in the file's order, or the first thing refused in it. The
// byte-order mark is optional, lines may end in CRLF, LF or CR, the columns stand in any order
// and are found by their headings, and lines of empty cells are passed over. A cost left empty
// is 0, and costs are taken as the file gives them, never worked out again. An opening holding's
// amount may be 未知成本.
std::variant<std::vector<JournalTrade>, CsvRefusal> readJournalCsv(std::string_view bytes,
                                                                   TradeDate today);

// The file read and its trades, refused before it is opened when it is no file or too large.
std::variant<std::vector<JournalTrade>, CsvRefusal> importJournalCsv(const QString& file,
                                                                     TradeDate today);

// The trades written to `file` whole or not at all. An existing file is replaced only when it is
// empty or an earlier export, so that a slip of the name cannot overwrite the journal's database
// or any other file of the user's.
std::optional<CsvRefusal> exportJournalCsv(const QString& file,
                                           std::span<const JournalTrade> trades);

} // namespace pelmora
