#include "tools/QuestionMark.h"

#include "tools/Text.h"

#include <QLinearGradient>
#include <QPainter>

namespace pelmora::drawing {

void drawQuestionMark(QPainter& painter, const QRectF& box) {
    // The outline stays inside the box, which is where the figure must be clickable.
    const qreal outline = box.height() * 0.05;
    const QPainterPath figure =
        fittedInto(rawTextPath(QStringLiteral("?"), kSansFamily, QFont::Bold),
                   box.adjusted(outline, outline, -outline, -outline));
    QLinearGradient warm(box.topLeft(), box.bottomLeft());
    warm.setColorAt(0.0, QColor(255, 236, 60));
    warm.setColorAt(0.55, QColor(255, 190, 20));
    warm.setColorAt(1.0, QColor(255, 128, 0));
    fillWithOutline(painter, figure, warm, QColor(150, 64, 0), outline);
}

} // namespace pelmora::drawing
