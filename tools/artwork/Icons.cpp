// The layouts of the four icons and the hand pointer, painted a whole pixel at a time at 16 and 32 pixels, and the
// outlines the larger sizes are drawn from.
#include "Icons.h"

#include "Palette16.h"
#include "PixelMask.h"

#include <QFont>
#include <QPainterPathStroker>
#include <QPolygonF>

#include <cmath>
#include <span>
#include <utility>
#include <vector>

namespace vellumet::artwork {
namespace {

// Shapes are laid out for a 16 or a 32 pixel square, in pixel-edge coordinates.
constexpr int SmallSize = 16;
constexpr int LargeSize = 32;

bool UsesSmallLayout(int size) { return size == SmallSize; }

class IconCanvas {
public:
    explicit IconCanvas(int size)
        : m_image(size, size, QImage::Format_ARGB32)
    {
        m_image.fill(Qt::transparent);
    }

    PixelMask Cover(const QPainterPath& shape) const { return PixelMask::Covered(m_image.size(), shape); }

    void Paint(const PixelMask& mask, QRgb colour) { mask.Paint(m_image, colour); }

    QImage Finish(std::span<const QRgb> palette = Vga::AllColours) const { return MapToPalette(m_image, palette); }

private:
    QImage m_image;
};

QPainterPath RectanglePath(const QRectF& rectangle, qreal cornerRadius = 0)
{
    QPainterPath path;
    if (cornerRadius > 0)
        path.addRoundedRect(rectangle, cornerRadius, cornerRadius);
    else
        path.addRect(rectangle);
    return path;
}

QPainterPath PolygonPath(const QPolygonF& polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath EllipsePath(const QRectF& bounds)
{
    QPainterPath path;
    path.addEllipse(bounds);
    return path;
}

// A line of the given width, with round ends unless asked otherwise.
QPainterPath StrokePath(const QPainterPath& centreLine, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLine);
}

// Grey drop shadow, then the body with a one pixel outline.
void PaintOutlinedShape(IconCanvas& canvas, const PixelMask& shape, QRgb fill, QRgb outline, int shadowOffset)
{
    if (shadowOffset > 0)
        canvas.Paint(shape.Shifted(shadowOffset, shadowOffset).Without(shape), Vga::Grey);
    canvas.Paint(shape, fill);
    canvas.Paint(shape.Edge(), outline);
}

struct BalloonLayout {
    QRectF Body;
    qreal CornerRadius;
    QPolygonF Tail;
    int ShadowOffset;
};

const BalloonLayout& BalloonLayoutFor(int size)
{
    static const BalloonLayout small{QRectF(0, 0, 16, 12.5), 5.5,
                                     QPolygonF({QPointF(3, 9), QPointF(8, 10), QPointF(1.5, 16)}), 0};
    static const BalloonLayout large{QRectF(1, 1, 29, 23), 10,
                                     QPolygonF({QPointF(6, 19), QPointF(14, 21), QPointF(4, 30)}), 1};
    return UsesSmallLayout(size) ? small : large;
}

void PaintBalloon(IconCanvas& canvas, int size)
{
    const BalloonLayout& layout = BalloonLayoutFor(size);
    const PixelMask balloon =
        canvas.Cover(RectanglePath(layout.Body, layout.CornerRadius)).United(canvas.Cover(PolygonPath(layout.Tail)));
    PaintOutlinedShape(canvas, balloon, Vga::White, Vga::Black, layout.ShadowOffset);
}

QPainterPath BalloonPath(const BalloonLayout& layout)
{
    return RectanglePath(layout.Body, layout.CornerRadius).united(PolygonPath(layout.Tail)).simplified();
}

// A serif "i": square dot, stem with a flag at its top left, and a foot.
QPainterPath LetterIPath(int size)
{
    QPainterPath letter;
    letter.setFillRule(Qt::WindingFill);
    if (UsesSmallLayout(size)) {
        letter.addRect(QRectF(7, 2, 2, 2));
        letter.addRect(QRectF(7, 5, 2, 5));
        letter.addRect(QRectF(6, 5, 1, 1));
        letter.addRect(QRectF(6, 9, 4, 1));
    } else {
        letter.addRect(QRectF(14, 4, 4, 4));
        letter.addRect(QRectF(14, 10, 4, 9));
        letter.addRect(QRectF(12, 10, 2, 2));
        letter.addRect(QRectF(12, 17, 8, 2));
    }
    return letter;
}

QPainterPath QuestionMarkPath(int size)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    const bool small = UsesSmallLayout(size);
    font.setPixelSize(small ? 11 : 22);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QStringLiteral("?"));
    const QRectF bounds = glyph.boundingRect();
    const QPointF centre = small ? QPointF(8, 6) : QPointF(16, 12);
    const QPointF offset = centre - bounds.center();
    return glyph.translated(std::round(offset.x()), std::round(offset.y()));
}

