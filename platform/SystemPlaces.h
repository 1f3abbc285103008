#pragma once

#include <QString>

namespace pelmora {

// The folder of Qt's own translations (qtbase_zh_CN.qm): the system's on Linux, the copies
// compiled into the program on Windows, which has none. Each platform's answer is in its own file
// (SystemPlacesXdg.cpp, SystemPlacesWindows.cpp).
QString qtTranslationsFolder();

} // namespace pelmora
