// A set of whole pixels, which the small icons are built from.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRgb>
#include <QSize>

#include <vector>

namespace vellumet::artwork {

// A set of whole pixels. Small icons are built from these rather than painted
// with antialiasing, so every edge stays crisp and every outline is exactly one
// pixel wide once the picture is reduced to sixteen colours.
class PixelMask {
public:
    explicit PixelMask(QSize size);

    // The pixels that `shape` (in pixel-edge coordinates) covers at least half of.
    static PixelMask Covered(QSize size, const QPainterPath& shape);

    QSize Size() const { return m_size; }
    bool Contains(int x, int y) const;
    void Insert(int x, int y);

    // The pixels of the set that touch, side by side, a pixel outside it.
    PixelMask Edge() const;
    PixelMask Inside() const { return Without(Edge()); }
    PixelMask Shifted(int dx, int dy) const;
    PixelMask Without(const PixelMask& other) const;
    PixelMask Intersected(const PixelMask& other) const;
    PixelMask United(const PixelMask& other) const;

    void Paint(QImage& canvas, QRgb colour) const;

private:
    template <typename Rule>
    PixelMask Combined(const PixelMask& other, Rule keep) const;

    std::size_t IndexOf(int x, int y) const; // of a pixel inside the mask

    QSize m_size;
    std::vector<bool> m_pixels;
};

} // namespace vellumet::artwork
