// Linked into a program to time its start-up from the inside, without a hook
// in the program's own source. It notes when the main window has been loaded
// and when the first window is on screen, writes those moments to standard
// output and ends the process there, so that every program measured stops at
// the same point: its first window painted.
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

// CLOCK_MONOTONIC is one clock for every process on the machine, so the
// harness can subtract the moment it started this process.
std::int64_t MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// Runs before main: what loading the program and its libraries took.
const std::int64_t loadedAt = MonotonicNanoseconds();

class StartupProbe : public QObject {
public:
    StartupProbe(std::int64_t applicationAt, QObject* parent)
        : QObject(parent)
        , applicationAt(applicationAt)
    {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::EnabledChange:
            // The splash disables the main window right after loading it,
            // before its controls are made.
            if (mainWindowAt == 0 && watched->isWidgetType() && watched->objectName() == QLatin1String("frmMain"))
                mainWindowAt = MonotonicNanoseconds();
            return false;
        case QEvent::Paint:
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
                paintedWindow = static_cast<QWidget*>(watched);
            return false;
        case QEvent::Expose:
        case QEvent::UpdateRequest: return DeliverAndCheckPainted(watched, event);
        default: return false;
        }
    }

private:
    // A window is painted and flushed once the expose or update request that
    // painted it has been handled, so the probe hands the event on itself and
    // looks afterwards.
    bool DeliverAndCheckPainted(QObject* watched, QEvent* event)
    {
        if (delivering)
            return false;
        delivering = true;
        QCoreApplication::sendEvent(watched, event);
        delivering = false;
        if (paintedWindow)
            Finish();
        return true;
    }

    [[noreturn]] void Finish()
    {
        const std::int64_t shownAt = MonotonicNanoseconds();
        const QByteArray window = paintedWindow->objectName().toUtf8();
        const QByteArray platform = QGuiApplication::platformName().toUtf8();
        char line[512];
        const int length = std::snprintf(
            line, sizeof line, "loaded %lld\napplication %lld\nmain-window %lld\nshown %lld\nwindow %s\nplatform %s\n",
            static_cast<long long>(loadedAt), static_cast<long long>(applicationAt),
            static_cast<long long>(mainWindowAt), static_cast<long long>(shownAt),
            window.isEmpty() ? "-" : window.constData(), platform.constData());
        // One write, so a reader never sees half of it; then no clean-up that would be timed.
        const bool written =
            length > 0 && length < int(sizeof line) && ::write(STDOUT_FILENO, line, std::size_t(length)) == length;
        std::_Exit(written ? EXIT_SUCCESS : EXIT_FAILURE);
    }

    std::int64_t applicationAt;
    std::int64_t mainWindowAt = 0;
    QPointer<QWidget> paintedWindow;
    bool delivering = false;
};

// Called as soon as the application object exists.
void InstallStartupProbe()
{
    const std::int64_t applicationAt = MonotonicNanoseconds();
    qApp->installEventFilter(new StartupProbe(applicationAt, qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallStartupProbe)
