// The Qt program's entry point: it names the application, gives it its icon and opens the splash window.
#include "Pictures.h"
#include "SplashWindow.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumet"));
    QApplication::setApplicationVersion(QStringLiteral(VELLUMET_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Tarnwick Solutions"));
    QApplication::setDesktopFileName(QStringLiteral("vellumet"));
    QApplication::setWindowIcon(vellumet::pictures::ApplicationIcon());

    vellumet::QtPlatform platform;
    new vellumet::QtSplashWindow(platform); // closes and deletes itself when the main window takes over
    return app.exec();
}
