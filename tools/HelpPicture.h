#pragma once

#include "design/HelpWindowDesign.h"
#include "design/MainWindowDesign.h"
#include "tools/DesignPixels.h"

#include <QImage>
#include <QSize>

namespace pelmora::drawing {

inline constexpr QSize kHelpPictureSize = pixelSize(kHelpWindow.pictureSize);
// A capture of the main window's client area after the worked example has been typed in.
inline constexpr QSize kMainWindowCaptureSize = pixelRect(kMainWindow.client).size();

// The help window's background: a warm gradient, the reduced main window with blue callouts over
// its input fields, and a paragraph of advice.
QImage drawHelpPicture(const QImage& mainWindowCapture, int scale);

} // namespace pelmora::drawing
