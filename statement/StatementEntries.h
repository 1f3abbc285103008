#pragma once

#include "calc/JournalTrade.h"
#include "statement/Statement.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {

// What a statement's rows become in the journal: entries of source 对账单 that keep the
// statement's own costs, each carrying the keys the next import of an overlapping file finds it
// again by.

// Why a row the reader took still makes no entry.
enum class EntryGap : std::uint8_t {
    NoKind,     // the code is of no kind the program knows: a fund or an account code
    PartShares, // a quantity that is no whole number of shares, or beyond the journal's range
    NoCash,     // a dividend or a tax that gives neither its cash nor its amount
    Conversion, // 债转股: the bond's side is not recorded; a sale of the shares later brings them
                // in as an opening holding
    InEarlierFile, // a row that an earlier file of the same import gives too: overlapping
                   // statements imported together add it once
};

struct LeftOutRow {
    std::size_t row = 0; // the statement's
    EntryGap gap = EntryGap::NoKind;
    std::string value; // the cell it is about: the code, the quantity
    bool operator==(const LeftOutRow&) const = default;
};

struct StatementEntry {
    std::size_t row = 0; // the statement's
    RowKind kind = RowKind::Buy;
    JournalTrade trade;
    // A new issue or rights issue whose price the statement does not tell: it comes in as an
    // opening holding of unknown cost (未知成本) until a price is given (withIssuePrice).
    bool priceAsked = false;
    std::vector<RowProblem> problems; // the reader's doubts about the row, imported as given
};

struct StatementEntries {
    std::vector<StatementEntry> entries; // in the statement's order
    std::vector<LeftOutRow> leftOut;
};

// The journal entries of a statement's rows. A trade's 成交编号 is kept where it is a real one
// (some files write 0 for every row); the import key is a digest of every figure and word of
// the row, so that identical rows of one file count by their number.
StatementEntries entriesOfStatement(const Statement& statement);

// An entry whose price was asked, bought at `price`; none where `price` is not above 0 or the
// amount leaves the exact decimals.
std::optional<StatementEntry> withIssuePrice(const StatementEntry& entry, const Decimal& price);

} // namespace pelmora
