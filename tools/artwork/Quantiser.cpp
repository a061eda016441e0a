// The reduction to 256 colours: a histogram of the picture's colours, a median cut palette refined twice, and each
// pixel mapped to its nearest entry.
#include "Quantiser.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <vector>

namespace vellumet::artwork {
namespace {

constexpr std::size_t MaximumColours = 256;
constexpr int Refinements = 2;

struct ColourCount {
    QRgb Colour;
    qint64 Count;
};

int Channel(QRgb colour, int channel)
{
    switch (channel) {
    case 0: return qRed(colour);
    case 1: return qGreen(colour);
    default: return qBlue(colour);
    }
}

// Sorted by colour, so that nothing depends on hash order.
std::vector<ColourCount> Histogram(const QImage& opaque)
{
    QHash<QRgb, qint64> counts;
    for (int y = 0; y < opaque.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        for (int x = 0; x < opaque.width(); ++x)
            ++counts[line[x]];
    }
    std::vector<ColourCount> histogram;
    histogram.reserve(static_cast<std::size_t>(counts.size()));
    for (auto entry = counts.cbegin(); entry != counts.cend(); ++entry)
        histogram.push_back({entry.key(), entry.value()});
    std::sort(histogram.begin(), histogram.end(),
              [](const ColourCount& first, const ColourCount& second) { return first.Colour < second.Colour; });
    return histogram;
}

struct ChannelSpread {
    int Channel = 0;
    int Range = 0;
};

ChannelSpread WidestChannel(std::span<const ColourCount> box)
{
    ChannelSpread widest;
    for (int channel = 0; channel < 3; ++channel) {
        int lowest = 255;
        int highest = 0;
        for (const ColourCount& entry : box) {
            lowest = std::min(lowest, Channel(entry.Colour, channel));
            highest = std::max(highest, Channel(entry.Colour, channel));
        }
        if (highest - lowest > widest.Range)
            widest = {channel, highest - lowest};
    }
    return widest;
}

QRgb MeanColour(std::span<const ColourCount> entries)
{
    std::array<qint64, 3> sums{};
    qint64 total = 0;
    for (const ColourCount& entry : entries) {
        for (int channel = 0; channel < 3; ++channel)
            sums[static_cast<std::size_t>(channel)] += Channel(entry.Colour, channel) * entry.Count;
        total += entry.Count;
    }
    const auto mean = [&](int channel) {
        return static_cast<int>((sums[static_cast<std::size_t>(channel)] + total / 2) / total);
    };
    return qRgb(mean(0), mean(1), mean(2));
}

qint64 PixelCount(std::span<const ColourCount> entries)
{
    qint64 pixels = 0;
    for (const ColourCount& entry : entries)
        pixels += entry.Count;
    return pixels;
}

// Sorts `box` along its widest channel and returns where the first half of
// its pixels ends, so that neither part is empty.
std::size_t SplitAtMedian(std::span<ColourCount> box)
{
    const int channel = WidestChannel(box).Channel;
    std::stable_sort(box.begin(), box.end(), [channel](const ColourCount& first, const ColourCount& second) {
        return Channel(first.Colour, channel) < Channel(second.Colour, channel);
    });
    const qint64 pixels = PixelCount(box);
    qint64 seen = 0;
    std::size_t split = 1;
    while (split < box.size() - 1) {
        seen += box[split - 1].Count;
        if (seen * 2 >= pixels)
            break;
        ++split;
    }
    return split;
}

// Repeatedly halves the box whose colours spread furthest, weighted by how
// many pixels it holds; each box then gives its mean colour.
std::vector<QRgb> MedianCutPalette(std::vector<ColourCount> histogram)
{
    std::vector<std::span<ColourCount>> boxes{std::span<ColourCount>(histogram)};
    while (boxes.size() < MaximumColours) {
        std::size_t chosen = boxes.size();
        qint64 chosenWeight = 0;
        for (std::size_t index = 0; index < boxes.size(); ++index) {
            if (boxes[index].size() < 2)
                continue;
            const qint64 weight = WidestChannel(boxes[index]).Range * PixelCount(boxes[index]);
            if (weight > chosenWeight) {
                chosen = index;
                chosenWeight = weight;
            }
        }
        if (chosen == boxes.size())
            break;
        const std::span<ColourCount> box = boxes[chosen];
        const std::size_t split = SplitAtMedian(box);
        boxes[chosen] = box.first(split);
        boxes.push_back(box.subspan(split));
    }

    std::vector<QRgb> palette;
    palette.reserve(boxes.size());
    for (const std::span<ColourCount> box : boxes)
        palette.push_back(MeanColour(box));
    return palette;
}

int SquaredDistance(QRgb first, QRgb second)
{
    int total = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const int difference = Channel(first, channel) - Channel(second, channel);
        total += difference * difference;
    }
    return total;
}

std::size_t NearestIndex(QRgb colour, const std::vector<QRgb>& palette)
{
    std::size_t nearest = 0;
    int nearestDistance = std::numeric_limits<int>::max();
    for (std::size_t index = 0; index < palette.size(); ++index) {
        const int distance = SquaredDistance(colour, palette[index]);
        if (distance < nearestDistance) {
            nearest = index;
            nearestDistance = distance;
        }
    }
    return nearest;
}

std::vector<std::size_t> Assign(const std::vector<ColourCount>& histogram, const std::vector<QRgb>& palette)
{
    std::vector<std::size_t> assignment;
    assignment.reserve(histogram.size());
    for (const ColourCount& entry : histogram)
        assignment.push_back(NearestIndex(entry.Colour, palette));
    return assignment;
}

// Moves each palette colour to the mean of the colours mapped to it; an
// entry nothing maps to keeps its colour.
std::vector<QRgb> Refined(const std::vector<ColourCount>& histogram, const std::vector<QRgb>& palette)
{
    const std::vector<std::size_t> assignment = Assign(histogram, palette);
    std::vector<std::vector<ColourCount>> members(palette.size());
    for (std::size_t index = 0; index < histogram.size(); ++index)
        members[assignment[index]].push_back(histogram[index]);
    std::vector<QRgb> refined = palette;
    for (std::size_t index = 0; index < palette.size(); ++index) {
        if (!members[index].empty())
            refined[index] = MeanColour(members[index]);
    }
    return refined;
}

} // namespace

QImage ReduceTo256Colours(const QImage& picture)
{
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    const std::vector<ColourCount> histogram = Histogram(opaque);

    std::vector<QRgb> palette;
    if (histogram.size() <= MaximumColours) {
        for (const ColourCount& entry : histogram)
            palette.push_back(entry.Colour);
    } else {
        palette = MedianCutPalette(histogram);
        for (int pass = 0; pass < Refinements; ++pass)
            palette = Refined(histogram, palette);
    }

    const std::vector<std::size_t> assignment = Assign(histogram, palette);
    QHash<QRgb, uchar> indexOf;
    for (std::size_t index = 0; index < histogram.size(); ++index)
        indexOf.insert(histogram[index].Colour, static_cast<uchar>(assignment[index]));

    QImage reduced(opaque.size(), QImage::Format_Indexed8);
    reduced.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    for (int y = 0; y < opaque.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        uchar* target = reduced.scanLine(y);
        for (int x = 0; x < opaque.width(); ++x)
            target[x] = indexOf.value(source[x]);
    }
    return reduced;
}

} // namespace vellumet::artwork
