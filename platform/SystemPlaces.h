#pragma once

#include <QString>

namespace pelmora {

// Where each platform keeps what the program reads, chosen at build time (SystemPlacesXdg.cpp,
// SystemPlacesWindows.cpp).

// The folder that holds the program's settings folder "Pelmora": the user's configuration
// folder on Linux (XDG_CONFIG_HOME, ~/.config), %APPDATA% on Windows.
QString userSettingsRoot();

// The folder of Qt's own translations (qtbase_zh_CN.qm): the system's on Linux, the copies
// compiled into the program on Windows, which has none.
QString qtTranslationsFolder();

} // namespace pelmora
