#pragma once

#include <QByteArray>
#include <QImage>
#include <QtEndian>

#include <cstring>

// The form in which the pictures of the program's own design are compiled in: the pixels as the
// window draws them (32 bits a pixel, premultiplied where the picture has transparent parts),
// after a 16-byte header of "TPIX" and the width, height and QImage format as little-endian
// 32-bit numbers. The resource compiler compresses them; taking one out is a single
// decompression with no image decoder, where a PNG file of a full-window background took more
// time to decode than the rest of the window's start.
namespace ReadyPicture {

inline constexpr char magic[4] = {'T', 'P', 'I', 'X'};
inline constexpr qsizetype headerSize = 16;
inline constexpr quint32 largestSide = 8192;

inline QByteArray encode(const QImage &image)
{
    const QImage pixels =
        image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QByteArray bytes(headerSize, '\0');
    std::memcpy(bytes.data(), magic, sizeof magic);
    qToLittleEndian<quint32>(quint32(pixels.width()), bytes.data() + 4);
    qToLittleEndian<quint32>(quint32(pixels.height()), bytes.data() + 8);
    qToLittleEndian<quint32>(quint32(pixels.format()), bytes.data() + 12);
    for (int y = 0; y < pixels.height(); ++y)
        bytes.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), qsizetype(pixels.width()) * 4);
    return bytes;
}

// The picture the bytes hold, sharing their memory; a null image when they are not a whole,
// well-formed ready picture.
inline QImage decode(QByteArray bytes)
{
    if (bytes.size() < headerSize || std::memcmp(bytes.constData(), magic, sizeof magic) != 0)
        return {};
    const quint32 width = qFromLittleEndian<quint32>(bytes.constData() + 4);
    const quint32 height = qFromLittleEndian<quint32>(bytes.constData() + 8);
    const auto format = QImage::Format(qFromLittleEndian<quint32>(bytes.constData() + 12));
    if (width == 0 || height == 0 || width > largestSide || height > largestSide ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        bytes.size() != headerSize + qsizetype(width) * height * 4)
        return {};
    auto *owner = new QByteArray(std::move(bytes));
    return QImage(
        reinterpret_cast<uchar *>(owner->data()) + headerSize, int(width), int(height), int(width) * 4, format,
        [](void *data) { delete static_cast<QByteArray *>(data); }, owner);
}

} // namespace ReadyPicture
