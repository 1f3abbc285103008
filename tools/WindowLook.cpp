#include "tools/WindowLook.h"

#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <array>
#include <cmath>

namespace pelmora::drawing {
namespace {

constexpr int kShadowFirstRow = 31;
constexpr int kShadowBlackRow = 40;
constexpr int kShadowGrey = 42;

struct Line {
    QRect pixels;
    int grey;
};

} // namespace

void drawWindowEdges(QPainter& painter, int shownWidth, int height) {
    QLinearGradient fade(0, kShadowFirstRow + 0.5, 0, kShadowBlackRow + 0.5);
    fade.setColorAt(0, QColor(kShadowGrey, kShadowGrey, kShadowGrey));
    fade.setColorAt(1, Qt::black);
    painter.fillRect(QRectF(0, kShadowFirstRow, shownWidth, kShadowBlackRow - kShadowFirstRow),
                     fade);
    // The top lines are laid last, so the corner pixels belong to them.
    const std::array lines{
        Line{QRect(0, 0, 1, height), 61},
        Line{QRect(1, 1, 1, height - 1), 34},
        Line{QRect(0, 0, shownWidth, 1), 134},
        Line{QRect(1, 1, shownWidth - 1, 1), 64},
    };
    for (const Line& line : lines) {
        painter.fillRect(line.pixels, QColor(line.grey, line.grey, line.grey));
    }
}

void drawBannerTitle(QPainter& painter, const QString& title, const QRectF& box, qreal outline) {
    const QPainterPath word = rawTextPath(title, kSansFamily, QFont::Bold);
    const qreal scale = (box.height() - 2 * outline) / word.boundingRect().height();
    const QTransform toSize = QTransform::fromScale(scale, scale);
    const qreal dropToBox = box.top() + outline - toSize.map(word).boundingRect().top();

    QList<QPainterPath> letters;
    for (const QChar letter : title) {
        letters.append(toSize.map(rawTextPath(QString(letter), kSansFamily, QFont::Bold)));
    }
    const qreal firstCentre = box.left() + outline + letters.first().boundingRect().width() / 2;
    const qreal lastCentre = box.right() - outline - letters.last().boundingRect().width() / 2;
    const qreal pitch = (lastCentre - firstCentre) / static_cast<qreal>(letters.size() - 1);

    QPainterPath banner;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const qreal centre = firstCentre + pitch * static_cast<qreal>(i);
        banner.addPath(
            letters[i].translated(centre - letters[i].boundingRect().center().x(), dropToBox));
    }
    fillWithOutline(painter, banner, kWhite, kTitleBlue, outline);
}

QPainterPath onRow(const QPainterPath& text, qreal left, const QRect& control) {
    const qreal middle = control.top() + control.height() / 2.0;
    return movedTo(text, QPointF(left, std::round(middle - text.boundingRect().height() / 2)));
}

} // namespace pelmora::drawing
