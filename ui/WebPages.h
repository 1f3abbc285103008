#pragma once

#include <QUrl>

namespace pelmora {

// The web pages that the icons of the main window's link row open.
enum class WebPage {
    BrokerHome,   // the securities broker's home page
    PortalStocks, // the finance portal's stock-market page
    ChatGroup,    // the chat group of the program's users
    Blog,         // the author's blog
};

[[nodiscard]] QUrl webAddress(WebPage page);

} // namespace pelmora
