#pragma once

#include <QCursor>

namespace pelmora {

// The pointer shown over every clickable element drawn in a window's picture.
QCursor linkCursor();

} // namespace pelmora
