// Drawing the about box picture: the ground, the balloon and its shadow, the fitted grab of the Style tab and
// the lettering below it.
#include "AboutPicture.h"

#include "Quantiser.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace vellumet::artwork {
namespace {

constexpr QSize PictureSize(353, 418);
const QRectF BalloonBody(10, 8, 333, 306);
constexpr qreal BalloonCornerRadius = 56;
const QPolygonF BalloonTail({QPointF(62, 294), QPointF(118, 306), QPointF(36, 348)});
const QRect ScreenArea(38, 28, 277, 270);
// The grab's tab strip, icon buttons, button rows and Default Button label.
constexpr int ShownRows = 368;
constexpr QPointF ShadowOffset(4, 5);

const QColor GroundTop(0xfb, 0xfc, 0xfe);
const QColor GroundBottom(0xd6, 0xe0, 0xf0);
const QColor BalloonFill(0xff, 0xff, 0xff);
const QColor BalloonLine(0x1e, 0x2f, 0x55);
const QColor Shadow(0x1e, 0x2f, 0x55, 0x38);
const QColor ScreenFrame(0x8a, 0x98, 0xb2);
const QColor Title(0x14, 0x2c, 0x68);
const QColor Caption(0x3a, 0x44, 0x58);

QPainterPath BalloonPath()
{
    QPainterPath body;
    body.addRoundedRect(BalloonBody, BalloonCornerRadius, BalloonCornerRadius);
    QPainterPath tail;
    tail.addPolygon(BalloonTail);
    tail.closeSubpath();
    return body.united(tail);
}

// The grab, at `scale` pixels to each of the picture's, brought to the size it
// takes there; it keeps that many pixels to each.
QImage FittedScreen(const QImage& styleTab, int scale)
{
    QImage fitted = styleTab.copy(0, 0, styleTab.width(), std::min(styleTab.height(), ShownRows * scale))
                        .scaled(ScreenArea.size() * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(scale);
    return fitted;
}

void PaintLettering(QPainter& painter)
{
    struct Line {
        const char* Text;
        int PixelSize;
        bool Bold;
        QColor Colour;
        int Baseline;
    };
    const Line lines[] = {
        {"Vellumet", 38, true, Title, 377},
        {"Version 1.0", 15, false, Caption, 397},
        {"Tarnwick Solutions", 15, false, Caption, 414},
    };
    for (const Line& line : lines) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(line.PixelSize);
        font.setBold(line.Bold);
        painter.setFont(font);
        painter.setPen(line.Colour);
        const QString text = QString::fromLatin1(line.Text);
        const qreal width = painter.fontMetrics().horizontalAdvance(text);
        painter.drawText(QPointF((PictureSize.width() - width) / 2, line.Baseline), text);
    }
}

} // namespace

QImage DrawAboutPicture(const QImage& styleTab, int scale)
{
    QImage picture(PictureSize * scale, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient ground(0, 0, 0, PictureSize.height());
    ground.setColorAt(0, GroundTop);
    ground.setColorAt(1, GroundBottom);
    painter.fillRect(QRect(QPoint(), PictureSize), ground);

    const QPainterPath balloon = BalloonPath();
    painter.fillPath(balloon.translated(ShadowOffset), Shadow);
    painter.fillPath(balloon, BalloonFill);
    painter.strokePath(balloon, QPen(BalloonLine, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    const QImage screen = FittedScreen(styleTab, scale);
    const QSize screenSize = screen.deviceIndependentSize().toSize();
    const QPoint topLeft(ScreenArea.left() + (ScreenArea.width() - screenSize.width() + 1) / 2,
                         ScreenArea.top() + (ScreenArea.height() - screenSize.height() + 1) / 2);
    painter.drawImage(topLeft, screen);
    painter.setPen(ScreenFrame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QRect(topLeft, screenSize)).adjusted(-0.5, -0.5, 0.5, 0.5));

    PaintLettering(painter);
    painter.end();
    return ReduceTo256Colours(picture);
}

} // namespace vellumet::artwork