struct DiscLayout {
    QRectF Disc;
    qreal CrossHalfLength;
    qreal CrossWidth;
    int ShadowOffset;
};

const DiscLayout& DiscLayoutFor(int size)
{
    static const DiscLayout small{QRectF(0.5, 0.5, 15, 15), 3.5, 1.5, 0};
    static const DiscLayout large{QRectF(1, 1, 29, 29), 6.5, 4, 2};
    return UsesSmallLayout(size) ? small : large;
}

// The white cross on the disc, as the outline of its two strokes.
QPainterPath CrossPath(const DiscLayout& layout)
{
    const QPointF centre = layout.Disc.center();
    const qreal reach = layout.CrossHalfLength;
    QPainterPath cross;
    cross.moveTo(centre + QPointF(-reach, -reach));
    cross.lineTo(centre + QPointF(reach, reach));
    cross.moveTo(centre + QPointF(reach, -reach));
    cross.lineTo(centre + QPointF(-reach, reach));
    return StrokePath(cross, layout.CrossWidth, Qt::FlatCap);
}

struct WarningLayout {
    QPolygonF Triangle;
    QPolygonF Bar;
    QRectF Dot;
    int ShadowOffset;
};

const WarningLayout& WarningLayoutFor(int size)
{
    static const WarningLayout small{QPolygonF({QPointF(7, 0), QPointF(9, 0), QPointF(16, 15), QPointF(0, 15)}),
                                     QPolygonF({QPointF(7, 4), QPointF(9, 4), QPointF(9, 10), QPointF(7, 10)}),
                                     QRectF(7, 11, 2, 2), 0};
    static const WarningLayout large{QPolygonF({QPointF(14.5, 1), QPointF(17.5, 1), QPointF(31, 29), QPointF(1, 29)}),
                                     QPolygonF({QPointF(14, 9), QPointF(18, 9), QPointF(17, 20), QPointF(15, 20)}),
                                     QRectF(14, 22, 4, 4), 1};
    return UsesSmallLayout(size) ? small : large;
}

// The outline is as wide as one pixel of the 32 pixel icon, and the shadow
// is outlined too, so that it shows as wide as there.
constexpr qreal LineWidth = 1;

// The 32 pixel balloon of the information and question icons, with its
// letter in blue.
VectorPicture BalloonOutlines(const QPainterPath& letter)
{
    const BalloonLayout& layout = BalloonLayoutFor(LargeSize);
    const QPainterPath balloon = BalloonPath(layout);
    std::vector<VectorShape> shapes{
        {balloon.translated(layout.ShadowOffset, layout.ShadowOffset), Vga::Grey, Vga::Grey, LineWidth, true},
        {balloon, Vga::White, Vga::Black, LineWidth, true},
        {letter.simplified(), Vga::Blue, 0, 0, true},
    };
    return VectorPicture(LargeSize, std::move(shapes));
}

} // namespace

QImage DrawInformationIcon(int size)
{
    IconCanvas canvas(size);
    PaintBalloon(canvas, size);
    canvas.Paint(canvas.Cover(LetterIPath(size)), Vga::Blue);
    return canvas.Finish();
}

VectorPicture InformationIconOutlines() { return BalloonOutlines(LetterIPath(LargeSize)); }

VectorPicture QuestionIconOutlines() { return BalloonOutlines(QuestionMarkPath(LargeSize)); }

