// The Linux desktop services: opening files in the desktop's viewer, the Help
// button of a tried box, the clipboard, and Windows paths typed on Linux.
#include "platform/qt/QtPlatform.h"
#include "platform/Notices.h"
#include "platform/qt/MessageBoxDialog.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <optional>

using namespace vellumet;

// A desktop made up for one test: its own folders for applications and their
// settings, and on the PATH a viewer program that writes down its arguments.
// The folders of the real desktop are out of sight while it lives.
class FakeDesktop {
public:
    struct Viewer {
        QString program; // the name the desktop entry starts
        bool installed;  // whether that program is on the PATH
        bool forHelp;    // whether the desktop has it as an application for compiled help
    };

    explicit FakeDesktop(const Viewer& viewer)
    {
        for (const char* folder : {"bin", "data/applications", "system", "config", "system-config"})
            QDir(root.path()).mkpath(QString::fromLatin1(folder));
        const QString bin = root.filePath(QStringLiteral("bin"));
        setEnvironment({{"XDG_DATA_HOME", root.filePath(QStringLiteral("data"))},
                        {"XDG_DATA_DIRS", root.filePath(QStringLiteral("system"))},
                        {"XDG_CONFIG_HOME", root.filePath(QStringLiteral("config"))},
                        {"XDG_CONFIG_DIRS", root.filePath(QStringLiteral("system-config"))},
                        {"XDG_CURRENT_DESKTOP", "X-Generic"},
                        {"DISPLAY", ":99"}, // the launcher asks the desktop only where there is a display
                        {"PATH", bin + u':' + qEnvironmentVariable("PATH")}});
        if (viewer.forHelp) {
            write(QStringLiteral("data/applications/chm-viewer.desktop"),
                  QStringLiteral("[Desktop Entry]\nType=Application\nName=Viewer\nExec=%1 %f\n"
                                 "MimeType=application/vnd.ms-htmlhelp;\n")
                      .arg(viewer.program));
            write(QStringLiteral("config/mimeapps.list"),
                  QStringLiteral("[Default Applications]\napplication/vnd.ms-htmlhelp=chm-viewer.desktop\n"));
        }
        if (viewer.installed) {
            const QString script = bin + u'/' + viewer.program;
            write(script, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(openedList()));
            QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
        }
        // Any compiled help file will do; the program's own is at hand.
        QFile::copy(QString::fromStdString(JoinPath(QtPlatform().ApplicationPath(), "VellHelp.chm")), helpFile());
    }

    ~FakeDesktop()
    {
        for (const auto& [name, value] : saved)
            value ? qputenv(name.c_str(), *value) : qunsetenv(name.c_str());
    }

    // A compiled help file, or the name of one that is not there.
    QString helpFile(bool there = true) const
    {
        return root.filePath(there ? QStringLiteral("Orders Help.chm") : QStringLiteral("Gone Help.chm"));
    }

    // What the viewer was started with, one argument a line, once it has started.
    QString openedList() const { return root.filePath(QStringLiteral("opened")); }

private:
    void setEnvironment(const std::map<std::string, QString>& values)
    {
        for (const auto& [name, value] : values) {
            saved[name] = qEnvironmentVariableIsSet(name.c_str()) ? std::optional(qgetenv(name.c_str())) : std::nullopt;
            qputenv(name.c_str(), value.toLocal8Bit());
        }
    }

