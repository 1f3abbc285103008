#include "calc/TaxPayments.h"

#include <algorithm>
#include <chrono>
#include <numeric>

namespace pelmora {
namespace {

// The positions of `items` in date order, the order given among a day's.
std::vector<std::size_t> byDate(std::span<const DatedTax> items) {
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return items[a].date != items[b].date ? items[a].date < items[b].date : a < b;
    });
    return order;
}

bool withinDays(TradeDate sale, TradeDate charge) {
    const auto days = std::chrono::sys_days(charge) - std::chrono::sys_days(sale);
    return days.count() >= 0 && days.count() <= kMostDaysToCharge;
}

class Matcher {
public:
    Matcher(std::span<const DatedTax> sales, std::span<const DatedTax> charges)
        : m_sales(sales), m_charges(charges), m_covered(sales.size(), false),
          m_matches(charges.size()) {
        // Sales with nothing to pay have no charge to wait for.
        for (const std::size_t sale : byDate(sales)) {
            if (sales[sale].tax.sign() > 0) {
                m_waiting.push_back(sale);
            }
        }
    }

    TaxMatching match() {
        const std::vector<std::size_t> order = byDate(m_charges);
        std::vector<bool> matched(m_charges.size(), false);
        for (const std::size_t charge : order) {
            matched[charge] = matchRun(charge);
        }
        for (const std::size_t charge : order) {
            if (!matched[charge]) {
                cover(charge, candidates(charge));
            }
        }
        TaxMatching matching;
        matching.matches = std::move(m_matches);
        for (const std::size_t sale : m_waiting) {
            if (!m_covered[sale]) {
                matching.salesUncharged.push_back(m_sales[sale].index);
            }
        }
        return matching;
    }

private:
    // The uncovered sales of the charge's code in its days, in their order.
    [[nodiscard]] std::vector<std::size_t> candidates(std::size_t charge) const {
        std::vector<std::size_t> found;
        for (const std::size_t sale : m_waiting) {
            if (!m_covered[sale] && m_sales[sale].code == m_charges[charge].code &&
                withinDays(m_sales[sale].date, m_charges[charge].date)) {
                found.push_back(sale);
            }
        }
        return found;
    }

    // The earliest run that adds up to the charge: exactly, or else within a fen a sale, the
    // nearest; false where none does.
    bool matchRun(std::size_t charge) {
        const std::vector<std::size_t> found = candidates(charge);
        const Decimal& charged = m_charges[charge].tax;
        std::optional<std::pair<std::size_t, std::size_t>> best;
        Decimal bestGap;
        for (std::size_t first = 0; first < found.size(); ++first) {
            Decimal sum;
            for (std::size_t last = first; last < found.size(); ++last) {
                sum = sum.plus(m_sales[found[last]].tax).value_or(sum);
                const Decimal gap = charged.minus(sum).value_or(charged);
                const Decimal size = gap.sign() < 0 ? gap.negated() : gap;
                const Decimal allowed =
                    Decimal::ofUnits(static_cast<std::int64_t>(last - first + 1), 2);
                if (size <= allowed && (!best || size < bestGap)) {
                    best = std::pair(first, last);
                    bestGap = size;
                }
            }
            if (best && bestGap.sign() == 0) {
                break;
            }
        }
        if (!best) {
            return false;
        }
        cover(charge, {found.begin() + static_cast<std::ptrdiff_t>(best->first),
                       found.begin() + static_cast<std::ptrdiff_t>(best->second) + 1});
        return true;
    }

    void cover(std::size_t charge, const std::vector<std::size_t>& sales) {
        TaxMatch& match = m_matches[charge];
        match.charge = m_charges[charge].index;
        for (const std::size_t sale : sales) {
            m_covered[sale] = true;
            match.sales.push_back(m_sales[sale].index);
            match.expected = match.expected.plus(m_sales[sale].tax).value_or(match.expected);
        }
        match.difference = m_charges[charge].tax.minus(match.expected).value_or(Decimal());
    }

    std::span<const DatedTax> m_sales;
    std::span<const DatedTax> m_charges;
    std::vector<bool> m_covered;
    std::vector<std::size_t> m_waiting;
    std::vector<TaxMatch> m_matches;
};

} // namespace

TaxMatching matchTaxCharges(std::span<const DatedTax> sales, std::span<const DatedTax> charges) {
    return Matcher(sales, charges).match();
}

} // namespace pelmora
