#pragma once

#include "tools/Text.h"

#include <QColor>
#include <QPainterPath>
#include <QRect>
#include <QRectF>
#include <QString>

class QPainter;

namespace pelmora::drawing {

// What the program's borderless windows share, so that a new window looks like the main one.

inline const QColor kWhite(255, 255, 255);
inline const QColor kTitleBlue(0, 96, 255);

inline const TextStyle kTabCaptionStyle{kSansFamily, QFont::Bold, 13};
inline const TextStyle kHeadingStyle{kSansFamily, QFont::Normal, 12};
// The small headings over a panel's columns of boxes and results.
inline const TextStyle kColumnStyle{kSansFamily, QFont::Normal, 11};

// A bevel along the top and left edges only, and the shadow the title strip casts on the window.
void drawWindowEdges(QPainter& painter, int shownWidth, int height);

// The title's characters stand at an even pitch across the box rather than at their own
// advances, like a banner: white, ringed with a blue outline that stays inside the box.
void drawBannerTitle(QPainter& painter, const QString& title, const QRectF& box, qreal outline);

// The text moved to start at `left`, centred on the control's row, on a whole pixel so that
// single density stays as sharp as the main picture's headings.
QPainterPath onRow(const QPainterPath& text, qreal left, const QRect& control);

} // namespace pelmora::drawing
