// Types arbitrary texts into the fields and presses the three buttons in random order. After
// every press each field must hold the text it held before or a text ToNumber reads: a
// calculation never writes anything a later one could not take up.
#include "calc/Calculations.h"
#include "calc/TradeFields.h"
#include "numbers/NumberText.h"

#include <array>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

using namespace pelmora;

void checkAfterPress(const std::array<std::string, kFieldCount>& before, const TradeFields& now) {
    for (FieldId field : allFields()) {
        const std::string text = now.text(field);
        if (text != before[static_cast<std::size_t>(field)] && !ToNumber(text).has_value()) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    MemoryTradeFields fields;
    while (input.remaining_bytes() > 0) {
        const int action = input.ConsumeIntegralInRange(0, 3);
        if (action == 0) {
            // Typing goes into any field, results included, so the calculations also meet
            // result texts they never wrote themselves.
            const auto field =
                static_cast<FieldId>(input.ConsumeIntegralInRange<std::size_t>(0, kFieldCount - 1));
            fields.setText(field, input.ConsumeRandomLengthString(40));
            continue;
        }
        std::array<std::string, kFieldCount> before;
        for (FieldId field : allFields()) {
            before[static_cast<std::size_t>(field)] = fields.text(field);
        }
        switch (action) {
        case 1:
            calculateBuySide(fields);
            break;
        case 2:
            calculateSellSide(fields);
            break;
        default:
            calculateTargetPrice(fields);
            break;
        }
        checkAfterPress(before, fields);
    }
    return 0;
}
