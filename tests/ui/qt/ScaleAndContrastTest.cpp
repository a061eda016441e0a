// The Qt window at larger scales and in a high-contrast palette.
#include "support/MainWindowFixture.h"
#include "ui/qt/Pictures.h"

#include <QLabel>

using namespace vellumet;

class ScaleAndContrastTest : public MainWindowFixture {
    Q_OBJECT
private slots:
    // At 150% and 200% the pictures drawn for those scales show, not the 100% ones enlarged.
    void picturesDrawnForTheScale()
    {
        for (const auto& [ratio, side] : {std::pair{1.0, 32}, {1.5, 48}, {2.0, 64}})
            QCOMPARE(pictures::IconPicture(PictureKind::Critical).pixmap({32, 32}, ratio).size(), QSize(side, side));
        QCOMPARE(pictures::AboutPicture(2).size(), QSize(706, 836));
        QCOMPARE(pictures::SplashLogo(1.5).size(), QSize(338, 68));
    }

    // Qt has no high-contrast flag: the palette's link colour stands for both of the link's colours.
    void linkTakesThePalettesLinkColour()
    {
        QPalette highContrast(Qt::white, Qt::black);
        highContrast.setColor(QPalette::Link, Qt::yellow);
        QApplication::setPalette(highContrast);
        openWindow();
        auto* link = control<QLabel>(QStringLiteral("lblLink"));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        window->Form().MouseMoved(Control::lblLink);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        closeWindow();
    }
};

QTEST_MAIN(ScaleAndContrastTest)
#include "ScaleAndContrastTest.moc"