    void write(const QString& name, const QString& text) const
    {
        QFile file(QDir(root.path()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    QTemporaryDir root;
    std::map<std::string, std::optional<QByteArray>> saved;
};

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void opensInTheDesktopsViewer_data();
    void opensInTheDesktopsViewer();
    void helpButtonSaysWhyItCannotOpen();
    void clipboard();
    void pathsAndFileTypes();
};

void QtPlatformTest::opensInTheDesktopsViewer_data()
{
    QTest::addColumn<FakeDesktop::Viewer>("viewer");
    QTest::addColumn<bool>("asHelp"); // a message box's Help button, topic 42, rather than a plain open
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<OpenResult>("result");
    QTest::addColumn<QStringList>("started"); // the viewer's arguments, FILE for the help file
    const FakeDesktop::Viewer viewer{"chm-viewer", true, true};
    const FakeDesktop::Viewer xchm{"xchm", true, true};
    // clang-format off
    QTest::newRow("the desktop's viewer opens the file") << viewer << false << true << OpenResult::Opened << QStringList{"FILE"};
    QTest::newRow("xCHM is told the topic") << xchm << true << true << OpenResult::Opened << QStringList{"--contextid", "42", "FILE"};
    QTest::newRow("another viewer opens help at its start") << viewer << true << true << OpenResult::Opened << QStringList{"FILE"};
    QTest::newRow("xCHM opens a plain open at the start") << xchm << false << true << OpenResult::Opened << QStringList{"FILE"};
    QTest::newRow("no application for the type") << FakeDesktop::Viewer{"chm-viewer", true, false} << false << true << OpenResult::NoViewer << QStringList{};
    QTest::newRow("the application's program is missing, as help") << FakeDesktop::Viewer{"chm-viewer", false, true} << true << true << OpenResult::NoViewer << QStringList{};
    QTest::newRow("no such file") << viewer << false << false << OpenResult::NotFound << QStringList{};
    QTest::newRow("no such file, as help") << viewer << true << false << OpenResult::NotFound << QStringList{};
    // clang-format on
}

// What opens a file is found as the desktop's launcher finds it; a file that
// nothing can open is told apart from a file that is not there.
void QtPlatformTest::opensInTheDesktopsViewer()
{
    QFETCH(FakeDesktop::Viewer, viewer);
    QFETCH(bool, asHelp);
    QFETCH(bool, fileThere);
    QFETCH(QStringList, started);
    FakeDesktop desktop(viewer);
    const QString file = desktop.helpFile(fileThere);
    QtPlatform platform;
    const OpenResult result =
        asHelp ? platform.OpenHelp({file.toStdString(), 42}) : platform.ShellOpen(0, file.toStdString());
    QTEST(result, "result");

    if (started.isEmpty()) {
        QTest::qWait(300);
        QVERIFY(!QFile::exists(desktop.openedList()));
        return;
    }
    started.replaceInStrings(QStringLiteral("FILE"), file);
    QFile opened(desktop.openedList());
    QTRY_VERIFY(opened.size() > 0);
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(opened.readAll()).split(u'\n', Qt::SkipEmptyParts), started);
}

// The Help button of a tried box that cannot show its help says why in a box
// of its own, and the tried box stays open.
void QtPlatformTest::helpButtonSaysWhyItCannotOpen()
{
    FakeDesktop desktop({"chm-viewer", true, false});
    const QString file = desktop.helpFile();
    QString told;
    QString noticeTitle;
    bool triedStillOpen = false;
    QTimer watch;
    QTimer::singleShot(0, this, [&] {
        auto* tried = qobject_cast<MessageBoxDialog*>(QApplication::activeModalWidget());
        // The notice comes once the desktop has been asked about the file.
        connect(&watch, &QTimer::timeout, this, [&, tried] {
            auto* shown = qobject_cast<MessageBoxDialog*>(QApplication::activeModalWidget());
            if (!shown || shown == tried)
                return;
            watch.stop();
            told = shown->findChild<QLabel*>(QStringLiteral("promptLabel"))->text();
            noticeTitle = shown->windowTitle();
            QTest::mouseClick(shown->buttons().front(), Qt::LeftButton);
            triedStillOpen = tried->isVisible();
        });
        watch.start(10);
        QTest::mouseClick(tried->buttons().back(), Qt::LeftButton);
        QTest::mouseClick(tried->buttons().front(), Qt::LeftButton);
    });
    QtPlatform platform;
    QCOMPARE(platform.ShowMessageBox({"Disk?", 0 + 16384, "Disk", HelpReference{file.toStdString(), 7}}), 1);

    // The box wraps long lines where it likes.
    const auto notice = HelpButtonNotice(OpenResult::NoViewer, file.toStdString());
    QVERIFY(notice);
    QCOMPARE(told.simplified(), QString::fromStdString(notice->Prompt).simplified());
    QCOMPARE(noticeTitle, QStringLiteral("Vellumet"));
    QVERIFY(triedStillOpen);
}

// Clipboard text reaches the desktop, and comes back, as it is meant.
void QtPlatformTest::clipboard()
{
    QtPlatform platform;
    const std::string code = "'*** Start ***\r\n\tMsgBox \"é\", vbOKOnly";
    QVERIFY(platform.SetClipboardText(code));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(code));
    QCOMPARE(platform.ClipboardText(), code);
    platform.ClearClipboard();
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    QCOMPARE(platform.ClipboardText(), "");
}

// Typed Windows paths are found here, and files without a dot are offered.
void QtPlatformTest::pathsAndFileTypes()
{
    QCOMPARE(QtPlatform::LocalPath("/opt/vellumet\\Help Files\\a.chm"),
             QStringLiteral("/opt/vellumet/Help Files/a.chm"));
    QCOMPARE(QtPlatform::DialogFilter({"Windows Help Files", "*.hlp"}), QStringLiteral("Windows Help Files (*.hlp)"));
    QCOMPARE(QtPlatform::DialogFilter({"All Files", "*.*"}), QStringLiteral("All Files (*)"));
}

QTEST_MAIN(QtPlatformTest)
#include "QtPlatformTest.moc"
