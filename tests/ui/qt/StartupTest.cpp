// The Qt start-up: the main window built behind the splash window, the splash made
// topmost, and the hand-over that shows the main window once.

#include "platform/RecordingPlatform.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/SplashWindow.h"

#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QtTest>

#include <algorithm>

using namespace vellumet;
using namespace std::chrono_literals;

// Notes what the main window looks like at the moment the splash window shows
// and at the moment it shows itself, and counts how often it shows.
class StartupObserver : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto* splash = qobject_cast<QtSplashWindow*>(watched); splash && splash->MainWindow()) {
            const QtMainWindow* main = splash->MainWindow();
            mainLoadedHiddenDisabled = !main->isVisible() && !main->isEnabled();
            // Making the controls' widgets would only hold up the splash window.
            controlsMadeBeforeSplash = main->Widget(Control::SSTab1) != nullptr;
        }
        if (auto* main = qobject_cast<QtMainWindow*>(watched)) {
            ++mainShows;
            mainShownWhole = std::ranges::all_of(
                MainWindowLayout, [main](const ControlLayout& row) { return main->Widget(row.Id) != nullptr; });
        }
        return false;
    }

    bool mainLoadedHiddenDisabled = false;
    bool controlsMadeBeforeSplash = true;
    int mainShows = 0;
    bool mainShownWhole = false;
};

static QPoint ScreenCentre(const QWidget* window) { return window->screen()->availableGeometry().center(); }

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void splashThenMainWindow()
    {
        StartupObserver observer;
        qApp->installEventFilter(&observer);
        testing::RecordingPlatform platform;
        QElapsedTimer clock;
        clock.start();

        QPointer<QtSplashWindow> splash = new QtSplashWindow(platform, 200ms);
        const QPointer<QtMainWindow> main = splash->MainWindow();
        QVERIFY(main);
        QVERIFY(observer.mainLoadedHiddenDisabled);
        QVERIFY(!observer.controlsMadeBeforeSplash);
        QVERIFY(splash->isVisible());
        QCOMPARE(platform.topmostWindows, std::vector<WindowHandle>{splash->winId()});
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(splash->size(), QSize(225, 44));
        QVERIFY((splash->geometry().center() - ScreenCentre(splash)).manhattanLength() <= 2);
        QCOMPARE(splash->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().size(), QSize(225, 45));

        QTRY_VERIFY(main->isVisible());
        QVERIFY(clock.elapsed() >= 200);
        QVERIFY(main->isEnabled());
        QVERIFY(observer.mainShownWhole);
        QTRY_VERIFY(splash.isNull());
        QTest::qWait(500);
        QCOMPARE(observer.mainShows, 1);
        QVERIFY((main->frameGeometry().center() - ScreenCentre(main)).manhattanLength() <= 2);

        qApp->removeEventFilter(&observer);
        delete main;
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
