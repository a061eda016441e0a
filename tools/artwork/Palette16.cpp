// Mapping a picture onto a palette: each pixel to its nearest colour, each alpha to opaque or transparent.
#include "Palette16.h"

#include <limits>

namespace vellumet::artwork {
namespace {

constexpr int OpaqueFrom = 128;

int SquaredDistance(QRgb first, QRgb second)
{
    const int red = qRed(first) - qRed(second);
    const int green = qGreen(first) - qGreen(second);
    const int blue = qBlue(first) - qBlue(second);
    return red * red + green * green + blue * blue;
}

// Ties go to the earlier palette entry, so the mapping never depends on
// anything but the palette's order.
int NearestIndex(QRgb colour, std::span<const QRgb> palette)
{
    int nearest = 0;
    int nearestDistance = std::numeric_limits<int>::max();
    for (std::size_t index = 0; index < palette.size(); ++index) {
        const int distance = SquaredDistance(colour, palette[index]);
        if (distance < nearestDistance) {
            nearest = static_cast<int>(index);
            nearestDistance = distance;
        }
    }
    return nearest;
}

} // namespace

QImage MapToPalette(const QImage& picture, std::span<const QRgb> palette)
{
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> colourTable{qRgba(0, 0, 0, 0)};
    colourTable.append(QList<QRgb>(palette.begin(), palette.end()));

    QImage mapped(straight.size(), QImage::Format_Indexed8);
    mapped.setColorTable(colourTable);
    for (int y = 0; y < straight.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        uchar* target = mapped.scanLine(y);
        for (int x = 0; x < straight.width(); ++x) {
            target[x] = qAlpha(source[x]) < OpaqueFrom ? 0 : static_cast<uchar>(1 + NearestIndex(source[x], palette));
        }
    }
    return mapped;
}

} // namespace vellumet::artwork
