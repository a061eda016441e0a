#include "IcoFile.h"

#include <QtEndian>

#include <stdexcept>

namespace vellumet::artwork {
namespace {

constexpr int IconDirSize = 6;
constexpr int IconDirEntrySize = 16;
constexpr int BitmapInfoHeaderSize = 40;
constexpr int LargestSide = 256;

void AppendUInt16(QByteArray& bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

void AppendUInt32(QByteArray& bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

// Rows of the colour and the mask bitmaps are padded to four bytes.
int MaskRowBytes(int width) { return (width + 31) / 32 * 4; }

// BITMAPINFOHEADER, then the colour rows and the AND mask rows, both bottom
// up. The header's height counts both bitmaps.
QByteArray IconImageOf(const QImage& picture)
{
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = straight.width();
    const int height = straight.height();
    const int colourBytes = width * height * 4;
    const int maskBytes = MaskRowBytes(width) * height;

    QByteArray image;
    AppendUInt32(image, BitmapInfoHeaderSize);
    AppendUInt32(image, static_cast<quint32>(width));
    AppendUInt32(image, static_cast<quint32>(height * 2));
    AppendUInt16(image, 1);
    AppendUInt16(image, 32);
    AppendUInt32(image, 0);
    AppendUInt32(image, static_cast<quint32>(colourBytes + maskBytes));
    for (int unused = 0; unused < 4; ++unused)
        AppendUInt32(image, 0);

    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = qAlpha(line[x]) == 0 ? 0 : line[x];
            image.append(static_cast<char>(qBlue(pixel)));
            image.append(static_cast<char>(qGreen(pixel)));
            image.append(static_cast<char>(qRed(pixel)));
            image.append(static_cast<char>(qAlpha(pixel)));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        QByteArray maskRow(MaskRowBytes(width), '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) == 0)
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
        }
        image.append(maskRow);
    }
    return image;
}

} // namespace

QByteArray IcoFileOf(const QList<QImage>& pictures)
{
    QByteArray directory;
    AppendUInt16(directory, 0);
    AppendUInt16(directory, 1);
    AppendUInt16(directory, static_cast<quint16>(pictures.size()));

    QByteArray images;
    quint32 offset = static_cast<quint32>(IconDirSize + IconDirEntrySize * pictures.size());
    for (const QImage& picture : pictures) {
        if (picture.width() < 1 || picture.height() < 1 || picture.width() > LargestSide ||
            picture.height() > LargestSide)
            throw std::invalid_argument("an icon picture must be 1 to 256 pixels on each side");
        const QByteArray image = IconImageOf(picture);
        // A side of 256 is written as 0.
        directory.append(static_cast<char>(picture.width() % LargestSide));
        directory.append(static_cast<char>(picture.height() % LargestSide));
        directory.append('\0');
        directory.append('\0');
        AppendUInt16(directory, 1);
        AppendUInt16(directory, 32);
        AppendUInt32(directory, static_cast<quint32>(image.size()));
        AppendUInt32(directory, offset);
        offset += static_cast<quint32>(image.size());
        images.append(image);
    }
    return directory + images;
}

} // namespace vellumet::artwork