VectorPicture CriticalIconOutlines()
{
    const DiscLayout& layout = DiscLayoutFor(LargeSize);
    const QPainterPath disc = EllipsePath(layout.Disc);
    std::vector<VectorShape> shapes{
        {disc.translated(layout.ShadowOffset, layout.ShadowOffset), Vga::Grey, Vga::Grey, LineWidth, false},
        {disc, Vga::Red, Vga::Maroon, LineWidth, false},
        {CrossPath(layout).simplified(), Vga::White, 0, 0, false},
    };
    return VectorPicture(LargeSize, std::move(shapes));
}

VectorPicture ExclamationIconOutlines()
{
    const WarningLayout& layout = WarningLayoutFor(LargeSize);
    const QPainterPath triangle = PolygonPath(layout.Triangle);
    std::vector<VectorShape> shapes{
        {triangle.translated(layout.ShadowOffset, layout.ShadowOffset), Vga::Grey, Vga::Grey, LineWidth, false},
        {triangle, Vga::Yellow, Vga::Black, LineWidth, false},
        {PolygonPath(layout.Bar).united(RectanglePath(layout.Dot)), Vga::Black, 0, 0, true},
    };
    return VectorPicture(LargeSize, std::move(shapes));
}

QImage DrawQuestionIcon(int size)
{
    IconCanvas canvas(size);
    PaintBalloon(canvas, size);
    canvas.Paint(canvas.Cover(QuestionMarkPath(size)), Vga::Blue);
    return canvas.Finish();
}

QImage DrawCriticalIcon(int size)
{
    const DiscLayout& layout = DiscLayoutFor(size);
    IconCanvas canvas(size);
    PaintOutlinedShape(canvas, canvas.Cover(EllipsePath(layout.Disc)), Vga::Red, Vga::Maroon, layout.ShadowOffset);
    canvas.Paint(canvas.Cover(CrossPath(layout)), Vga::White);
    return canvas.Finish();
}

QImage DrawExclamationIcon(int size)
{
    const WarningLayout& layout = WarningLayoutFor(size);
    IconCanvas canvas(size);
    PaintOutlinedShape(canvas, canvas.Cover(PolygonPath(layout.Triangle)), Vga::Yellow, Vga::Black,
                       layout.ShadowOffset);
    canvas.Paint(canvas.Cover(PolygonPath(layout.Bar)).United(canvas.Cover(RectanglePath(layout.Dot))), Vga::Black);
    return canvas.Finish();
}

QImage DrawHandPointer()
{
    IconCanvas canvas(LargeSize);
    // The index finger's rounded top is centred on the hot spot.
    const PixelMask indexFinger =
        canvas.Cover(RectanglePath(QRectF(HandPointerHotSpot.x() - 2, HandPointerHotSpot.y(), 5, 17), 2.5));
    const std::array foldedFingers = {
        canvas.Cover(RectanglePath(QRectF(14, 11, 5, 10), 2.5)),
        canvas.Cover(RectanglePath(QRectF(18, 12, 5, 10), 2.5)),
        canvas.Cover(RectanglePath(QRectF(22, 14, 5, 9), 2.5)),
    };
    const PixelMask palm = canvas.Cover(PolygonPath(QPolygonF(
        {QPointF(10, 17), QPointF(27, 17), QPointF(27, 25), QPointF(24.5, 29), QPointF(14, 29), QPointF(10, 25)})));
    QPainterPath thumbLine;
    thumbLine.moveTo(12, 23);
    thumbLine.lineTo(5.5, 17);
    const PixelMask thumb = canvas.Cover(StrokePath(thumbLine, 5));

    PixelMask hand = indexFinger.United(palm).United(thumb);
    PixelMask fingerEdges = indexFinger.Edge();
    for (const PixelMask& finger : foldedFingers) {
        hand = hand.United(finger);
        fingerEdges = fingerEdges.United(finger.Edge());
    }
    // The fingers stay apart where their edges run inside the hand, above the palm.
    const PixelMask creases = fingerEdges.Intersected(hand.Inside()).Without(palm);

    PaintOutlinedShape(canvas, hand, Vga::White, Vga::Black, 0);
    canvas.Paint(creases, Vga::Black);
    return canvas.Finish(BlackAndWhite);
}

} // namespace vellumet::artwork
