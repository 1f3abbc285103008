#pragma once

#include "statement/CellValues.h"
#include "statement/Statement.h"
#include "statement/StatementHeadings.h"

#include <cstddef>
#include <optional>
#include <string>

namespace pelmora {

// A 中签扣款 row: what a new issue cost, which its 新股入账 row often does not say.
struct WinningPayment {
    std::size_t row = 0;
    std::string code;
    std::string name;
    Decimal quantity;
    std::optional<Decimal> price; // its price, or its cash over its quantity where exact
    bool used = false;
};

// What one row of the file is.
struct ReadRow {
    enum class What : std::uint8_t { Row, Skipped, Blank };
    What what = What::Blank;
    StatementRow row;
    SkippedRow skipped;
    std::optional<WinningPayment> payment; // of a skipped 中签扣款 row
    bool sidesDisagree = false; // operation cells named both sides; `row.kind` is the first's
};

// Rows read by the places of their columns.
class RowReader {
public:
    RowReader(const ColumnPlaces& places, Serials serials) : m_places(places), m_serials(serials) {}

    [[nodiscard]] ReadRow read(const CellRow& cells) const;

private:
    const ColumnPlaces& m_places;
    Serials m_serials;
};

} // namespace pelmora
