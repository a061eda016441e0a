#include "platform/MessageBoxDialog.h"
#include "platform/QtPlatform.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

using namespace vellumet;

namespace {

QStringList Captions(const MessageBoxDialog& box)
{
    QStringList captions;
    for (const QPushButton* button : box.buttons())
        captions << button->text();
    return captions;
}

MessageBoxRequest Request(int style)
{
    return {"The disk is not ready.\r\nInsert it.", style, "Disk", HelpReference{"C:\\Help\\Orders.chm", 7}};
}

} // namespace

class MessageBoxDialogTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsStandInTheSetsOrder_data();
    void buttonsStandInTheSetsOrder();
    void iconOfTheStyle_data();
    void iconOfTheStyle();
    void escapeAnswers_data();
    void escapeAnswers();
    void clickAndEnterAnswer();
    void helpOpensTheFileAndKeepsTheBoxOpen();
    void systemModalStaysOnTop();
    void promptShowsLineBreaksAsPlainText();
    void helpPathUsesThisSystemsSeparator();
    void clipboardHoldsTheText();
};

void MessageBoxDialogTest::buttonsStandInTheSetsOrder_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("defaultCaption");

    QTest::newRow("OK only") << 0 << QStringList{"OK"} << "OK";
    QTest::newRow("OK Cancel, Cancel default") << 257 << QStringList{"OK", "Cancel"} << "Cancel";
    QTest::newRow("Yes No Cancel, No default") << 259 << QStringList{"Yes", "No", "Cancel"} << "No";
    QTest::newRow("Abort Retry Ignore Help, Help default")
        << 2 + 768 + 16384 << QStringList{"Abort", "Retry", "Ignore", "Help"} << "Help";
    QTest::newRow("Retry Cancel Help, Retry default") << 5 + 16384 << QStringList{"Retry", "Cancel", "Help"} << "Retry";
    QTest::newRow("Yes No, default past the set falls back") << 4 + 512 << QStringList{"Yes", "No"} << "Yes";
}

void MessageBoxDialogTest::buttonsStandInTheSetsOrder()
{
    QFETCH(int, style);
    QFETCH(QStringList, captions);
    QFETCH(QString, defaultCaption);

    MessageBoxDialog box(Request(style), {});
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(Captions(box), captions);

    // The buttons also stand left to right in that order on the screen.
    for (std::size_t i = 1; i < box.buttons().size(); ++i)
        QVERIFY(box.buttons()[i - 1]->x() < box.buttons()[i]->x());

    auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
    QVERIFY(focused);
    QCOMPARE(focused->text(), defaultCaption);
    QVERIFY(focused->isDefault());
}

void MessageBoxDialogTest::iconOfTheStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("standardPixmap");

    QTest::newRow("none") << 0 << -1;
    QTest::newRow("critical") << 16 << int(QStyle::SP_MessageBoxCritical);
    QTest::newRow("question") << 32 << int(QStyle::SP_MessageBoxQuestion);
    QTest::newRow("exclamation") << 48 << int(QStyle::SP_MessageBoxWarning);
    QTest::newRow("information") << 64 + 3 << int(QStyle::SP_MessageBoxInformation);
}

void MessageBoxDialogTest::iconOfTheStyle()
{
    QFETCH(int, style);
    QFETCH(int, standardPixmap);

    MessageBoxDialog box(Request(style), {});
    auto* iconLabel = box.findChild<QLabel*>(QStringLiteral("iconLabel"));
    if (standardPixmap < 0) {
        QVERIFY(!iconLabel);
        return;
    }
    QVERIFY(iconLabel);
    const QImage shown = iconLabel->pixmap().toImage();
    const QImage expected = box.style()
                                ->standardIcon(QStyle::StandardPixmap(standardPixmap), nullptr, &box)
                                .pixmap(shown.size())
                                .toImage();
    QCOMPARE(shown, expected);
}

void MessageBoxDialogTest::escapeAnswers_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("answer"); // 0: the box stays open

    QTest::newRow("OK only answers OK") << 0 << 1;
    QTest::newRow("OK Cancel answers Cancel") << 1 << 2;
    QTest::newRow("Yes No Cancel answers Cancel") << 3 << 2;
    QTest::newRow("Retry Cancel with Help answers Cancel") << 5 + 16384 << 2;
    QTest::newRow("Yes No stays open") << 4 << 0;
    QTest::newRow("Abort Retry Ignore stays open") << 2 << 0;
}

void MessageBoxDialogTest::escapeAnswers()
{
    QFETCH(int, style);
    QFETCH(int, answer);

    for (bool closeBox : {false, true}) {
        MessageBoxDialog box(Request(style), {});
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        if (closeBox)
            box.close();
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(box.isVisible(), answer == 0);
        if (answer != 0)
            QCOMPARE(box.result(), answer);
    }
}

void MessageBoxDialogTest::clickAndEnterAnswer()
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
}

void MessageBoxDialogTest::helpOpensTheFileAndKeepsTheBoxOpen()
{
    std::vector<HelpReference> opened;
    MessageBoxDialog box(Request(1 + 16384), [&](const HelpReference& help) { opened.push_back(help); });
    box.show();
    QTest::mouseClick(box.buttons().back(), Qt::LeftButton);
    QCOMPARE(opened.size(), 1u);
    QCOMPARE(opened.front().File, std::string("C:\\Help\\Orders.chm"));
    QCOMPARE(opened.front().Context, std::int16_t(7));
    QVERIFY(box.isVisible());
}

void MessageBoxDialogTest::systemModalStaysOnTop()
{
    QVERIFY(MessageBoxDialog(Request(4096), {}).windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!MessageBoxDialog(Request(0), {}).windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(MessageBoxDialog(Request(0), {}).isModal());
}

void MessageBoxDialogTest::promptShowsLineBreaksAsPlainText()
{
    MessageBoxDialog box({"<b>one</b>\r\ntwo\rthree\nfour", 0, "T", std::nullopt}, {});
    auto* prompt = box.findChild<QLabel*>(QStringLiteral("promptLabel"));
    QVERIFY(prompt);
    QCOMPARE(prompt->textFormat(), Qt::PlainText);
    QCOMPARE(prompt->text(), QStringLiteral("<b>one</b>\ntwo\nthree\nfour"));
    QCOMPARE(box.windowTitle(), QStringLiteral("T"));
}

void MessageBoxDialogTest::helpPathUsesThisSystemsSeparator()
{
    QCOMPARE(QtPlatform::LocalHelpPath("/opt/vellumet\\Orders.chm"), QStringLiteral("/opt/vellumet/Orders.chm"));
    QCOMPARE(QtPlatform::LocalHelpPath("Help Files\\Orders.chm"), QStringLiteral("Help Files/Orders.chm"));
}

void MessageBoxDialogTest::clipboardHoldsTheText()
{
    QtPlatform platform;
    const std::string code = "'*** Start ***\r\n\tMsgBox \"é\", vbOKOnly";
    QVERIFY(platform.SetClipboardText(code));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(code));
    platform.ClearClipboard();
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
}

QTEST_MAIN(MessageBoxDialogTest)
#include "MessageBoxDialogTest.moc"
