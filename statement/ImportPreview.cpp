#include "statement/ImportPreview.h"

#include "calc/TradeDifferences.h"

#include <algorithm>
#include <iterator>

namespace pelmora {

namespace {

// A file's rows that an earlier file of the import gives too, left out: each row known by its
// import key alone counts against the most any earlier file gave of that key, as two imports one
// after the other would count them. Rows with a 成交编号 the journal tells apart itself.
void leaveOutEarlierRows(std::vector<PreviewFile>& files) {
    std::map<std::string, std::size_t> most;
    for (std::size_t place = 0; place < files.size(); ++place) {
        std::vector<StatementEntry>& entries = files[place].entries.entries;
        // Only the later files lose rows, and only the earlier ones' counts are asked.
        const bool mayLoseRows = place > 0;
        const bool countsAsked = place + 1 < files.size();
        if (!mayLoseRows && !countsAsked) {
            continue;
        }
        std::map<std::string, std::size_t> here;
        std::vector<LeftOutRow>& leftOut = files[place].entries.leftOut;
        // Kept in place, so that a statement of a hundred thousand rows is not copied whole.
        const auto earlierGives = [&](const JournalTrade& trade) {
            if (!trade.dealNumber.empty() || trade.importKey.empty()) {
                return false;
            }
            const std::size_t count = ++here[trade.importKey];
            const auto earlier = most.find(trade.importKey);
            return mayLoseRows && earlier != most.end() && count <= earlier->second;
        };
        std::size_t kept = 0;
        for (StatementEntry& entry : entries) {
            if (earlierGives(entry.trade)) {
                leftOut.push_back({entry.row, EntryGap::InEarlierFile, {}});
            } else if (&entries[kept++] != &entry) {
                entries[kept - 1] = std::move(entry);
            }
        }
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(kept), entries.end());
        std::ranges::sort(leftOut, {}, &LeftOutRow::row);
        for (const auto& [key, count] : here) {
            std::size_t& earlier = most[key];
            earlier = std::max(earlier, count);
        }
    }
}

} // namespace

ImportPreview previewOf(std::vector<PreviewFile> files) {
    ImportPreview preview;
    leaveOutEarlierRows(files);
    preview.files = std::move(files);
    std::size_t count = 0;
    for (const PreviewFile& file : preview.files) {
        count += file.entries.entries.size();
    }
    preview.read.reserve(count);
    preview.placeOf.reserve(count);
    for (std::size_t file = 0; file < preview.files.size(); ++file) {
        std::vector<StatementEntry>& entries = preview.files[file].entries.entries;
        for (std::size_t entry = 0; entry < entries.size(); ++entry) {
            preview.read.push_back(std::move(entries[entry].trade));
            preview.placeOf.push_back({file, entry});
        }
    }
    return preview;
}

const StatementEntry& statementEntry(const ImportPreview& preview, std::size_t read) {
    const EntryPlace place = preview.placeOf.at(read);
    return preview.files.at(place.file).entries.entries.at(place.entry);
}

std::optional<RowOverflow> completePreview(ImportPreview& preview, std::vector<bool> stored,
                                           std::span<const JournalTrade> journal,
                                           const JournalCommission& commission) {
    stored.resize(preview.read.size(), false);
    preview.stored = std::move(stored);
    preview.fresh.clear();
    for (std::size_t i = 0; i < preview.read.size(); ++i) {
        if (!preview.stored[i]) {
            preview.fresh.push_back(i);
        }
    }
    preview.openings = openingsNeeded(journal, preview.read, preview.stored);
    auto differences = differencesByTrade(preview.read, commission);
    if (const auto* overflow = std::get_if<RowOverflow>(&differences)) {
        return *overflow;
    }
    preview.difference = std::get<std::vector<std::optional<Decimal>>>(std::move(differences));
    return std::nullopt;
}

namespace {

std::vector<JournalTrade>
openingsOf(const ImportPreview& preview,
           const std::map<std::string, std::optional<Decimal>>& openingCosts, std::size_t more) {
    std::vector<JournalTrade> written;
    written.reserve(preview.openings.size() + more);
    for (const OpeningNeed& need : preview.openings) {
        const auto cost = openingCosts.find(need.code);
        written.push_back(openingEntry(need,
                                       cost == openingCosts.end() ? std::nullopt : cost->second,
                                       TradeSource::Statement));
    }
    return written;
}

} // namespace

std::vector<JournalTrade>
entriesToWrite(ImportPreview&& preview,
               const std::map<std::string, std::optional<Decimal>>& openingCosts,
               const std::vector<bool>& leftOut) {
    std::vector<JournalTrade> written = openingsOf(preview, openingCosts, preview.read.size());
    for (std::size_t i = 0; i < preview.read.size(); ++i) {
        if (i >= leftOut.size() || !leftOut[i]) {
            written.push_back(std::move(preview.read[i]));
        }
    }
    preview.read.clear();
    return written;
}

std::vector<JournalTrade>
entriesAdded(const ImportPreview& preview,
             const std::map<std::string, std::optional<Decimal>>& openingCosts) {
    std::vector<JournalTrade> added = openingsOf(preview, openingCosts, preview.fresh.size());
    for (const std::size_t i : preview.fresh) {
        added.push_back(preview.read.at(i));
    }
    return added;
}

} // namespace pelmora
