// The rules of a picture match: a drawn picture changed only by rounding still matches, and one moved,
// resized or recoloured does not; numbers in an SVG file match to their last decimal.
#include "PictureMatch.h"
#include "IcoFile.h"
#include "Icons.h"
#include "SplashLogo.h"
#include "support/CaseTable.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <map>

using namespace vellumet::artwork;

// How another processor, or a real change, could alter a drawn picture.
using Change = std::function<QImage(const QImage&)>;
Q_DECLARE_METATYPE(Change)

namespace {

// Every channel of every pixel one level up or down, in a fixed pattern: the
// rounding of another floating-point path.
QImage OneLevelOff(const QImage& picture)
{
    QImage changed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < changed.height(); ++y)
        for (int x = 0; x < changed.width(); ++x) {
            const QRgb pixel = changed.pixel(x, y);
            const int step = (x * 7 + y * 3) % 2 == 0 ? 1 : -1;
            auto nudge = [step](int level) { return std::clamp(level + step, 0, 255); };
            changed.setPixel(
                x, y, qRgba(nudge(qRed(pixel)), nudge(qGreen(pixel)), nudge(qBlue(pixel)), nudge(qAlpha(pixel))));
        }
    return changed;
}

bool ClearlyDifferent(QRgb shownFirst, QRgb shownSecond)
{
    const QRgb first = qPremultiply(shownFirst);
    const QRgb second = qPremultiply(shownSecond);
    return std::ranges::any_of(
        std::array<int (*)(QRgb), 4>{qRed, qGreen, qBlue, qAlpha},
        [first, second](auto channel) { return std::abs(channel(first) - channel(second)) > RoundingLevels; });
}

// The first `count` edge pixels, in reading order, take the colour of their
// opaque right-hand neighbour: a coverage threshold falling the other way.
QImage EdgePixelsFlipped(const QImage& picture, int count)
{
    const QImage original = picture.convertToFormat(QImage::Format_ARGB32);
    QImage changed = original;
    for (int y = 0; y < original.height() && count > 0; ++y)
        for (int x = 0; x + 1 < original.width() && count > 0; ++x) {
            const QRgb neighbour = original.pixel(x + 1, y);
            if (qAlpha(neighbour) == 255 && ClearlyDifferent(original.pixel(x, y), neighbour)) {
                changed.setPixel(x, y, neighbour);
                --count;
            }
        }
    return changed;
}

// The picture's most common opaque colour made a clearly different shade.
QImage MainColourChanged(const QImage& picture)
{
    QImage changed = picture.convertToFormat(QImage::Format_ARGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < changed.height(); ++y)
        for (int x = 0; x < changed.width(); ++x)
            if (qAlpha(changed.pixel(x, y)) == 255)
                ++counts[changed.pixel(x, y)];
    const QRgb main =
        std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
    const QRgb shade = qRgb(qRed(main) ^ 0x30, qGreen(main), qBlue(main));
    for (int y = 0; y < changed.height(); ++y)
        for (int x = 0; x < changed.width(); ++x)
            if (changed.pixel(x, y) == main)
                changed.setPixel(x, y, shade);
    return changed;
}

} // namespace

class PictureMatchTest : public QObject {
    Q_OBJECT

private slots:
    void changedPictures_data();
    void changedPictures();
    void svgNumbers();
};

void PictureMatchTest::changedPictures_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("matches");

    const std::pair<const char*, QImage> pictures[] = {
        {"16-colour 16", DrawCriticalIcon(16)},
        {"16-colour 32", DrawInformationIcon(32)},
        {"smooth 48", InformationIconOutlines().Rendered(48)},
        {"smooth 256", InformationIconOutlines().Rendered(256)},
        {"splash logo", DrawSplashLogo(1)},
    };
    for (const auto& [name, picture] : pictures) {
        const int allowed = AllowedEdgeFlips(picture);
        QTest::addRow("%s, one level off", name) << picture << Change(OneLevelOff) << true;
        QTest::addRow("%s, edge pixels flipped", name)
            << picture << Change([allowed](const QImage& p) { return EdgePixelsFlipped(p, allowed); }) << true;
        QTest::addRow("%s, one edge pixel too many", name)
            << picture << Change([allowed](const QImage& p) { return EdgePixelsFlipped(p, allowed + 1); }) << false;
        // The column that comes in from the left is transparent, or the first colour of a palette.
        QTest::addRow("%s, moved one pixel", name)
            << picture << Change([](const QImage& p) { return p.copy(-1, 0, p.width(), p.height()); }) << false;
        QTest::addRow("%s, colour changed", name) << picture << Change(MainColourChanged) << false;
        QTest::addRow("%s, other size", name)
            << picture << Change([](const QImage& p) { return p.copy(0, 0, p.width(), p.height() - 1); }) << false;
    }
}

// Compared both as pictures and as the icon files that carry them, so the
// icon reader takes part too.
void PictureMatchTest::changedPictures()
{
    QFETCH(QImage, picture);
    QFETCH(Change, change);
    QFETCH(bool, matches);
    const QImage changed = change(picture);
    QCOMPARE(PictureMismatch(changed, picture).isEmpty(), matches);
    if (picture.width() <= 256 && picture.width() == picture.height())
        QCOMPARE(FileMismatch(QStringLiteral("icon.ico"), IcoFileOf({changed}), IcoFileOf({picture})).isEmpty(),
                 matches);
}

// Numbers in an SVG file match to the rounding of their last decimal; any other change is one.
void PictureMatchTest::svgNumbers()
{
    for (const auto& row : vellumet::testing::ReadCaseTable("svg-numbers.tsv"))
        QVERIFY2(FileMismatch(QStringLiteral("icon.svg"), QByteArray::fromStdString(row[1]),
                              QByteArray::fromStdString(row[2]))
                         .isEmpty() == (row[3] == "matches"),
                 row[0].c_str());
}

QTEST_MAIN(PictureMatchTest)
#include "PictureMatchTest.moc"
