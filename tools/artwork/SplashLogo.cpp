// Drawing the splash logo: the dark blue ground, the mountain tarn emblem and the company name beside it.
#include "SplashLogo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vellumet::artwork {
namespace {

constexpr QSize LogoSize(225, 45);
constexpr int VisibleHeight = 44;

const QColor GroundTop(0x23, 0x3f, 0x7e);
const QColor GroundBottom(0x0b, 0x1a, 0x45);
const QColor Lettering(0xf2, 0xf5, 0xfb);
const QColor EmblemLight(0xa9, 0xc3, 0xec);

// A mountain tarn: two peaks above a ripple, inside a ring.
void PaintEmblem(QPainter& painter, const QRectF& bounds)
{
    painter.save();
    painter.setPen(QPen(EmblemLight, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(bounds.adjusted(0.8, 0.8, -0.8, -0.8));

    const qreal left = bounds.left();
    const qreal top = bounds.top();
    const qreal unit = bounds.width() / 32;
    QPainterPath peaks;
    peaks.moveTo(left + 6 * unit, top + 20 * unit);
    peaks.lineTo(left + 13 * unit, top + 9 * unit);
    peaks.lineTo(left + 17 * unit, top + 15 * unit);
    peaks.lineTo(left + 20 * unit, top + 11 * unit);
    peaks.lineTo(left + 26 * unit, top + 20 * unit);
    peaks.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Lettering);
    painter.drawPath(peaks);

    QPainterPath ripple;
    ripple.moveTo(left + 8 * unit, top + 24 * unit);
    ripple.cubicTo(left + 12 * unit, top + 21.5 * unit, left + 14 * unit, top + 26.5 * unit, left + 16 * unit,
                   top + 24 * unit);
    ripple.cubicTo(left + 18 * unit, top + 21.5 * unit, left + 20 * unit, top + 26.5 * unit, left + 24 * unit,
                   top + 24 * unit);
    painter.setPen(QPen(EmblemLight, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ripple);
    painter.restore();
}

} // namespace

QImage DrawSplashLogo(int scale)
{
    QImage logo(LogoSize * scale, QImage::Format_RGB32);
    QPainter painter(&logo);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient ground(0, 0, 0, VisibleHeight);
    ground.setColorAt(0, GroundTop);
    ground.setColorAt(1, GroundBottom);
    painter.fillRect(QRect(QPoint(), LogoSize), ground);

    QFont nameFont(QStringLiteral("DejaVu Sans"));
    nameFont.setPixelSize(21);
    nameFont.setBold(true);
    QFont solutionsFont(QStringLiteral("DejaVu Sans"));
    solutionsFont.setPixelSize(12);
    solutionsFont.setLetterSpacing(QFont::AbsoluteSpacing, 2.4);
    const QString name = QStringLiteral("Tarnwick");
    const QString solutions = QStringLiteral("Solutions");

    // Emblem and lettering are centred together in the visible rows.
    constexpr qreal emblemSide = 32;
    constexpr qreal emblemGap = 10;
    const qreal textWidth = std::max(QFontMetricsF(nameFont).horizontalAdvance(name),
                                     QFontMetricsF(solutionsFont).horizontalAdvance(solutions));
    const qreal left = std::round((LogoSize.width() - emblemSide - emblemGap - textWidth) / 2);
    const QRectF emblem(left, (VisibleHeight - emblemSide) / 2, emblemSide, emblemSide);
    PaintEmblem(painter, emblem);

    const qreal textLeft = emblem.right() + emblemGap;
    painter.setPen(Lettering);
    painter.setFont(nameFont);
    painter.drawText(QPointF(textLeft, 23), name);
    painter.setPen(EmblemLight);
    painter.setFont(solutionsFont);
    painter.drawText(QPointF(textLeft + 1, 37), solutions);
    return logo;
}

} // namespace vellumet::artwork
