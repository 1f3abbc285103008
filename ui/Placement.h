#pragma once

#include "design/WindowDesign.h"
#include "ui/Twips.h"

#include <QString>
#include <QWidget>
#include <string_view>

namespace pelmora {

// The design tables hold their texts as UTF-8.
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Gives a control the name that tests and the program know it by, a name for screen readers,
// and its place of the design.
inline void placeControl(QWidget& control, const QString& name, const QString& accessibleName,
                         const TwipsRect& where) {
    control.setObjectName(name);
    control.setAccessibleName(accessibleName);
    control.setGeometry(toQRect(where));
}

inline void placeControl(QWidget& control, const PlacedControl& design) {
    placeControl(control, fromUtf8(design.name), fromUtf8(design.accessibleName), design.place);
}

} // namespace pelmora
