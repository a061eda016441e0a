#include "Pictures.h"

namespace vellumet::pictures {

namespace {

QString PicturePath(const char* file) { return QStringLiteral(":/pictures/") + QLatin1String(file); }

} // namespace

QIcon ApplicationIcon()
{
    QIcon icon;
    icon.addFile(PicturePath("information-16.png"), {16, 16});
    icon.addFile(PicturePath("information-32.png"), {32, 32});
    return icon;
}

QIcon IconPicture(PictureKind picture)
{
    switch (picture) {
    case PictureKind::None:
    case PictureKind::About: return {};
    case PictureKind::Critical: return QIcon(PicturePath("critical-32.png"));
    case PictureKind::Question: return QIcon(PicturePath("question-32.png"));
    case PictureKind::Exclamation: return QIcon(PicturePath("exclamation-32.png"));
    case PictureKind::Information: return QIcon(PicturePath("information-32.png"));
    }
    return {};
}

QCursor HandPointer()
{
    // The fingertip is the hot spot.
    return QCursor(QPixmap(PicturePath("hand-pointer.png")), 12, 4);
}

QPixmap AboutPicture() { return QPixmap(PicturePath("about.png")); }

QPixmap SplashLogo() { return QPixmap(PicturePath("splash-logo.png")); }

} // namespace vellumet::pictures
