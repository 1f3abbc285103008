#pragma once

#include "calc/SecurityKinds.h"

#include <optional>
#include <span>

namespace pelmora::detail {

// What the table of kinds is made of, and the checks that let the compiler refuse a row that
// leaves something out. Rates are held as the announcements write them, exactly: a double would
// turn 0.00341 into a binary neighbour before any money is counted.

// A rate in percent, `units` × 10^-decimals: 0.00341 % is {341, 5}.
struct Percent {
    std::int64_t units = 0;
    int decimals = 0;
    [[nodiscard]] constexpr bool isSet() const {
        return units > 0 && decimals >= 0 && decimals <= Decimal::kMaxScale;
    }
    [[nodiscard]] Decimal value() const { return Decimal::ofUnits(units, decimals); }
};

// Two fees charged as one cost: the sum at the finer of their scales, worked out by the compiler.
constexpr Percent plus(Percent a, Percent b) {
    while (a.decimals < b.decimals) {
        a = {a.units * 10, a.decimals + 1};
    }
    while (b.decimals < a.decimals) {
        b = {b.units * 10, b.decimals + 1};
    }
    return {a.units + b.units, a.decimals};
}

// A levy's rate from a day on, until the next entry's day; none where the kind pays no such levy.
struct RateFrom {
    TradeDate from;
    std::optional<Percent> rate;
};
using RateSchedule = std::span<const RateFrom>;

struct LimitPercents {
    Percent up;
    Percent down;
};
constexpr LimitPercents bothWays(Percent percent) {
    return {percent, percent};
}

// A daily price limit from a day on; none where the price may move without limit.
struct LimitFrom {
    TradeDate from;
    std::optional<LimitPercents> limit;
};
using LimitSchedule = std::span<const LimitFrom>;

// What a mark does to a kind's limit: kAsUsual leaves the kind's usual limit, any other schedule
// replaces it. A row that leaves a mark unset (none) is refused.
using MarkedLimit = std::optional<LimitSchedule>;
inline constexpr LimitSchedule kAsUsual{};

// One kind of security: a row of the table. Every field starts unset, and rowIsComplete() refuses
// a row that leaves one so.
struct KindRow {
    SecurityKind kind{};
    std::string_view storageKey;
    int priceDecimals = 0; // the price step is 10^-priceDecimals
    PurchaseLots lots;
    // The first day the table costs this kind: its own first date, or the day its market opened,
    // since an older trade of the same code was one of another market at other rates.
    TradeDate ratesFrom{};
    RateSchedule stampDuty;
    RateSchedule transferFee;
    RateSchedule exchangeFees; // handling and regulatory fees together, every entry with a rate
    LimitSchedule usualLimit;
    MarkedLimit specialTreatment;
    MarkedLimit newListing;
    MarkedLimit growthBoardIndex;
};

// The entry in force on `date`: the last one from that day or before, or the first for a date
// before every entry.
template <typename Entry>
constexpr const Entry& inForceOn(std::span<const Entry> schedule, TradeDate date) {
    const Entry* found = &schedule.front();
    for (const Entry& entry : schedule) {
        if (entry.from <= date) {
            found = &entry;
        }
    }
    return *found;
}

// A schedule starts at the table's first date and its days follow each other.
template <typename Entry> constexpr bool isDated(std::span<const Entry> schedule) {
    if (schedule.empty() || schedule.front().from != kFirstTableDate) {
        return false;
    }
    for (std::size_t i = 0; i < schedule.size(); ++i) {
        if (!schedule[i].from.ok() || (i > 0 && schedule[i - 1].from >= schedule[i].from)) {
            return false;
        }
    }
    return true;
}

constexpr bool ratesAreSet(RateSchedule schedule, bool everyEntryCharges) {
    for (const RateFrom& entry : schedule) {
        if (entry.rate ? !entry.rate->isSet() : everyEntryCharges) {
            return false;
        }
    }
    return isDated(schedule);
}

constexpr bool limitsAreSet(LimitSchedule schedule) {
    for (const LimitFrom& entry : schedule) {
        if (entry.limit && (!entry.limit->up.isSet() || !entry.limit->down.isSet())) {
            return false;
        }
    }
    return isDated(schedule);
}

constexpr bool markIsSet(const MarkedLimit& mark) {
    return mark && (mark->empty() || limitsAreSet(*mark));
}

constexpr bool rowIsComplete(const KindRow& row) {
    return !row.storageKey.empty() && row.priceDecimals > 0 && row.lots.least > 0 &&
           row.lots.step > 0 && row.ratesFrom.ok() && row.ratesFrom >= kFirstTableDate &&
           ratesAreSet(row.stampDuty, false) && ratesAreSet(row.transferFee, false) &&
           ratesAreSet(row.exchangeFees, true) && limitsAreSet(row.usualLimit) &&
           markIsSet(row.specialTreatment) && markIsSet(row.newListing) &&
           markIsSet(row.growthBoardIndex);
}

} // namespace pelmora::detail
