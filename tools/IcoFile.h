#pragma once

#include <QByteArray>
#include <QList>

class QImage;

namespace pelmora::drawing {

// A Windows icon file holding each image as a PNG entry (allowed since Windows Vista). Images
// must be square and at most 256 pixels wide.
QByteArray icoFile(const QList<QImage>& images);

} // namespace pelmora::drawing
