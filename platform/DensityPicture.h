#pragma once

#include <QPixmap>
#include <QString>

namespace pelmora {

// A picture drawn at single and at double density. Qt does not pick the "@2x" file by itself,
// so the painter asks for the copy that suits its screen. Each copy is decoded the first time
// it is asked for: a window on an ordinary screen never pays for the double one, and no window
// pays before its first paint.
class DensityPicture final {
public:
    DensityPicture(QString singlePath, QString doublePath);
    // The picture compiled in as ":/pictures/<name>.png", with its twin "<name>@2x.png".
    static DensityPicture compiledIn(const QString& name);

    // The double-density copy on any screen denser than the design's, fractional scales too,
    // where scaling the single one up would blur; the single copy at the design's density, or
    // when the double one is missing.
    [[nodiscard]] const QPixmap& forPixelRatio(qreal ratio) const;

    // Paints the copy that suits the device's density, unscaled from its top-left corner.
    void paintOn(QPaintDevice& device) const;

private:
    QString m_singlePath;
    QString m_doublePath;
    mutable QPixmap m_single;
    mutable QPixmap m_double;
    mutable bool m_doubleLoaded = false;
};

} // namespace pelmora
