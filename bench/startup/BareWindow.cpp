// The yardstick for the program's start-up: Qt Widgets showing one empty
// window of the splash window's size and kind, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    window.setObjectName(QStringLiteral("BareWindow"));
    window.setFixedSize(225, 44);
    window.show();
    return app.exec();
}
