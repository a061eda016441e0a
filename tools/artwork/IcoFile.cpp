// Writing icon, cursor and bitmap files: their directories, headers, colour tables, rows and transparency masks.
#include "IcoFile.h"

#include <QtEndian>

#include <stdexcept>

namespace vellumet::artwork {
namespace {

constexpr int IconDirSize = 6;
constexpr int IconDirEntrySize = 16;
constexpr int BitmapFileHeaderSize = 14;
constexpr int BitmapInfoHeaderSize = 40;
constexpr int LargestSide = 256;

enum class FileType : quint16 { Icon = 1, Cursor = 2 };

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

// Rows of every bitmap are padded to four bytes.
int RowBytes(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

enum class Mask { None, Follows };

// The BITMAPINFOHEADER, uncompressed and with no resolution given. The image
// of an icon or cursor counts the rows of its mask, which follows its colour
// bitmap, in its height and size.
void AppendInfoHeader(QByteArray& bytes, const QImage& picture, int bitsPerPixel, int colours, Mask mask)
{
    const bool withMask = mask == Mask::Follows;
    const int maskBytes = withMask ? RowBytes(picture.width(), 1) * picture.height() : 0;
    AppendUInt32(bytes, BitmapInfoHeaderSize);
    AppendUInt32(bytes, static_cast<quint32>(picture.width()));
    AppendUInt32(bytes, static_cast<quint32>(picture.height() * (withMask ? 2 : 1)));
    AppendUInt16(bytes, 1);
    AppendUInt16(bytes, static_cast<quint16>(bitsPerPixel));
    AppendUInt32(bytes, 0);
    AppendUInt32(bytes, static_cast<quint32>(RowBytes(picture.width(), bitsPerPixel) * picture.height() + maskBytes));
    AppendUInt32(bytes, 0);
    AppendUInt32(bytes, 0);
    AppendUInt32(bytes, static_cast<quint32>(colours));
    AppendUInt32(bytes, 0);
}

void AppendColourTable(QByteArray& bytes, const QList<QRgb>& colours)
{
    for (QRgb colour : colours) {
        bytes.append(static_cast<char>(qBlue(colour)));
        bytes.append(static_cast<char>(qGreen(colour)));
        bytes.append(static_cast<char>(qRed(colour)));
        bytes.append('\0');
    }
}

// Rows bottom up, each made by `row` for its y and padded to four bytes.
template <class Row>
void AppendRows(QByteArray& bytes, const QImage& picture, int bitsPerPixel, Row row)
{
    const int padded = RowBytes(picture.width(), bitsPerPixel);
    for (int y = picture.height() - 1; y >= 0; --y) {
        QByteArray line = row(y);
        line.resize(padded, '\0');
        bytes.append(line);
    }
}

// One bit a pixel, set where `set` holds for the pixel's colour, leftmost pixel in the highest bit.
template <class Test>
QByteArray BitRow(const QImage& straight, int y, Test set)
{
    const auto* line = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
    QByteArray bits(RowBytes(straight.width(), 1), '\0');
    for (int x = 0; x < straight.width(); ++x)
        if (set(line[x]))
            bits[x / 8] = static_cast<char>(bits[x / 8] | (0x80 >> (x % 8)));
    return bits;
}

bool Transparent(QRgb pixel) { return qAlpha(pixel) == 0; }

QByteArray MaskRow(const QImage& straight, int y) { return BitRow(straight, y, Transparent); }

QByteArray IconImageOf(const QImage& picture)
{
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    QByteArray image;
    AppendInfoHeader(image, straight, 32, 0, Mask::Follows);
    AppendRows(image, straight, 32, [&straight](int y) {
        const auto* line = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        QByteArray row;
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb pixel = Transparent(line[x]) ? 0 : line[x];
            row.append(static_cast<char>(qBlue(pixel)));
            row.append(static_cast<char>(qGreen(pixel)));
            row.append(static_cast<char>(qRed(pixel)));
            row.append(static_cast<char>(qAlpha(pixel)));
        }
        return row;
    });
    AppendRows(image, straight, 1, [&straight](int y) { return MaskRow(straight, y); });
    return image;
}

// A two-colour image: colour 1 (white) where the picture is light, colour 0
// (black) where it is dark or transparent, so that the mask alone decides
// what shows the screen through.
QByteArray CursorImageOf(const QImage& picture)
{
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    QByteArray image;
    AppendInfoHeader(image, straight, 1, 2, Mask::Follows);
    AppendColourTable(image, {qRgb(0, 0, 0), qRgb(255, 255, 255)});
    AppendRows(image, straight, 1, [&straight](int y) {
        return BitRow(straight, y, [](QRgb pixel) { return !Transparent(pixel) && qGray(pixel) >= 128; });
    });
    AppendRows(image, straight, 1, [&straight](int y) { return MaskRow(straight, y); });
    return image;
}

void CheckSides(const QImage& picture)
{
    if (picture.width() < 1 || picture.height() < 1 || picture.width() > LargestSide || picture.height() > LargestSide)
        throw std::invalid_argument("an icon or cursor picture must be 1 to 256 pixels on each side");
}

// The directory and its images. Where an icon's entry gives its planes and
// bits a pixel, a cursor's gives its hot spot.
struct DirectoryEntry {
    QImage Picture;
    QByteArray Image;
    quint16 First;
    quint16 Second;
    quint8 Colours;
};

QByteArray IconFamilyFileOf(FileType type, const QList<DirectoryEntry>& entries)
{
    QByteArray directory;
    AppendUInt16(directory, 0);
    AppendUInt16(directory, static_cast<quint16>(type));
    AppendUInt16(directory, static_cast<quint16>(entries.size()));

    QByteArray images;
    quint32 offset = static_cast<quint32>(IconDirSize + IconDirEntrySize * entries.size());
    for (const DirectoryEntry& entry : entries) {
        // A side of 256 is written as 0.
        directory.append(static_cast<char>(entry.Picture.width() % LargestSide));
        directory.append(static_cast<char>(entry.Picture.height() % LargestSide));
        directory.append(static_cast<char>(entry.Colours));
        directory.append('\0');
        AppendUInt16(directory, entry.First);
        AppendUInt16(directory, entry.Second);
        AppendUInt32(directory, static_cast<quint32>(entry.Image.size()));
        AppendUInt32(directory, offset);
        offset += static_cast<quint32>(entry.Image.size());
        images.append(entry.Image);
    }
    return directory + images;
}

} // namespace

QByteArray IcoFileOf(const QList<QImage>& pictures)
{
    QList<DirectoryEntry> entries;
    for (const QImage& picture : pictures) {
        CheckSides(picture);
        entries.append({picture, IconImageOf(picture), 1, 32, 0});
    }
    return IconFamilyFileOf(FileType::Icon, entries);
}

QByteArray CurFileOf(const QImage& picture, QPoint hotSpot)
{
    CheckSides(picture);
    if (!picture.rect().contains(hotSpot))
        throw std::invalid_argument("a cursor's hot spot must lie on its picture");
    return IconFamilyFileOf(FileType::Cursor, {{picture, CursorImageOf(picture), static_cast<quint16>(hotSpot.x()),
                                                static_cast<quint16>(hotSpot.y()), 2}});
}

QByteArray BmpFileOf(const QImage& picture)
{
    const bool indexed = picture.format() == QImage::Format_Indexed8;
    const int bitsPerPixel = indexed ? 8 : 24;
    const QImage pixels = indexed ? picture : picture.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> colours = indexed ? picture.colorTable() : QList<QRgb>();

    QByteArray info;
    AppendInfoHeader(info, pixels, bitsPerPixel, static_cast<int>(colours.size()), Mask::None);
    AppendColourTable(info, colours);
    AppendRows(info, pixels, bitsPerPixel, [&pixels, indexed](int y) {
        if (indexed)
            return QByteArray(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width());
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        QByteArray row;
        for (int x = 0; x < pixels.width(); ++x) {
            row.append(static_cast<char>(qBlue(line[x])));
            row.append(static_cast<char>(qGreen(line[x])));
            row.append(static_cast<char>(qRed(line[x])));
        }
        return row;
    });

    QByteArray file("BM");
    AppendUInt32(file, static_cast<quint32>(BitmapFileHeaderSize + info.size()));
    AppendUInt32(file, 0);
    const int pixelOffset = BitmapFileHeaderSize + BitmapInfoHeaderSize + static_cast<int>(colours.size()) * 4;
    AppendUInt32(file, static_cast<quint32>(pixelOffset));
    return file + info;
}

} // namespace vellumet::artwork
