#pragma once

#include <QRectF>

class QPainter;

namespace pelmora::drawing {

// The yellow-orange question mark that opens the help, and heads the help itself.
void drawQuestionMark(QPainter& painter, const QRectF& box);

} // namespace pelmora::drawing
