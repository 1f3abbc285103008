#pragma once

#include "statement/Statement.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

// What one operation cell says.
enum class OperationSense : std::uint8_t {
    None, // an empty cell
    Buy,  // a trade's words
    Sell,
    Event,          // a holdings event (新股入账, 红利入账, 送股, …)
    WinningPayment, // 中签扣款: the payment for a new issue, which tells its price
    NotATrade, // words of what is no trade (银行转存, 新股申购, 质押回购拆出, …), which
               // outweigh a buy or sell mark beside them
    Unknown, // any other words: no trade where nothing else says one
};

struct OperationWord {
    OperationSense sense = OperationSense::None;
    RowKind event = RowKind::Buy; // for Event
};

// The sense of a cell's words, 帐 read as 账.
OperationWord operationOfWords(std::string_view words);

// The words with every 帐 written as 账, which the statements use alike.
std::string withOneZhang(std::string_view words);

} // namespace pelmora
