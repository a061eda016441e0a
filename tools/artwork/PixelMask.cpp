// The pixel set: the pixels a shape covers, its edge, shifted and combined sets, and painting a set.
#include "PixelMask.h"

#include <QPainter>

namespace vellumet::artwork {
namespace {

constexpr int HalfCovered = 128;

} // namespace

PixelMask::PixelMask(QSize size)
    : m_size(size)
    , m_pixels(static_cast<std::size_t>(size.width() * size.height()), false)
{}

PixelMask PixelMask::Covered(QSize size, const QPainterPath& shape)
{
    QImage coverage(size, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(shape, Qt::black);
    }
    PixelMask mask(size);
    for (int y = 0; y < size.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            if (qAlpha(line[x]) >= HalfCovered)
                mask.Insert(x, y);
        }
    }
    return mask;
}

std::size_t PixelMask::IndexOf(int x, int y) const
{
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_size.width()) + static_cast<std::size_t>(x);
}

bool PixelMask::Contains(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_size.width() || y >= m_size.height())
        return false;
    return m_pixels[IndexOf(x, y)];
}

void PixelMask::Insert(int x, int y)
{
    if (x < 0 || y < 0 || x >= m_size.width() || y >= m_size.height())
        return;
    m_pixels[IndexOf(x, y)] = true;
}

PixelMask PixelMask::Edge() const
{
    PixelMask edge(m_size);
    for (int y = 0; y < m_size.height(); ++y) {
        for (int x = 0; x < m_size.width(); ++x) {
            if (Contains(x, y) &&
                !(Contains(x - 1, y) && Contains(x + 1, y) && Contains(x, y - 1) && Contains(x, y + 1)))
                edge.Insert(x, y);
        }
    }
    return edge;
}

PixelMask PixelMask::Shifted(int dx, int dy) const
{
    PixelMask shifted(m_size);
    for (int y = 0; y < m_size.height(); ++y) {
        for (int x = 0; x < m_size.width(); ++x) {
            if (Contains(x, y))
                shifted.Insert(x + dx, y + dy);
        }
    }
    return shifted;
}

template <typename Rule>
PixelMask PixelMask::Combined(const PixelMask& other, Rule keep) const
{
    PixelMask result(m_size);
    for (int y = 0; y < m_size.height(); ++y) {
        for (int x = 0; x < m_size.width(); ++x) {
            if (keep(Contains(x, y), other.Contains(x, y)))
                result.Insert(x, y);
        }
    }
    return result;
}

PixelMask PixelMask::Without(const PixelMask& other) const
{
    return Combined(other, [](bool mine, bool theirs) { return mine && !theirs; });
}

PixelMask PixelMask::Intersected(const PixelMask& other) const
{
    return Combined(other, [](bool mine, bool theirs) { return mine && theirs; });
}

PixelMask PixelMask::United(const PixelMask& other) const
{
    return Combined(other, [](bool mine, bool theirs) { return mine || theirs; });
}

void PixelMask::Paint(QImage& canvas, QRgb colour) const
{
    for (int y = 0; y < m_size.height(); ++y) {
        for (int x = 0; x < m_size.width(); ++x) {
            if (Contains(x, y))
                canvas.setPixel(x, y, colour);
        }
    }
}

} // namespace vellumet::artwork
