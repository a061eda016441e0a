#include "platform/MessageBoxDialog.h"
#include "platform/QtPlatform.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

using namespace vellumet;

class MessageBoxDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsWhatTheStyleAsks_data();
    void showsWhatTheStyleAsks();
    void clickEnterAndHelp();
    void promptAndClipboard();
    void pathsAndFileTypes();
};

static MessageBoxRequest Request(int style) { return {"Disk?", style, "Disk", HelpReference{"C:\\Help\\a.chm", 7}}; }

void MessageBoxDialogTest::showsWhatTheStyleAsks_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("icon");   // a QStyle::StandardPixmap, or -1 for none
    QTest::addColumn<int>("escape"); // the answer of Esc and the close box, or 0 where they do nothing

    // clang-format off
    QTest::newRow("OK") << 0 << QStringList{"OK"} << "OK" << -1 << 1;
    QTest::newRow("OK Cancel, Cancel default, critical") << 1 + 256 + 16 << QStringList{"OK", "Cancel"} << "Cancel" << int(QStyle::SP_MessageBoxCritical) << 2;
    QTest::newRow("Yes No Cancel, No default, question") << 3 + 256 + 32 << QStringList{"Yes", "No", "Cancel"} << "No" << int(QStyle::SP_MessageBoxQuestion) << 2;
    QTest::newRow("Abort Retry Ignore Help, Help default") << 2 + 768 + 16384 + 48 << QStringList{"Abort", "Retry", "Ignore", "Help"} << "Help" << int(QStyle::SP_MessageBoxWarning) << 0;
    QTest::newRow("Yes No, default past the set") << 4 + 512 + 64 << QStringList{"Yes", "No"} << "Yes" << int(QStyle::SP_MessageBoxInformation) << 0;
    QTest::newRow("Retry Cancel Help, system-modal") << 5 + 16384 + 4096 << QStringList{"Retry", "Cancel", "Help"} << "Retry" << -1 << 2;
    // clang-format on
}

void MessageBoxDialogTest::showsWhatTheStyleAsks()
{
    QFETCH(int, style);
    for (bool byCloseBox : {false, true}) {
        MessageBoxDialog box(Request(style), {});
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));

        QStringList captions;
        for (const QPushButton* button : box.buttons()) {
            QVERIFY(captions.isEmpty() || box.buttons().at(captions.size() - 1)->x() < button->x());
            captions << button->text();
        }
        QTEST(captions, "captions");
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        QVERIFY(focused && focused->isDefault());
        QTEST(focused->text(), "focused");
        QCOMPARE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint), (style & 4096) != 0);

        QFETCH(int, icon);
        auto* iconLabel = box.findChild<QLabel*>(QStringLiteral("iconLabel"));
        QCOMPARE(iconLabel != nullptr, icon >= 0);
        if (iconLabel) {
            const QImage shown = iconLabel->pixmap().toImage();
            QCOMPARE(shown, box.style()->standardIcon(QStyle::StandardPixmap(icon)).pixmap(shown.size()).toImage());
        }

        QFETCH(int, escape);
        if (byCloseBox)
            box.close();
        else
            QTest::keyClick(focused, Qt::Key_Escape);
        QCOMPARE(box.isVisible(), escape == 0);
        if (escape)
            QCOMPARE(box.result(), escape);
    }
}

void MessageBoxDialogTest::clickEnterAndHelp()
{
    MessageBoxDialog clicked(Request(3 + 256), {});
    clicked.show();
    QTest::mouseClick(clicked.buttons().at(0), Qt::LeftButton);
    QCOMPARE(clicked.result(), 6);
    QVERIFY(!clicked.isVisible());

    MessageBoxDialog entered(Request(2 + 512), {});
    entered.show();
    QVERIFY(QTest::qWaitForWindowActive(&entered));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(entered.result(), 5);

    std::vector<HelpReference> opened;
    MessageBoxDialog helped(Request(1 + 16384), [&](const HelpReference& help) { opened.push_back(help); });
    helped.show();
    QTest::mouseClick(helped.buttons().back(), Qt::LeftButton);
    QVERIFY(helped.isVisible());
    QCOMPARE(opened, (std::vector<HelpReference>{{"C:\\Help\\a.chm", 7}}));
}

// The prompt is plain text with every kind of line break; clipboard text
// reaches the desktop as it is meant.
void MessageBoxDialogTest::promptAndClipboard()
{
    MessageBoxDialog box({"<b>one</b>\r\ntwo\rthree\nfour", 0, "T", std::nullopt}, {});
    auto* prompt = box.findChild<QLabel*>(QStringLiteral("promptLabel"));
    QCOMPARE(prompt->textFormat(), Qt::PlainText);
    QCOMPARE(prompt->text(), QStringLiteral("<b>one</b>\ntwo\nthree\nfour"));

    QtPlatform platform;
    const std::string code = "'*** Start ***\r\n\tMsgBox \"é\", vbOKOnly";
    QVERIFY(platform.SetClipboardText(code));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(code));
    platform.ClearClipboard();
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
}

// Paths are joined by the system's rule, typed Windows paths are found here,
// and a file that is not there is reported, not passed to the launcher.
void MessageBoxDialogTest::pathsAndFileTypes()
{
    const std::tuple<const char*, char, const char*> joins[] = {
        {R"(C:\Program Files\Vellumet)", '\\', R"(C:\Program Files\Vellumet\VellHelp.chm)"},
        {R"(C:\)", '\\', R"(C:\VellHelp.chm)"},
        {"C:/Tools/", '\\', "C:/Tools/VellHelp.chm"},
        {"/usr/local/bin", '/', "/usr/local/bin/VellHelp.chm"},
        {"/", '/', "/VellHelp.chm"},
    };
    for (const auto& [directory, separator, joined] : joins)
        QCOMPARE(JoinPath(directory, "VellHelp.chm", separator), std::string(joined));

    QCOMPARE(QtPlatform::LocalPath("/opt/vellumet\\Help Files\\a.chm"),
             QStringLiteral("/opt/vellumet/Help Files/a.chm"));
    QCOMPARE(QtPlatform::DialogFilter({"Windows Help Files", "*.hlp"}), QStringLiteral("Windows Help Files (*.hlp)"));
    QCOMPARE(QtPlatform::DialogFilter({"All Files", "*.*"}), QStringLiteral("All Files (*)"));

    QtPlatform platform;
    QVERIFY(!platform.ShellOpen(0, "/no/such/folder/VellHelp.chm"));
}

QTEST_MAIN(MessageBoxDialogTest)
#include "MessageBoxDialogTest.moc"
