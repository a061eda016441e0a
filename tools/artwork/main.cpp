// The artwork tool's command line: it draws every picture the program ships, then writes them to a folder or checks
// a folder against them.
#include "AboutPicture.h"
#include "IcoFile.h"
#include "Icons.h"
#include "PictureMatch.h"
#include "SplashLogo.h"
#include "StyleTab.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>
#include <vector>

// vellumet-artwork <output-dir>: draws every picture the program ships and
// writes it into <output-dir>. The same run always writes the same bytes.
// vellumet-artwork --check <assets-dir>: draws them and checks that the folder
// holds the same pictures, to within the rounding of another processor, so
// that a change to the drawing code cannot ship with stale pictures.
namespace {

using namespace vellumet::artwork;

const QString LetteringFamily = QStringLiteral("DejaVu Sans");

struct ArtworkFile {
    QString Name;
    QByteArray Bytes;
    QString Dimensions;
};

QString DimensionsOf(const QImage& picture)
{
    return QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height());
}

QByteArray PngOf(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture))
        return {};
    return bytes;
}

ArtworkFile PngFile(const QString& name, const QImage& picture)
{
    return {name, PngOf(picture), DimensionsOf(picture)};
}

// A picture the program shows in both its forms: a PNG file and, for Windows, a bitmap.
void AddPicture(std::vector<ArtworkFile>& files, const QString& name, const QImage& picture)
{
    files.push_back(PngFile(name + QStringLiteral(".png"), picture));
    files.push_back({name + QStringLiteral(".bmp"), BmpFileOf(picture), DimensionsOf(picture)});
}

std::vector<ArtworkFile> DrawArtwork(const QImage& styleTab, const QImage& largeStyleTab)
{
    std::vector<ArtworkFile> files;
    QList<QImage> windowIcon;
    QStringList windowIconSizes;
    for (const IconArtwork& icon : IconArtworks) {
        QList<QImage> sizes;
        for (int size : IconSizes)
            sizes.append(icon.Draw(size));
        const VectorPicture outlines = icon.Outlines();
        for (int size : ScaledIconSizes)
            sizes.append(outlines.Rendered(size));
        QStringList dimensions;
        for (const QImage& picture : sizes) {
            dimensions.append(DimensionsOf(picture));
            const QString name = QStringLiteral("%1-%2.png").arg(QLatin1String(icon.Name)).arg(picture.width());
            files.push_back(PngFile(name, picture));
        }
        // The Windows program carries each picture as an icon with every size.
        files.push_back({QStringLiteral("%1.ico").arg(QLatin1String(icon.Name)), IcoFileOf(sizes),
                         dimensions.join(QStringLiteral(", "))});
        // The program's own icon is the information picture.
        if (icon.Draw == DrawInformationIcon) {
            windowIcon = sizes;
            windowIconSizes = dimensions;
        }
    }
    files.push_back(
        {QStringLiteral("vellumet.ico"), IcoFileOf(windowIcon), windowIconSizes.join(QStringLiteral(", "))});

    // Desktops also show it larger, up to a scalable picture.
    const VectorPicture desktopIcon = InformationIconOutlines();
    for (int size : DesktopIconSizes)
        files.push_back(PngFile(QStringLiteral("information-%1.png").arg(size), desktopIcon.Rendered(size)));
    files.push_back({QStringLiteral("information.svg"), desktopIcon.Svg(), QStringLiteral("scalable")});

    // The Windows program carries the pointer as a cursor and the pictures as bitmaps.
    const QImage handPointer = DrawHandPointer();
    files.push_back(PngFile(QStringLiteral("hand-pointer.png"), handPointer));
    files.push_back(
        {QStringLiteral("hand-pointer.cur"), CurFileOf(handPointer, HandPointerHotSpot), DimensionsOf(handPointer)});
    // The splash logo and the about picture at 1x, and at 2x for screens at 150% and 200%.
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        AddPicture(files, QStringLiteral("splash-logo") + suffix, DrawSplashLogo(scale));
        AddPicture(files, QStringLiteral("about") + suffix,
                   DrawAboutPicture(scale == 1 ? styleTab : largeStyleTab, scale));
    }
    return files;
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int WriteArtwork(const std::vector<ArtworkFile>& files, const QString& folder)
{
    const QDir outputDir(folder);
    if (!outputDir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "vellumet-artwork: cannot create directory %s\n", qUtf8Printable(folder));
        return 1;
    }
    for (const ArtworkFile& file : files) {
        const QString path = outputDir.filePath(file.Name);
        if (file.Bytes.isEmpty() || !Write(path, file.Bytes)) {
            std::fprintf(stderr, "vellumet-artwork: cannot write %s\n", qUtf8Printable(path));
            return 1;
        }
        std::printf("%s  %s\n", qUtf8Printable(path), qUtf8Printable(file.Dimensions));
    }
    return 0;
}

// The about picture is left out: it shows a grab of the real window, whose
// text the installed fonts draw, and follows every change to the window.
int CheckArtwork(const std::vector<ArtworkFile>& files, const QString& folder)
{
    int stale = 0;
    for (const ArtworkFile& file : files) {
        if (file.Name.startsWith(QStringLiteral("about")))
            continue;
        QFile kept(QDir(folder).filePath(file.Name));
        const QString why = kept.open(QIODevice::ReadOnly) ? FileMismatch(file.Name, file.Bytes, kept.readAll())
                                                           : QStringLiteral("it is missing");
        if (!why.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qUtf8Printable(kept.fileName()), qUtf8Printable(why));
            ++stale;
        }
    }
    if (stale > 0)
        std::fprintf(stderr, "%s differs from what vellumet-artwork draws. Run `make artwork`.\n",
                     qUtf8Printable(folder));
    return stale > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Nothing is shown, and the screen's font settings must not change the output.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const bool check = arguments.size() == 3 && arguments[1] == QStringLiteral("--check");
    if (arguments.size() != 2 && !check) {
        std::fprintf(stderr, "usage: vellumet-artwork <output-dir>\n       vellumet-artwork --check <assets-dir>\n");
        return 2;
    }

    // Another font would silently change every picture with lettering.
    if (QFontInfo(QFont(LetteringFamily)).family() != LetteringFamily) {
        std::fprintf(stderr, "vellumet-artwork: the font %s is not installed\n", qUtf8Printable(LetteringFamily));
        return 1;
    }

    const QImage styleTab = GrabStyleTab(1);
    const QImage largeStyleTab = GrabStyleTab(2);
    if (styleTab.isNull() || largeStyleTab.isNull()) {
        std::fprintf(stderr, "vellumet-artwork: could not grab the Style tab\n");
        return 1;
    }

    const std::vector<ArtworkFile> files = DrawArtwork(styleTab, largeStyleTab);
    return check ? CheckArtwork(files, arguments[2]) : WriteArtwork(files, arguments[1]);
}
