#pragma once

#include <QString>

namespace pelmora {

// Where each platform keeps what the program remembers, chosen at build time (DataPlacesXdg.cpp,
// DataPlacesWindows.cpp).

// The folder that holds the program's settings folder "Pelmora": the user's configuration
// folder on Linux (XDG_CONFIG_HOME, ~/.config), %APPDATA% on Windows.
QString userSettingsRoot();

// The folder that holds the program's data folder "Pelmora", where the journal lives: the
// user's data folder on Linux (XDG_DATA_HOME, ~/.local/share), %LOCALAPPDATA% on Windows, which
// stays on the machine: a roaming folder may lie on a network share, where SQLite's write-ahead
// log does not work.
QString userDataRoot();

} // namespace pelmora
