#include "calc/BuyTotals.h"

namespace pelmora::detail {

void requireCurrentBuyTotals(const StepRunner& s) {
    const CalcSettings& settings = s.settings();
    if (settings.buyTotalsCosting && *settings.buyTotalsCosting != settings.fullCost) {
        s.stop(OutdatedBuyTotals{});
    }
}

} // namespace pelmora::detail
