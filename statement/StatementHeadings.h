#pragma once

#include "statement/StatementCells.h"
#include "statement/StatementColumns.h"
#include "statement/StatementRefusal.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

// Where each meaning's columns stand, from the row of headings.
class ColumnPlaces {
public:
    explicit ColumnPlaces(const CellRow& headings);

    // The places of a meaning's columns, by rank; the first is the one taken where only one is.
    [[nodiscard]] const std::vector<FoundColumn>& of(ColumnMeaning meaning) const {
        return m_places.at(static_cast<std::size_t>(meaning));
    }
    [[nodiscard]] bool has(ColumnMeaning meaning) const { return !of(meaning).empty(); }
    // The columns found, in the file's order.
    [[nodiscard]] std::vector<FoundColumn> found() const;
    // The meanings a statement needs that are missing.
    [[nodiscard]] std::vector<ColumnMeaning> missing() const;
    // How many meanings were found, and how many headings of a holdings list.
    [[nodiscard]] std::size_t meaningCount() const;
    [[nodiscard]] std::size_t holdingsHeadings() const { return m_holdingsHeadings; }

private:
    std::array<std::vector<FoundColumn>, kColumnMeaningCount> m_places;
    std::size_t m_holdingsHeadings = 0;
};

// The row of headings looked for among a file's first rows: the first row that has every column
// a statement needs. The rows above it are titles.
class HeadingSearch {
public:
    // Whether `row` is the row of headings.
    bool offer(const CellRow& row);
    [[nodiscard]] const std::optional<ColumnPlaces>& places() const { return m_found; }
    [[nodiscard]] std::size_t headerRow() const { return m_headerRow; }
    // Why no row was: the likeliest row of headings lacks what a statement needs, is a holdings
    // list's, or there is none.
    [[nodiscard]] StatementRefusal refusal() const;

private:
    std::optional<ColumnPlaces> m_found;
    std::size_t m_headerRow = 0;
    std::optional<ColumnPlaces> m_likeliest; // of the most meanings, the first of them
    std::size_t m_likeliestRow = 0;
};

} // namespace pelmora
