#include "calc/BuyTotals.h"

namespace pelmora::detail {

template <class Value> void requireCurrentBuyTotals(const StepRunner<Value>& s) {
    const CalcSettings& settings = s.settings();
    if (settings.buyTotalsCosting && *settings.buyTotalsCosting != settings.fullCost) {
        s.stop(OutdatedBuyTotals{});
    }
}

template void requireCurrentBuyTotals(const DoubleSteps& s);
template void requireCurrentBuyTotals(const ExactSteps& s);

} // namespace pelmora::detail
