#include "tools/IcoFile.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>

namespace pelmora::drawing {
namespace {

constexpr quint16 kIconResourceType = 1;
constexpr int kHeaderBytes = 6;
constexpr int kEntryBytes = 16;
constexpr quint16 kBitsPerPixel = 32;

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The directory stores sizes in one byte each; 0 stands for 256.
quint8 sizeByte(int pixels) {
    return static_cast<quint8>(pixels == 256 ? 0 : pixels);
}

} // namespace

QByteArray icoFile(const QList<QImage>& images) {
    QList<QByteArray> payloads;
    for (const QImage& image : images) {
        payloads.append(pngBytes(image));
    }

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << kIconResourceType << static_cast<quint16>(images.size());
    auto offset = static_cast<quint32>(kHeaderBytes + kEntryBytes * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const auto length = static_cast<quint32>(payloads[i].size());
        out << sizeByte(images[i].width()) << sizeByte(images[i].height()) << quint8(0) << quint8(0)
            << quint16(1) << kBitsPerPixel << length << offset;
        offset += length;
    }
    for (const QByteArray& payload : payloads) {
        out.writeRawData(payload.constData(), static_cast<int>(payload.size()));
    }
    return file;
}

} // namespace pelmora::drawing
