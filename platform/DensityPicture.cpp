#include "platform/DensityPicture.h"

#include <QPainter>
#include <utility>

namespace pelmora {

DensityPicture::DensityPicture(QString singlePath, QString doublePath)
    : m_singlePath(std::move(singlePath)), m_doublePath(std::move(doublePath)) {}

DensityPicture DensityPicture::compiledIn(const QString& name) {
    const QString path = QStringLiteral(":/pictures/") + name;
    return {path + QStringLiteral(".png"), path + QStringLiteral("@2x.png")};
}

void DensityPicture::paintOn(QPaintDevice& device) const {
    QPainter painter(&device);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, forPixelRatio(device.devicePixelRatioF()));
}

const QPixmap& DensityPicture::forPixelRatio(qreal ratio) const {
    // Any screen denser than the design's: scaling the double copy down stays sharp, scaling
    // the single one up blurs.
    if (ratio > 1.0) {
        if (!m_doubleLoaded) {
            m_doubleLoaded = true;
            m_double.load(m_doublePath);
            m_double.setDevicePixelRatio(2.0);
        }
        if (!m_double.isNull()) {
            return m_double;
        }
    }
    if (m_single.isNull()) {
        m_single.load(m_singlePath);
    }
    return m_single;
}

} // namespace pelmora
