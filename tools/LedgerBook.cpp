#include "tools/LedgerBook.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace pelmora::drawing {
namespace {

constexpr qreal kBookOfWidth = 0.8;  // the cover's width against the box's
constexpr qreal kSpineOfWidth = 0.2; // the darker spine's
constexpr qreal kPagesOfWidth = 0.12;

} // namespace

void drawLedgerBook(QPainter& painter, const QRectF& box) {
    const qreal width = std::round(box.width() * kBookOfWidth);
    const qreal left = box.left() + std::round((box.width() - width) / 2);
    const QRectF cover(left, box.top(), width, box.height());
    const qreal spine = std::max(2.0, std::round(width * kSpineOfWidth));
    const qreal pages = std::max(2.0, std::round(width * kPagesOfWidth));

    painter.save();
    // The page edges show to the right of the cover, a little lower.
    painter.fillRect(QRectF(cover.right() - pages, cover.top() + 2, pages + 1, cover.height() - 2),
                     QColor(240, 232, 200));
    QLinearGradient shade(cover.topLeft(), cover.topRight());
    shade.setColorAt(0, QColor(90, 150, 255));
    shade.setColorAt(1, QColor(20, 60, 170));
    painter.fillRect(QRectF(cover.left(), cover.top(), cover.width() - pages, cover.height()),
                     shade);
    painter.fillRect(QRectF(cover.left(), cover.top(), spine, cover.height()), QColor(12, 36, 110));
    // The label on the cover, and its two ruled lines.
    const qreal labelLeft = cover.left() + spine + 2;
    const qreal labelWidth = cover.width() - pages - spine - 4;
    const QRectF label(labelLeft, cover.top() + std::round(cover.height() * 0.25), labelWidth,
                       std::round(cover.height() * 0.3));
    painter.fillRect(label, Qt::white);
    for (const qreal line : {0.4, 0.75}) {
        painter.fillRect(QRectF(label.left() + 1, label.top() + std::round(label.height() * line),
                                label.width() - 2, 1),
                         QColor(20, 60, 170));
    }
    painter.restore();
}

} // namespace pelmora::drawing
