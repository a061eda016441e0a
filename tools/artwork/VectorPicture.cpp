// Rendering a vector picture antialiased, with shapes moved to whole pixels where asked, and writing it as SVG.
#include "VectorPicture.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QStringList>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vellumet::artwork {
namespace {

// The path with every point moved to the nearest whole pixel of the picture
// that `toPixels` paints it on, still in view coordinates.
QPainterPath AlignedToPixels(const QPainterPath& path, const QTransform& toPixels)
{
    QPainterPath aligned = toPixels.map(path);
    for (int index = 0; index < aligned.elementCount(); ++index) {
        const QPainterPath::Element element = aligned.elementAt(index);
        aligned.setElementPositionAt(index, std::round(element.x), std::round(element.y));
    }
    return toPixels.inverted().map(aligned);
}

QPen OutlinePen(const VectorShape& shape, qreal pixelsPerUnit)
{
    if (shape.LineWidth <= 0)
        return Qt::NoPen;
    qreal width = shape.LineWidth;
    if (shape.PixelAligned)
        width = std::max(1.0, std::round(width * pixelsPerUnit)) / pixelsPerUnit;
    return QPen(QColor::fromRgb(shape.Line), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Three decimals are far finer than any size the picture is shown at, and
// keep rounding noise such as 9.9999999 out of the file.
QString SvgNumber(qreal value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString SvgPoint(const QPainterPath::Element& element) { return SvgNumber(element.x) + u' ' + SvgNumber(element.y); }

QString SvgColour(QRgb colour) { return QStringLiteral("#%1").arg(colour & 0xffffffu, 6, 16, QLatin1Char('0')); }

// The path as SVG path data. A subpath that ends where it began is closed,
// so its outline gets a join there rather than two line ends.
QString SvgPathData(const QPainterPath& path)
{
    QStringList commands;
    QPointF subpathStart;
    QPointF current;
    const auto closeIfBackAtStart = [&] {
        if (!commands.isEmpty() && current == subpathStart)
            commands.append(QStringLiteral("Z"));
    };
    for (int index = 0; index < path.elementCount(); ++index) {
        const QPainterPath::Element element = path.elementAt(index);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            closeIfBackAtStart();
            commands.append(QStringLiteral("M ") + SvgPoint(element));
            subpathStart = element;
            break;
        case QPainterPath::LineToElement: commands.append(QStringLiteral("L ") + SvgPoint(element)); break;
        case QPainterPath::CurveToElement: {
            // A cubic curve is its first control point followed by two data elements.
            const QPainterPath::Element second = path.elementAt(index + 1);
            const QPainterPath::Element end = path.elementAt(index + 2);
            commands.append(QStringLiteral("C ") + SvgPoint(element) + u' ' + SvgPoint(second) + u' ' + SvgPoint(end));
            index += 2;
            current = end;
            continue;
        }
        case QPainterPath::CurveToDataElement: break; // taken with the curve before it
        }
        current = element;
    }
    closeIfBackAtStart();
    return commands.join(u' ');
}

} // namespace

VectorPicture::VectorPicture(qreal viewSize, std::vector<VectorShape> shapes)
    : m_viewSize(viewSize)
    , m_shapes(std::move(shapes))
{}

QImage VectorPicture::Rendered(int size) const
{
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal pixelsPerUnit = size / m_viewSize;
    const QTransform toPixels = QTransform::fromScale(pixelsPerUnit, pixelsPerUnit);
    painter.setTransform(toPixels);
    for (const VectorShape& shape : m_shapes) {
        const QPainterPath path = shape.PixelAligned ? AlignedToPixels(shape.Path, toPixels) : shape.Path;
        painter.setBrush(QColor::fromRgb(shape.Fill));
        painter.setPen(OutlinePen(shape, pixelsPerUnit));
        painter.drawPath(path);
    }
    painter.end();
    return picture.convertToFormat(QImage::Format_ARGB32);
}

QByteArray VectorPicture::Svg() const
{
    const QString size = SvgNumber(m_viewSize);
    QStringList lines{
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"),
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">")
            .arg(size),
    };
    for (const VectorShape& shape : m_shapes) {
        QString element = QStringLiteral("  <path fill=\"%1\"").arg(SvgColour(shape.Fill));
        if (shape.Path.fillRule() == Qt::OddEvenFill)
            element += QStringLiteral(" fill-rule=\"evenodd\"");
        if (shape.LineWidth > 0) {
            element += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\" "
                                      "stroke-linecap=\"round\"")
                           .arg(SvgColour(shape.Line), SvgNumber(shape.LineWidth));
        }
        element += QStringLiteral(" d=\"%1\"/>").arg(SvgPathData(shape.Path));
        lines.append(element);
    }
    lines.append(QStringLiteral("</svg>"));
    return (lines.join(u'\n') + u'\n').toUtf8();
}

} // namespace vellumet::artwork
