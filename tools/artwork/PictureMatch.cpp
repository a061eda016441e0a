// Comparing drawn pictures with kept ones pixel by pixel, with a few flips allowed on edges, and SVG files number
// by number.
#include "PictureMatch.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vellumet::artwork {
namespace {

// The largest difference of one channel, taken as the pixels are seen: with
// each colour weighed by its opacity. A faint pixel's colour shows little, and
// how precisely a file keeps it depends on whether it stores the weighed colour.
int ChannelDistance(QRgb first, QRgb second)
{
    const QRgb seenFirst = qPremultiply(first);
    const QRgb seenSecond = qPremultiply(second);
    return std::max({std::abs(qRed(seenFirst) - qRed(seenSecond)), std::abs(qGreen(seenFirst) - qGreen(seenSecond)),
                     std::abs(qBlue(seenFirst) - qBlue(seenSecond)), std::abs(qAlpha(seenFirst) - qAlpha(seenSecond))});
}

// Whether the picture changes colour at this pixel: a neighbour, side by side
// or corner to corner, has another colour.
bool OnEdge(const QImage& picture, int x, int y)
{
    const QRgb centre = picture.pixel(x, y);
    for (int ny = std::max(0, y - 1); ny <= std::min(picture.height() - 1, y + 1); ++ny)
        for (int nx = std::max(0, x - 1); nx <= std::min(picture.width() - 1, x + 1); ++nx)
            if (ChannelDistance(centre, picture.pixel(nx, ny)) > RoundingLevels)
                return true;
    return false;
}

// Every picture a file holds: one for PNG and BMP, each size for an icon.
QList<QImage> PicturesIn(const QByteArray& bytes, const QByteArray& format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    QList<QImage> pictures;
    do {
        QImage picture = reader.read();
        if (picture.isNull())
            break;
        pictures.append(picture);
    } while (reader.jumpToNextImage());
    return pictures;
}

// SVG text with its numbers compared to within half the last written decimal's
// step either way, so that a number rounded the other way still matches.
QString SvgMismatch(const QString& drawn, const QString& kept)
{
    static const QRegularExpression Number(QStringLiteral(R"(-?\d+(?:\.\d+)?)"));
    constexpr double Step = 0.001;
    qsizetype drawnAt = 0;
    qsizetype keptAt = 0;
    auto drawnNumbers = Number.globalMatch(drawn);
    auto keptNumbers = Number.globalMatch(kept);
    while (drawnNumbers.hasNext() && keptNumbers.hasNext()) {
        const QRegularExpressionMatch drawnNumber = drawnNumbers.next();
        const QRegularExpressionMatch keptNumber = keptNumbers.next();
        if (drawn.mid(drawnAt, drawnNumber.capturedStart() - drawnAt) !=
            kept.mid(keptAt, keptNumber.capturedStart() - keptAt))
            return QStringLiteral("the text differs near character %1").arg(drawnAt);
        if (std::abs(drawnNumber.captured().toDouble() - keptNumber.captured().toDouble()) > Step * 1.5)
            return QStringLiteral("%1 instead of %2").arg(drawnNumber.captured(), keptNumber.captured());
        drawnAt = drawnNumber.capturedEnd();
        keptAt = keptNumber.capturedEnd();
    }
    if (drawnNumbers.hasNext() || keptNumbers.hasNext() || drawn.mid(drawnAt) != kept.mid(keptAt))
        return QStringLiteral("the text differs near character %1").arg(drawnAt);
    return {};
}

} // namespace

int AllowedEdgeFlips(const QImage& picture) { return std::max(6, picture.width() * picture.height() / 512); }

QString PictureMismatch(const QImage& drawn, const QImage& kept)
{
    if (drawn.size() != kept.size())
        return QStringLiteral("%1x%2 pixels instead of %3x%4")
            .arg(drawn.width())
            .arg(drawn.height())
            .arg(kept.width())
            .arg(kept.height());
    const QImage fresh = drawn.convertToFormat(QImage::Format_ARGB32);
    const QImage old = kept.convertToFormat(QImage::Format_ARGB32);
    int edgeFlips = 0;
    int awayFromEdges = 0;
    for (int y = 0; y < old.height(); ++y)
        for (int x = 0; x < old.width(); ++x)
            if (ChannelDistance(fresh.pixel(x, y), old.pixel(x, y)) > RoundingLevels)
                ++(OnEdge(old, x, y) ? edgeFlips : awayFromEdges);
    if (awayFromEdges > 0)
        return QStringLiteral("%1 pixels away from any edge differ").arg(awayFromEdges);
    if (edgeFlips > AllowedEdgeFlips(old))
        return QStringLiteral("%1 pixels on edges differ, more than the %2 that rounding can explain")
            .arg(edgeFlips)
            .arg(AllowedEdgeFlips(old));
    return {};
}

QString FileMismatch(const QString& name, const QByteArray& drawn, const QByteArray& kept)
{
    if (drawn == kept)
        return {};
    const QByteArray suffix = QFileInfo(name).suffix().toLower().toLatin1();
    if (suffix == "svg")
        return SvgMismatch(QString::fromUtf8(drawn), QString::fromUtf8(kept));
    if (suffix != "png" && suffix != "bmp" && suffix != "ico" && suffix != "cur")
        return QStringLiteral("the bytes differ");
    const QList<QImage> fresh = PicturesIn(drawn, suffix);
    const QList<QImage> old = PicturesIn(kept, suffix);
    if (fresh.isEmpty() || old.isEmpty())
        return QStringLiteral("the file cannot be read as %1").arg(QString::fromLatin1(suffix));
    if (fresh.size() != old.size())
        return QStringLiteral("%1 pictures instead of %2").arg(fresh.size()).arg(old.size());
    for (qsizetype index = 0; index < fresh.size(); ++index)
        if (const QString why = PictureMismatch(fresh[index], old[index]); !why.isEmpty())
            return fresh.size() == 1 ? why : QStringLiteral("picture %1: %2").arg(index + 1).arg(why);
    return {};
}

} // namespace vellumet::artwork
