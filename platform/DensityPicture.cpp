#include "platform/DensityPicture.h"

namespace pelmora {

DensityPicture::DensityPicture(const QString& singlePath, const QString& doublePath)
    : m_single(singlePath), m_double(doublePath) {
    m_double.setDevicePixelRatio(2.0);
}

const QPixmap& DensityPicture::forPixelRatio(qreal ratio) const {
    constexpr qreal kDoubleFrom = 1.5;
    if (ratio >= kDoubleFrom && !m_double.isNull()) {
        return m_double;
    }
    return m_single;
}

} // namespace pelmora
