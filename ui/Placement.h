#pragma once

#include "ui/Twips.h"

#include <QString>
#include <QWidget>

namespace pelmora {

// Gives a control the name that tests and the program know it by, a name for screen readers,
// and its place of the design.
inline void placeControl(QWidget& control, const QString& name, const QString& accessibleName,
                         const TwipsRect& where) {
    control.setObjectName(name);
    control.setAccessibleName(accessibleName);
    control.setGeometry(toPixels(where));
}

} // namespace pelmora
