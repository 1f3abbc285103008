#include "statement/StatementHeadings.h"

#include "statement/Operations.h"

#include <algorithm>

namespace pelmora {
namespace {

// A row of fewer recognised headings is a title, or a table of something else.
constexpr std::size_t kLeastMeanings = 2;

} // namespace

ColumnPlaces::ColumnPlaces(const CellRow& headings) {
    for (std::size_t place = 0; place < headings.cells.size(); ++place) {
        const std::string heading = withOneZhang(headings.cells[place].text);
        if (isHoldingsHeading(heading)) {
            ++m_holdingsHeadings;
        }
        const std::optional<HeadingMeaning> meaning = meaningOfHeading(heading);
        if (!meaning) {
            continue;
        }
        auto& places = m_places.at(static_cast<std::size_t>(meaning->meaning));
        places.push_back({meaning->meaning, place, headings.cells[place].text});
        // By rank, and in the file's order within one rank.
        std::sort(places.begin(), places.end(), [](const FoundColumn& a, const FoundColumn& b) {
            const auto rank = [](const FoundColumn& column) {
                return meaningOfHeading(withOneZhang(column.heading))->rank;
            };
            return std::pair(rank(a), a.place) < std::pair(rank(b), b.place);
        });
    }
}

std::vector<FoundColumn> ColumnPlaces::found() const {
    std::vector<FoundColumn> all;
    for (const auto& places : m_places) {
        all.insert(all.end(), places.begin(), places.end());
    }
    std::sort(all.begin(), all.end(),
              [](const FoundColumn& a, const FoundColumn& b) { return a.place < b.place; });
    return all;
}

std::vector<ColumnMeaning> ColumnPlaces::missing() const {
    std::vector<ColumnMeaning> missing;
    for (const ColumnMeaning meaning : requiredColumns()) {
        if (!has(meaning)) {
            missing.push_back(meaning);
        }
    }
    if (!has(ColumnMeaning::Price) && !has(ColumnMeaning::Amount)) {
        missing.push_back(ColumnMeaning::Price);
        missing.push_back(ColumnMeaning::Amount);
    }
    return missing;
}

std::size_t ColumnPlaces::meaningCount() const {
    return static_cast<std::size_t>(std::count_if(
        m_places.begin(), m_places.end(), [](const auto& places) { return !places.empty(); }));
}

bool HeadingSearch::offer(const CellRow& row) {
    ColumnPlaces places(row);
    if (places.missing().empty()) {
        m_found = std::move(places);
        m_headerRow = row.number;
        return true;
    }
    const std::size_t weight = places.meaningCount() + places.holdingsHeadings();
    const std::size_t likeliest =
        m_likeliest ? m_likeliest->meaningCount() + m_likeliest->holdingsHeadings() : 0;
    if (weight >= kLeastMeanings && weight > likeliest) {
        m_likeliest = std::move(places);
        m_likeliestRow = row.number;
    }
    return false;
}

StatementRefusal HeadingSearch::refusal() const {
    if (!m_likeliest) {
        return {RefusalReason::NotAStatement, 0, {}, {}};
    }
    // A holdings list names its securities and what is held of them, but no date or operation.
    if (m_likeliest->holdingsHeadings() > 0 && !m_likeliest->has(ColumnMeaning::Operation)) {
        return {RefusalReason::HoldingsList, m_likeliestRow, {}, {}};
    }
    return {RefusalReason::MissingColumns, m_likeliestRow, {}, m_likeliest->missing()};
}

} // namespace pelmora
