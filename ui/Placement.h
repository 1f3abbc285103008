#pragma once

#include "ui/Twips.h"

#include <QString>
#include <QWidget>
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pelmora {

// A control of a window's design: its name, what a screen reader calls it (UTF-8) and its place.
struct PlacedControl {
    std::string_view name;
    std::string_view accessibleName;
    TwipsRect place;
};

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
    control.setGeometry(toPixels(where));
}

inline void placeControl(QWidget& control, const PlacedControl& design) {
    placeControl(control, fromUtf8(design.name), fromUtf8(design.accessibleName), design.place);
}

// The control of that name in a design table; a name missing from it is a fault of the program.
template <typename Control, std::size_t N>
const Control& named(const std::array<Control, N>& table, std::string_view name) {
    const auto found = std::find_if(table.begin(), table.end(), [name](const Control& control) {
        return control.name == name;
    });
    if (found == table.end()) {
        throw std::logic_error("no control " + std::string(name) + " in the design");
    }
    return *found;
}

} // namespace pelmora
