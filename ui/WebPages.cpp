#include "ui/WebPages.h"

#include <array>
#include <cstddef>

namespace pelmora {
namespace {

struct WebPageAddress {
    WebPage page;
    const char* address;
};

// Every address in one place. The hosts are made up and lie under the reserved ".example"
// domain, so no real firm or person is named.
constexpr std::array kAddresses = {
    WebPageAddress{WebPage::BrokerHome, "http://www.lanshi-securities.example/"},
    WebPageAddress{WebPage::PortalStocks, "http://finance.mingmou.example/stock/"},
    WebPageAddress{WebPage::ChatGroup, "http://group.cubetalk.example/1.1/7162534"},
    WebPageAddress{WebPage::Blog, "http://blog.inkpond.example/Korvath"},
};

// The table is read by the page's number, so it must hold every page, in order.
constexpr bool listsEveryPageInOrder() {
    for (std::size_t i = 0; i < kAddresses.size(); ++i) {
        if (static_cast<std::size_t>(kAddresses[i].page) != i) {
            return false;
        }
    }
    return kAddresses.size() == static_cast<std::size_t>(WebPage::Blog) + 1;
}
static_assert(listsEveryPageInOrder());

} // namespace

QUrl webAddress(WebPage page) {
    const char* address = kAddresses[static_cast<std::size_t>(page)].address;
    return {QString::fromLatin1(address), QUrl::StrictMode};
}

} // namespace pelmora
