// Loading the program's pictures from its Qt resources, at each icon size and at the screen's scale.
#include "Pictures.h"

#include <cmath>

namespace vellumet::pictures {

namespace {

QString PicturePath(const QString& file) { return QStringLiteral(":/pictures/") + file; }

// The sizes each icon option is drawn at: 32 pixels at 100%, then 150% and 200%.
constexpr int IconSides[] = {32, 48, 64};

QIcon IconAtEachSize(const QString& name)
{
    QIcon icon;
    for (int side : IconSides)
        icon.addFile(PicturePath(QStringLiteral("%1-%2.png").arg(name).arg(side)), {side, side});
    return icon;
}

QPixmap AtScale(const QString& name, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1)
        return QPixmap(PicturePath(name + QStringLiteral(".png")));
    constexpr int DrawnScale = 2;
    QPixmap picture(PicturePath(name + QStringLiteral("@2x.png")));
    if (devicePixelRatio != DrawnScale) {
        const QSize pixels(int(std::lround(picture.width() * devicePixelRatio / DrawnScale)),
                           int(std::lround(picture.height() * devicePixelRatio / DrawnScale)));
        picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace

QIcon ApplicationIcon()
{
    QIcon icon = IconAtEachSize(QStringLiteral("information"));
    icon.addFile(PicturePath(QStringLiteral("information-16.png")), {16, 16});
    return icon;
}

QIcon IconPicture(PictureKind picture)
{
    switch (picture) {
    case PictureKind::None:
    case PictureKind::About: return {};
    case PictureKind::Critical: return IconAtEachSize(QStringLiteral("critical"));
    case PictureKind::Question: return IconAtEachSize(QStringLiteral("question"));
    case PictureKind::Exclamation: return IconAtEachSize(QStringLiteral("exclamation"));
    case PictureKind::Information: return IconAtEachSize(QStringLiteral("information"));
    }
    return {};
}

QCursor HandPointer()
{
    // The fingertip is the hot spot.
    return QCursor(QPixmap(PicturePath(QStringLiteral("hand-pointer.png"))), 12, 4);
}

QPixmap AboutPicture(qreal devicePixelRatio) { return AtScale(QStringLiteral("about"), devicePixelRatio); }

QPixmap SplashLogo(qreal devicePixelRatio) { return AtScale(QStringLiteral("splash-logo"), devicePixelRatio); }

} // namespace vellumet::pictures
