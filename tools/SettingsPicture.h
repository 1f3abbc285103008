#pragma once

#include "tools/Folder.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <array>

namespace pelmora::drawing {

inline constexpr QSize kSettingsPictureSize(320, 250);

inline constexpr Panel kSettingsPanel{QRect(QPoint(4, 46), QPoint(124, 73)),
                                      QRect(QPoint(4, 73), QPoint(315, 244))};

// The same glyph as the main window's, so the main window's close highlight fits it too.
inline constexpr QRectF kSettingsCloseGlyph(296, 9, 10, 13);

// Where the settings window lays its controls, top to bottom. The picture leaves their boxes
// bare and centres each row's heading on its control.
struct SettingsControl {
    const char* name;
    QRect box;
};

inline constexpr std::array kSettingsControls{
    SettingsControl{"Check1", QRect(150, 86, 17, 17)},
    SettingsControl{"Text1", QRect(150, 112, 81, 20)},
    SettingsControl{"Text2", QRect(150, 138, 81, 20)},
    SettingsControl{"Text3", QRect(150, 164, 81, 20)},
    SettingsControl{"Check2", QRect(150, 190, 17, 17)},
    SettingsControl{"Combo1", QRect(150, 216, 81, 20)},
};

// The headings start here, well clear of the panel's left edge.
inline constexpr int kSettingsHeadingLeft = 20;

// The settings window's background: frame, title strip, and the fee panel with the headings of
// its controls.
QImage drawSettingsPicture(int scale);

} // namespace pelmora::drawing
