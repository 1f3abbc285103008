#include "ui/LinkCursor.h"

#include "assets/LinkCursorHotSpot.h"

#include <QPixmap>

namespace pelmora {

QCursor linkCursor() {
    // Qt does not scale a pixmap cursor on dense screens, so the hot spot stays in the
    // picture's own pixels.
    return QCursor(QPixmap(QStringLiteral(":/pictures/link-cursor.png")), kLinkCursorHotSpotX,
                   kLinkCursorHotSpotY);
}

} // namespace pelmora
