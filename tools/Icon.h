#pragma once

#include <QImage>

namespace pelmora::drawing {

// The window and program icon: the emblem on a transparent ground, square.
QImage drawIcon(int size);

} // namespace pelmora::drawing
