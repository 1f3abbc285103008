#pragma once

#include <QImage>
#include <QSize>

namespace pelmora::drawing {

inline constexpr QSize kHelpPictureSize(400, 557);
// A capture of the main window's client area after the worked example has been typed in.
inline constexpr QSize kMainWindowCaptureSize(514, 564);

// The help window's background: a warm gradient, the reduced main window with blue callouts over
// its input fields, and a paragraph of advice.
QImage drawHelpPicture(const QImage& mainWindowCapture, int scale);

} // namespace pelmora::drawing
