#include "statement/StatementAssembly.h"

#include "statement/StatementReader.h"

#include <algorithm>
#include <iterator>

namespace pelmora {
namespace {

// Subscription codes of Shanghai keep their last three digits in the share's code (732xxx is
// 603xxx, 787xxx is 688xxx); Shenzhen's are the share's own.
constexpr std::size_t kSharedCodeDigits = 3;

Decimal size(const Decimal& value) {
    return value.sign() < 0 ? value.negated() : value;
}

bool paysFor(const WinningPayment& payment, const StatementRow& row) {
    const auto lastDigits = [](const std::string& code) {
        return code.size() > kSharedCodeDigits ? code.substr(code.size() - kSharedCodeDigits)
                                               : code;
    };
    return !payment.used && payment.quantity == row.quantity &&
           (payment.code == row.code || (!row.name.empty() && payment.name == row.name) ||
            lastDigits(payment.code) == lastDigits(row.code));
}

// A price from a payment's cash over its quantity, where it comes out exactly in the 0.001
// step that prices have.
std::optional<Decimal> exactPrice(const Decimal& cash, const Decimal& quantity) {
    constexpr int kPriceDecimals = 3;
    const std::optional<Decimal> price =
        quantity.sign() == 0 ? std::nullopt
                             : size(cash).dividedBy(quantity, kPriceDecimals, Rounding::Down);
    const std::optional<Decimal> back = price ? price->times(quantity) : std::nullopt;
    return back && *back == size(cash) ? price : std::nullopt;
}

} // namespace

bool StatementAssembly::take(const CellRow& row) {
    if (m_refusal) {
        return false;
    }
    if (row.tooManyCells) {
        m_refusal = StatementRefusal{RefusalReason::TooManyFields, row.number, {}, {}};
        return false;
    }
    if (m_reader) {
        add(m_reader->read(row));
        return true;
    }
    if (row.number > kMostLinesBeforeHeadings) {
        m_refusal = m_search.refusal();
        return false;
    }
    if (m_search.offer(row)) {
        m_reader.emplace(*m_search.places(), m_serials);
        m_statement.headerRow = m_search.headerRow();
        m_statement.columns = m_search.places()->found();
    }
    return true;
}

void StatementAssembly::add(ReadRow read) {
    switch (read.what) {
    case ReadRow::What::Row:
        m_statement.rows.push_back(std::move(read.row));
        m_sidesDisagree.push_back(read.sidesDisagree);
        break;
    case ReadRow::What::Skipped:
        m_statement.skipped.push_back(std::move(read.skipped));
        if (read.payment) {
            if (!read.payment->price || read.payment->price->sign() <= 0) {
                const std::optional<Decimal> cash =
                    read.row.netCash ? read.row.netCash : read.row.amount;
                read.payment->price =
                    cash ? exactPrice(*cash, read.payment->quantity) : std::nullopt;
            }
            m_payments.push_back(std::move(*read.payment));
        }
        break;
    case ReadRow::What::Blank:
        break;
    }
}

// A new issue costs what its payment paid a share; without a payment, what its own row says.
void StatementAssembly::priceNewIssues() {
    for (StatementRow& row : m_statement.rows) {
        if (row.kind != RowKind::NewIssuePurchase) {
            continue;
        }
        const auto found = std::find_if(m_payments.begin(), m_payments.end(),
                                        [&](const WinningPayment& p) { return paysFor(p, row); });
        const bool another = found != m_payments.end() &&
                             std::any_of(found + 1, m_payments.end(),
                                         [&](const WinningPayment& p) { return paysFor(p, row); });
        if (found != m_payments.end() && !another && found->price) {
            found->used = true;
            row.price = found->price;
            row.priceSource = PriceSource::WinningPayment;
            row.paymentRow = found->row;
        } else if (!row.price || row.price->sign() <= 0) {
            row.price.reset();
            row.priceSource = PriceSource::Ask;
        }
    }
}

// Where the file signs its cash (a purchase's below 0), the sign tells the side when the words
// disagree, and doubts a side it contradicts; a file whose cash is all of one sign tells nothing.
void StatementAssembly::settleSides() {
    const bool signedCash =
        std::any_of(m_statement.rows.begin(), m_statement.rows.end(),
                    [](const StatementRow& row) { return row.netCash && row.netCash->sign() < 0; });
    for (std::size_t at = 0; at < m_statement.rows.size(); ++at) {
        StatementRow& row = m_statement.rows[at];
        if (row.kind != RowKind::Buy && row.kind != RowKind::Sell) {
            continue;
        }
        const int sign = signedCash && row.netCash ? row.netCash->sign() : 0;
        const RowKind bySign = sign < 0 ? RowKind::Buy : RowKind::Sell;
        const std::string column =
            m_search.places()->has(ColumnMeaning::NetCash)
                ? m_search.places()->of(ColumnMeaning::NetCash).front().heading
                : std::string();
        if (m_sidesDisagree[at] && sign != 0) {
            row.kind = bySign;
        } else if (m_sidesDisagree[at]) {
            row.problems.push_back({RowDoubt::OperationsDisagree, {}, row.operation});
        } else if (sign != 0 && bySign != row.kind) {
            row.problems.push_back(
                {RowDoubt::NetCashAgainstSide, column, row.netCash->fixedText(kFenDecimals)});
        }
    }
}

// The net cash is the amount less the costs of a sale, or with them of a purchase; the amount
// is quantity × price to the fen where the file gives none.
void StatementAssembly::checkCosts() {
    const ColumnPlaces& places = *m_search.places();
    const bool costsGiven =
        places.has(ColumnMeaning::Commission) || places.has(ColumnMeaning::StampDuty) ||
        places.has(ColumnMeaning::TransferFee) || places.has(ColumnMeaning::ExchangeFees);
    if (!costsGiven || !places.has(ColumnMeaning::NetCash)) {
        return;
    }
    const std::string& column = places.of(ColumnMeaning::NetCash).front().heading;
    for (StatementRow& row : m_statement.rows) {
        if ((row.kind != RowKind::Buy && row.kind != RowKind::Sell) || !row.netCash) {
            continue;
        }
        std::optional<Decimal> amount = row.amount;
        if (!amount && row.price) {
            const std::optional<Decimal> product = row.quantity.times(*row.price);
            amount =
                product ? product->rounded(kFenDecimals, Rounding::HalfAwayFromZero) : std::nullopt;
        }
        const std::optional<Decimal> costs = row.costs.total();
        const std::optional<Decimal> expected = !amount || !costs          ? std::nullopt
                                                : row.kind == RowKind::Buy ? amount->plus(*costs)
                                                                           : amount->minus(*costs);
        if (!expected || size(*row.netCash) != size(*expected)) {
            row.problems.push_back(
                {RowDoubt::CostsOffNetCash, column, row.netCash->fixedText(kFenDecimals)});
        }
    }
}

void StatementAssembly::countSkipped() {
    for (const SkippedRow& skipped : m_statement.skipped) {
        const std::string value =
            skipped.reason == SkipReason::OtherOperation ? skipped.value : std::string();
        auto found = std::find_if(m_statement.skipCounts.begin(), m_statement.skipCounts.end(),
                                  [&](const SkipCount& count) {
                                      return count.reason == skipped.reason && count.value == value;
                                  });
        if (found == m_statement.skipCounts.end()) {
            m_statement.skipCounts.push_back({skipped.reason, value, 0});
            found = m_statement.skipCounts.end() - 1;
        }
        ++found->count;
    }
    // By reason; the words of one reason as they first came.
    std::vector<SkipCount>& counts = m_statement.skipCounts;
    std::vector<SkipCount> byReason;
    byReason.reserve(counts.size());
    for (const SkipReason reason : kAllSkipReasons) {
        std::copy_if(counts.begin(), counts.end(), std::back_inserter(byReason),
                     [&](const SkipCount& count) { return count.reason == reason; });
    }
    counts = std::move(byReason);
}

std::variant<Statement, StatementRefusal> StatementAssembly::finish(StatementEncoding encoding,
                                                                    StatementFormat format) {
    if (m_refusal) {
        return *m_refusal;
    }
    if (!m_reader) {
        return m_search.refusal();
    }
    priceNewIssues();
    settleSides();
    checkCosts();
    countSkipped();
    m_statement.encoding = encoding;
    m_statement.format = format;
    return std::move(m_statement);
}

} // namespace pelmora
