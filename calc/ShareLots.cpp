#include "calc/ShareLots.h"

#include <algorithm>
#include <numeric>

namespace pelmora {
namespace {

// Dividends are spread and taken to this many decimals, the last share of each taking what is
// left, so no fen is made or lost on the way; the tax is rounded to the fen once, at the sale.
constexpr int kSpreadDecimals = 10;

std::optional<Decimal> partOf(const Decimal& whole, std::int64_t part, std::int64_t of) {
    if (whole.sign() == 0) {
        return Decimal(); // most lots carry no dividend: no division for them
    }
    const auto scaled = whole.times(Decimal::whole(part));
    return scaled
               ? scaled->dividedBy(Decimal::whole(of), kSpreadDecimals, Rounding::HalfAwayFromZero)
               : std::nullopt;
}

} // namespace

std::int64_t ShareLots::shares() const {
    return std::accumulate(m_lots.begin(), m_lots.end(), std::int64_t{0},
                           [](std::int64_t sum, const ShareLot& lot) { return sum + lot.shares; });
}

void ShareLots::acquire(TradeDate date, std::int64_t shares) {
    // Shares of one day are alike to the tax: one lot holds them.
    if (!m_lots.empty() && m_lots.back().acquired == date) {
        m_lots.back().shares += shares;
        return;
    }
    m_lots.push_back({date, shares, Decimal()});
}

bool ShareLots::receive(const Decimal& income) {
    const std::int64_t held = shares();
    if (held == 0) {
        return false;
    }
    std::optional<Decimal> left = income;
    for (std::size_t i = 0; i < m_lots.size() && left; ++i) {
        ShareLot& lot = m_lots[i];
        const auto part = i + 1 == m_lots.size() ? left : partOf(income, lot.shares, held);
        const auto carried = part ? lot.dividends.plus(*part) : std::nullopt;
        if (!carried) {
            return false;
        }
        lot.dividends = *carried;
        left = left->minus(*part);
    }
    return left.has_value();
}

bool ShareLots::issue(std::int64_t shares, TradeDate date) {
    const std::int64_t held = this->shares();
    if (held == 0) {
        acquire(date, shares);
        return true;
    }
    // Each lot's whole part, and the remainders that decide who takes the odd shares.
    std::vector<std::int64_t> remainders(m_lots.size());
    std::vector<std::int64_t> given(m_lots.size());
    std::int64_t handedOut = 0;
    for (std::size_t i = 0; i < m_lots.size(); ++i) {
        std::int64_t product = 0;
        if (__builtin_mul_overflow(shares, m_lots[i].shares, &product)) {
            return false;
        }
        given[i] = product / held;
        remainders[i] = product % held;
        handedOut += given[i];
    }
    std::vector<std::size_t> order(m_lots.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // The older lot first among equal remainders, so the spread depends on the lots alone.
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return remainders[a] != remainders[b] ? remainders[a] > remainders[b] : a < b;
    });
    for (std::size_t k = 0; handedOut < shares; ++k, ++handedOut) {
        ++given[order[k % order.size()]];
    }
    for (std::size_t i = 0; i < m_lots.size(); ++i) {
        m_lots[i].shares += given[i];
    }
    return true;
}

std::optional<std::vector<SoldPortion>> ShareLots::sell(std::int64_t shares) {
    if (shares > this->shares()) {
        return std::nullopt;
    }
    std::vector<SoldPortion> sold;
    std::int64_t wanted = shares;
    while (wanted > 0) {
        ShareLot& lot = m_lots.front();
        const std::int64_t taken = std::min(wanted, lot.shares);
        const auto dividends = taken == lot.shares ? std::optional(lot.dividends)
                                                   : partOf(lot.dividends, taken, lot.shares);
        const auto kept = dividends ? lot.dividends.minus(*dividends) : std::nullopt;
        if (!kept) {
            return std::nullopt;
        }
        sold.push_back({lot.acquired, taken, *dividends});
        lot.shares -= taken;
        lot.dividends = *kept;
        wanted -= taken;
        if (lot.shares == 0) {
            m_lots.pop_front();
        }
    }
    return sold;
}

} // namespace pelmora
