#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace pelmora {

// A picture drawn at single and at double density. Qt does not pick the "@2x" file by itself,
// so both are loaded here and the painter asks for the one that suits its screen.
class DensityPicture final {
public:
    DensityPicture(const QString& singlePath, const QString& doublePath);

    // The double-density copy from a device pixel ratio of 1.5 up, where scaling the single one
    // would blur; the single copy below that, or when the double one is missing.
    [[nodiscard]] const QPixmap& forPixelRatio(qreal ratio) const;

    // Size in device-independent pixels.
    [[nodiscard]] QSize size() const { return m_single.size(); }

private:
    QPixmap m_single;
    QPixmap m_double;
};

} // namespace pelmora
