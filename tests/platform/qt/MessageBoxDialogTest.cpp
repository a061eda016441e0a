#include "platform/qt/MessageBoxDialog.h"

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
    void promptIsPlainText();
    void fitsTheScreen_data();
    void fitsTheScreen();
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

// The prompt is plain text with every kind of line break.
void MessageBoxDialogTest::promptIsPlainText()
{
    MessageBoxDialog box({"<b>one</b>\r\ntwo\rthree\nfour", 0, "T", std::nullopt}, {});
    auto* prompt = box.findChild<QLabel*>(QStringLiteral("promptLabel"));
    QCOMPARE(prompt->textFormat(), Qt::PlainText);
    QCOMPARE(prompt->text(), QStringLiteral("<b>one</b>\ntwo\nthree\nfour"));
}

void MessageBoxDialogTest::fitsTheScreen_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("style");
    QString words;
    while (words.size() < 1020)
        words += QStringLiteral("retry ");
    QString lines;
    while (lines.size() < 1022)
        lines += QStringLiteral("a\r\n");
    QTest::newRow("one long line of words") << words << 2 + 16 + 16384;
    QTest::newRow("no spaces at all") << QString(1024, u'x') << 3;
    QTest::newRow("many lines") << lines << 0 + 64;
    QTest::newRow("many lines of one long word") << QString(100, u'y') + "\r\n" + QString(900, u'z') << 4 + 32;
}

// The longest bodies the window takes are shown whole, wrapped between words,
// in a box that stays on the screen with all its buttons.
void MessageBoxDialogTest::fitsTheScreen()
{
    QFETCH(QString, prompt);
    QFETCH(int, style);
    MessageBoxDialog box({prompt.toStdString(), style, "Long", std::nullopt}, {});
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect screen = box.screen()->availableGeometry();
    QVERIFY2(screen.contains(box.frameGeometry()),
             qPrintable(QStringLiteral("%1x%2").arg(box.width()).arg(box.height())));
    for (const QPushButton* button : box.buttons())
        QVERIFY(screen.contains(QRect(button->mapToGlobal(QPoint()), button->size())));

    const QString shown = box.findChild<QLabel*>(QStringLiteral("promptLabel"))->text();
    QString unbroken = prompt;
    unbroken.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(QString(shown).remove(u' ').remove(u'\n'), QString(unbroken).remove(u' ').remove(u'\n'));
    // Words are never broken; a word is broken only where it is longer than a line.
    if (prompt.contains(u' '))
        for (const QString& word : QString(shown).replace(u'\n', u' ').split(u' ', Qt::SkipEmptyParts))
            QCOMPARE(word, QStringLiteral("retry"));
}

QTEST_MAIN(MessageBoxDialogTest)
#include "MessageBoxDialogTest.moc"
