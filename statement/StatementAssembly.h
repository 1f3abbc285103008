#pragma once

#include "statement/CellValues.h"
#include "statement/RowReading.h"
#include "statement/Statement.h"
#include "statement/StatementHeadings.h"
#include "statement/StatementRefusal.h"

#include <optional>
#include <variant>
#include <vector>

namespace pelmora {

// A statement put together from a file's rows in their order: the row of headings looked for
// first, every row after it read, and then what needs the whole file: a new issue's price from
// its payment, and the side of the rows whose words disagree from the sign of their cash.
class StatementAssembly {
public:
    explicit StatementAssembly(Serials serials) : m_serials(serials) {}
    // A workbook tells its date system before its first row.
    void useSerials(Serials serials) { m_serials = serials; }
    // Room for the rows a file has at most: a statement of 100,000 rows would otherwise be
    // moved about as its list grows, a third of the time it takes to read.
    void expectRows(std::size_t rows) {
        m_statement.rows.reserve(rows);
        m_sidesDisagree.reserve(rows);
    }

    // The file's next row, before or after the headings; false once the file is refused.
    bool take(const CellRow& row);
    [[nodiscard]] bool headingsFound() const { return m_search.places().has_value(); }

    std::variant<Statement, StatementRefusal> finish(StatementEncoding encoding,
                                                     StatementFormat format);

private:
    void add(ReadRow read);
    void priceNewIssues();
    void settleSides();
    void checkCosts();
    void countSkipped();

    Serials m_serials;
    HeadingSearch m_search;
    std::optional<RowReader> m_reader;
    std::optional<StatementRefusal> m_refusal;
    Statement m_statement;
    std::vector<WinningPayment> m_payments;
    std::vector<bool> m_sidesDisagree; // by row, as the rows
};

} // namespace pelmora
