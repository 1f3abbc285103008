#pragma once

#include <QRect>

class QPainter;

namespace pelmora::drawing {

// A panel outlined like a file folder: a tab at the top left and a body below it. Corners are
// outline pixels, both inclusive.
struct Panel {
    QRect tab;
    QRect body;
};

// The outline is one pixel of grey, crisp at any whole-number density.
void drawFolderOutline(QPainter& painter, const Panel& panel);

} // namespace pelmora::drawing
