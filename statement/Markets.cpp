#include "statement/Markets.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pelmora {
namespace {

constexpr std::size_t kCodeDigits = 6;

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string asciiUpper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

} // namespace

MarketNamed marketOfText(std::string_view text) {
    if (text.empty() || isDigits(text)) {
        return {};
    }
    if (contains(text, "港") || contains(asciiUpper(text), "HK")) {
        return {Market::Other, true};
    }
    for (const std::string_view word : {"沪", "上海", "上证", "上交"}) {
        if (contains(text, word)) {
            return {Market::Shanghai, false};
        }
    }
    if (contains(text, "深")) {
        return {Market::Shenzhen, false};
    }
    if (contains(text, "北") || contains(text, "股转")) {
        return {Market::Beijing, false};
    }
    return {Market::Other, false};
}

Market marketOfAccount(std::string_view account) {
    if (isDigits(account)) {
        return Market::Shenzhen;
    }
    const bool shanghai =
        account.size() > 1 && account[0] >= 'A' && account[0] <= 'F' && isDigits(account.substr(1));
    return shanghai ? Market::Shanghai : Market::Unknown;
}

std::string restoredCode(std::string_view code, Market market) {
    if (market == Market::Other || !isDigits(code) || code.size() >= kCodeDigits) {
        return std::string(code);
    }
    return std::string(kCodeDigits - code.size(), '0') + std::string(code);
}

bool isRenminbi(std::string_view currency) {
    const std::string upper = asciiUpper(currency);
    return currency.empty() || currency == "人民币" || upper == "RMB" || upper == "CNY";
}

} // namespace pelmora
