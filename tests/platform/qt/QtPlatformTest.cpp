// The Linux desktop services: opening files in the desktop's viewer, the Help
// button of a tried box, the clipboard, Windows paths typed on Linux, and
// windows kept on top.
#include "platform/qt/QtPlatform.h"
#include "platform/Notices.h"
#include "platform/qt/MessageBoxDialog.h"
#include "support/CaseTable.h"

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
        // Each variable set here is saved first, to be put back as it was.
        for (const auto& [name, value] : std::map<std::string, QString>{
                 {"XDG_DATA_HOME", root.filePath(QStringLiteral("data"))},
                 {"XDG_DATA_DIRS", root.filePath(QStringLiteral("system"))},
                 {"XDG_CONFIG_HOME", root.filePath(QStringLiteral("config"))},
                 {"XDG_CONFIG_DIRS", root.filePath(QStringLiteral("system-config"))},
                 {"XDG_CURRENT_DESKTOP", "X-Generic"},
                 {"DISPLAY", ":99"}, // the launcher asks the desktop only where there is a display
                 {"PATH", bin + u':' + qEnvironmentVariable("PATH")}}) {
            saved[name] = qEnvironmentVariableIsSet(name.c_str()) ? std::optional(qgetenv(name.c_str())) : std::nullopt;
            qputenv(name.c_str(), value.toLocal8Bit());
        }
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
        }
        // Any compiled help file will do; the program's own is at hand.
        for (const char* name : {"Orders Help.chm", "Orders Help.hlp"})
            QFile::copy(QString::fromStdString(JoinPath(QtPlatform().ApplicationPath(), "VellHelp.chm")),
                        helpFile(QString::fromLatin1(name)));
        // A desktop entry and a script that leave the viewer's mark if anything runs them.
        const QString mark = QStringLiteral("echo ran > '%1'").arg(openedList());
        write(QStringLiteral("Orders.desktop"),
              "[Desktop Entry]\nType=Application\nName=Orders\nExec=sh -c \"" + mark + "\"\n");
        write(QStringLiteral("orders.sh"), "#!/bin/sh\n" + mark + '\n');
    }

    ~FakeDesktop()
    {
        for (const auto& [name, value] : saved)
            value ? qputenv(name.c_str(), *value) : qunsetenv(name.c_str());
    }

    // A file in the desktop's folder: "Orders Help.chm" and "Orders Help.hlp"
    // are help files, "Orders.desktop" and "orders.sh" are not, and no other is there.
    QString helpFile(const QString& name) const { return root.filePath(name); }

    // What the viewer was started with, one argument a line, once it has started.
    QString openedList() const { return root.filePath(QStringLiteral("opened")); }

private:
    // Every file is written executable, as a program or a trusted desktop entry is.
    void write(const QString& name, const QString& text) const
    {
        QFile file(QDir(root.path()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }

    QTemporaryDir root;
    std::map<std::string, std::optional<QByteArray>> saved;
};

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void opensInTheDesktopsViewer_data()
    {
        QTest::addColumn<FakeDesktop::Viewer>("viewer");
        QTest::addColumn<bool>("asHelp");
        QTest::addColumn<QString>("name");
        QTest::addColumn<OpenResult>("result");
        QTest::addColumn<QStringList>("started");
        const QStringList results{"Opened", "NotFound", "NoViewer", "NotHelpFile"}; // as OpenResult lists them
        const auto rows = testing::ReadCaseTable("portable-desktop-opens.tsv");
        QVERIFY(!rows.empty());
        for (auto row : rows) {
            row.resize(8); // a row where nothing starts ends before its arguments
            const auto text = [&row](int field) { return QString::fromStdString(row.at(std::size_t(field))); };
            QTest::newRow(row[0].c_str())
                << FakeDesktop::Viewer{text(1), row[2] == "yes", row[3] == "yes"} << (row[4] == "help") << text(5)
                << OpenResult(results.indexOf(text(6))) << text(7).split(u' ', Qt::SkipEmptyParts);
        }
    }

    // What opens a help file is found as the desktop's launcher finds it; a file
    // that nothing can open is told apart from a file that is not there, and a
    // file that is no help file is handed to nothing. As help, the file is asked
    // for with F1 on a tried box, which says why in a notice of its own where it
    // cannot open the file, and stays open.
    void opensInTheDesktopsViewer()
    {
        QFETCH(FakeDesktop::Viewer, viewer);
        QFETCH(bool, asHelp);
        QFETCH(QString, name);
        QFETCH(OpenResult, result);
        QFETCH(QStringList, started);
        FakeDesktop desktop(viewer);
        const QString file = desktop.helpFile(name);
        QtPlatform platform;
        if (asHelp) {
            QStringList notice; // its title and its text
            bool triedStillOpen = false;
            QTimer watch;
            QTimer::singleShot(0, this, [&] {
                auto* tried = qobject_cast<MessageBoxDialog*>(QApplication::activeModalWidget());
                connect(&watch, &QTimer::timeout, this, [&, tried] {
                    auto* shown = qobject_cast<MessageBoxDialog*>(QApplication::activeModalWidget());
                    if (!shown || shown == tried)
                        return;
                    watch.stop();
                    notice << shown->windowTitle() << shown->findChild<QLabel*>(QStringLiteral("promptLabel"))->text();
                    QTest::mouseClick(shown->buttons().front(), Qt::LeftButton);
                });
                watch.start(10);
                QTest::keyClick(tried, Qt::Key_F1);
                triedStillOpen = tried->isVisible();
                QTest::mouseClick(tried->buttons().front(), Qt::LeftButton);
            });
            QCOMPARE(platform.ShowMessageBox({"Disk?", 0 + 16384, "Disk", HelpReference{file.toStdString(), 42}}), 1);
            QVERIFY(triedStillOpen);
            // The box wraps long lines where it likes.
            const auto expected = HelpButtonNotice(result, file.toStdString());
            QCOMPARE(notice.join(u' ').simplified(),
                     expected ? QString::fromStdString(ProgramTitle + (' ' + expected->Prompt)).simplified()
                              : QString());
        } else
            QTEST(platform.ShellOpen(0, file.toStdString()), "result");

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

    // Clipboard text reaches the desktop, and comes back, as it is meant.
    void clipboard()
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
    void pathsAndFileTypes()
    {
        QCOMPARE(QtPlatform::LocalPath("/opt/vellumet\\Help Files\\a.chm"),
                 QStringLiteral("/opt/vellumet/Help Files/a.chm"));
        QCOMPARE(QtPlatform::DialogFilter({"Windows Help Files", "*.hlp"}),
                 QStringLiteral("Windows Help Files (*.hlp)"));
        QCOMPARE(QtPlatform::DialogFilter({"All Files", "*.*"}), QStringLiteral("All Files (*)"));
    }

    // A window raised above the others keeps its place and size, as the splash window must.
    void topmostKeepsPlaceAndSize()
    {
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setGeometry(100, 120, 225, 44);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QtPlatform().MakeTopmost(window.winId());
        QVERIFY(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.geometry(), QRect(100, 120, 225, 44));
    }
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatformTest.moc"
