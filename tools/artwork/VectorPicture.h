// Pictures made of filled and outlined shapes, rendered smoothly at any size or written as SVG.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QRgb>

#include <vector>

namespace vellumet::artwork {

// A filled shape with an optional outline centred on its edge, both in opaque
// colours.
struct VectorShape {
    QPainterPath Path;
    QRgb Fill;
    QRgb Line = 0;
    qreal LineWidth = 0; // no outline when 0
    // Points and outline width moved to whole pixels in the smooth pictures,
    // which keeps upright edges crisp at sizes that are no whole multiple of
    // the view.
    bool PixelAligned = false;
};

// A square picture made of shapes painted back to front, in coordinates from
// 0 to `viewSize`. The same shapes give the smooth pictures of any size and the
// SVG file, so the desktop shows one drawing however large it asks for it.
class VectorPicture {
public:
    VectorPicture(qreal viewSize, std::vector<VectorShape> shapes);

    // Antialiased, in full colour, on a transparent ground.
    QImage Rendered(int size) const;
    QByteArray Svg() const;

private:
    qreal m_viewSize;
    std::vector<VectorShape> m_shapes;
};

} // namespace vellumet::artwork
