#pragma once

#include <QString>
#include <QtGlobal>

// Points the settings store at a folder of the test's own: the configuration folder on Linux,
// the roaming application data folder on Windows.
inline void useSettingsRoot(const QString& folder) {
    qputenv("XDG_CONFIG_HOME", folder.toLocal8Bit());
    qputenv("APPDATA", folder.toLocal8Bit());
}
