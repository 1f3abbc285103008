#include "QuestionMark.h"

#include "Text.h"

#include <QLinearGradient>
#include <QPainter>

namespace pelmora::drawing {

void drawQuestionMark(QPainter& painter, const QRectF& box) {
    const qreal outline = box.height() * 0.05;
    const QPainterPath figure = fittedInto(rawTextPath(QStringLiteral("?"), kSansFamily, QFont::Black),
                                           box.adjusted(outline, outline, -outline, -outline));
    QLinearGradient warm(box.topLeft(), box.bottomLeft());
    warm.setColorAt(0.0, QColor(255, 236, 60));
    warm.setColorAt(0.55, QColor(255, 190, 20));
    warm.setColorAt(1.0, QColor(255, 128, 0));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.strokePath(figure, QPen(QColor(150, 64, 0), 2 * outline, Qt::SolidLine, Qt::RoundCap,
                                    Qt::RoundJoin));
    painter.fillPath(figure, warm);
    painter.restore();
}

} // namespace pelmora::drawing
