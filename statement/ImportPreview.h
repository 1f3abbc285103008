#pragma once

#include "calc/ChargedOrders.h"
#include "calc/OpeningNeeds.h"
#include "calc/TradeDraft.h"
#include "statement/StatementEntries.h"

#include <QString>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace pelmora {

// What an import of statements would write, worked out before anything is: the console
// program prints it and the journal's window shows it, and both write what it gives.
//
// The steps: the statements' entries (previewOf); which of them the journal holds already,
// which the journal itself tells (Journal::storedOf); then the rest of the preview against the
// journal's trades (completePreview); last the entries to write (entriesToWrite).

struct PreviewFile {
    QString file;
    Statement statement;
    StatementEntries entries;
};

// An entry read, by its file and its place among that file's entries.
struct EntryPlace {
    std::size_t file = 0;
    std::size_t entry = 0;
};

struct ImportPreview {
    std::vector<PreviewFile> files;
    std::vector<JournalTrade> read;  // every entry of every file, in the files' order
    std::vector<EntryPlace> placeOf; // by entry read
    std::vector<bool> stored;        // by entry read: held already (已导入)
    // By entry read: the statement's costs less the program's, on an order's first trade.
    std::vector<std::optional<Decimal>> difference;
    std::vector<std::size_t> fresh;    // the entries read that are not held, in order
    std::vector<OpeningNeed> openings; // firstSale indexes `read`
};

// The entries of the statements, each read from its file, their trades moved out of them; a
// file's rows that an earlier file gives too are left out (EntryGap::InEarlierFile).
ImportPreview previewOf(std::vector<PreviewFile> files);

// The entry read as the statement row it came from.
const StatementEntry& statementEntry(const ImportPreview& preview, std::size_t read);

// What the journal holds already set, the entries to add and the openings they need worked
// out against `journal`, and the costs compared at `commission`; or the entry read whose
// order's sums cannot be held.
std::optional<RowOverflow> completePreview(ImportPreview& preview, std::vector<bool> stored,
                                           std::span<const JournalTrade> journal,
                                           const JournalCommission& commission);

// What to give Journal::importAll, all or none: the opening holdings first, each at the total
// cost given for its code or at 未知成本, then every entry read. The journal passes over those it
// holds inside its transaction, counting identical rows against all a file gives, so the entries
// held are given too; those the user left out (`leftOut`, by entry read) are not. The preview's
// trades are moved out: it is done with once it is written.
std::vector<JournalTrade>
entriesToWrite(ImportPreview&& preview,
               const std::map<std::string, std::optional<Decimal>>& openingCosts,
               const std::vector<bool>& leftOut = {});

// What the journal gains by the import, as entriesToWrite gives it less the entries it holds:
// the opening holdings, then the entries not held, for showing what they make of the holdings.
std::vector<JournalTrade>
entriesAdded(const ImportPreview& preview,
             const std::map<std::string, std::optional<Decimal>>& openingCosts);

} // namespace pelmora
