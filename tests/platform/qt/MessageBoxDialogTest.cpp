// The message box that "Try It" shows on Linux: the buttons, default, icon and
// answers a style asks for, its plain-text prompt, and a size that fits the screen.
#include "platform/qt/MessageBoxDialog.h"
#include "support/CaseTable.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

using namespace vellumet;

static MessageBoxRequest Request(int style) { return {"Disk?", style, "Disk", HelpReference{"C:\\Help\\a.chm", 7}}; }

class MessageBoxDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsWhatTheStyleAsks_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("icon");   // a QStyle::StandardPixmap, or -1 for none
        QTest::addColumn<int>("escape"); // the answer of Esc and the close box, or 0 where they do nothing
        QTest::addColumn<int>("enter");  // the answer of Enter, or 0 where it opens the help and the box stays
        QTest::addColumn<int>("last");   // the answer of the last answer button, pressed by its letter

        // clang-format off
        QTest::newRow("OK") << 0 << QStringList{"OK"} << "OK" << -1 << 1 << 1 << 1;
        QTest::newRow("OK Cancel, Cancel default, critical") << 1 + 256 + 16 << QStringList{"OK", "Cancel"} << "Cancel" << int(QStyle::SP_MessageBoxCritical) << 2 << 2 << 2;
        QTest::newRow("Yes No Cancel, No default, question") << 3 + 256 + 32 << QStringList{"Yes", "No", "Cancel"} << "No" << int(QStyle::SP_MessageBoxQuestion) << 2 << 7 << 2;
        QTest::newRow("Abort Retry Ignore Help, Help default") << 2 + 768 + 16384 + 48 << QStringList{"Abort", "Retry", "Ignore", "Help"} << "Help" << int(QStyle::SP_MessageBoxWarning) << 0 << 0 << 5;
        QTest::newRow("Yes No, default past the set") << 4 + 512 + 64 << QStringList{"Yes", "No"} << "Yes" << int(QStyle::SP_MessageBoxInformation) << 0 << 6 << 7;
        QTest::newRow("Retry Cancel Help, system-modal") << 5 + 16384 + 4096 << QStringList{"Retry", "Cancel", "Help"} << "Retry" << -1 << 2 << 4 << 2;
        // clang-format on
    }

    // The style sets the buttons, left to right, the focused default, the icon and
    // staying on top, in a frame with a close button only; Esc, the close box,
    // Enter and a button's letter, with Alt or without, then answer as the style says.
    void showsWhatTheStyleAsks()
    {
        QFETCH(int, style);
        QFETCH(int, icon);
        QFETCH(int, escape);
        QFETCH(int, enter);
        QFETCH(int, last);
        enum class Answered { ByEscape, ByCloseBox, ByEnter, ByLetter, ByAltLetter };
        for (const Answered way :
             {Answered::ByEscape, Answered::ByCloseBox, Answered::ByEnter, Answered::ByLetter, Answered::ByAltLetter}) {
            std::vector<HelpReference> opened;
            MessageBoxDialog box(Request(style), [&](const HelpReference& help) { opened.push_back(help); });
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
            const auto frame = box.windowFlags();
            QVERIFY(frame.testFlag(Qt::WindowCloseButtonHint) && !(frame & Qt::WindowMinMaxButtonsHint));
            QCOMPARE(frame.testFlag(Qt::WindowStaysOnTopHint), (style & 4096) != 0);

            auto* iconLabel = box.findChild<QLabel*>(QStringLiteral("iconLabel"));
            QCOMPARE(iconLabel != nullptr, icon >= 0);
            if (iconLabel) {
                const QImage shown = iconLabel->pixmap().toImage();
                QCOMPARE(shown, box.style()->standardIcon(QStyle::StandardPixmap(icon)).pixmap(shown.size()).toImage());
            }

            const QString lastCaption = captions.at(captions.size() - (captions.endsWith("Help") ? 2 : 1));
            if (way == Answered::ByCloseBox)
                box.close();
            else if (way >= Answered::ByLetter)
                QTest::keyClick(focused, lastCaption.front().toLower().toLatin1(),
                                way == Answered::ByAltLetter ? Qt::AltModifier : Qt::NoModifier);
            else
                QTest::keyClick(focused, way == Answered::ByEnter ? Qt::Key_Return : Qt::Key_Escape);
            const int answer = way >= Answered::ByLetter ? last : way == Answered::ByEnter ? enter : escape;
            QCOMPARE(box.isVisible(), answer == 0);
            if (answer)
                QCOMPARE(box.result(), answer);
            // Only Enter on the Help button asks for help, with the box's own file and topic.
            const bool helpAsked = way == Answered::ByEnter && answer == 0;
            QCOMPARE(opened, helpAsked ? std::vector{*Request(style).Help} : std::vector<HelpReference>{});
        }
    }

    // The prompt is plain text with every kind of line break; Ctrl+C copies it
    // with the title and the buttons, laid out as the system's box does.
    void promptIsPlainText()
    {
        MessageBoxDialog box({"<b>one</b>\r\ntwo\rthree\nfour", 1 + 16384, "T", std::nullopt}, {});
        auto* prompt = box.findChild<QLabel*>(QStringLiteral("promptLabel"));
        QCOMPARE(prompt->textFormat(), Qt::PlainText);
        QCOMPARE(prompt->text(), QStringLiteral("<b>one</b>\ntwo\nthree\nfour"));
        QTest::keyClick(box.buttons().front(), Qt::Key_C, Qt::ControlModifier);
        const QString rule(27, u'-');
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringList({rule, "T", rule, prompt->text(), rule, "OK   Cancel   Help   ", rule, ""}).join(u'\n'));
        QVERIFY(box.result() == 0);
    }

    void fitsTheScreen_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        for (const auto& row : testing::ReadCaseTable("linux-message-box-fits.tsv"))
            QTest::newRow(row[0].c_str()) << QString::fromStdString(row[1]).repeated(std::stoi(row[2]))
                                          << std::stoi(row[3]) << QString::fromStdString(row[4]);
    }

    // The longest bodies the window takes are shown whole, wrapped between words,
    // in a box that stays on the screen with all its buttons, and wide enough for
    // its title in the desktop's title font where the screen has room.
    void fitsTheScreen()
    {
        QFETCH(QString, prompt);
        QFETCH(int, style);
        QFETCH(QString, title);
        MessageBoxDialog box({prompt.toStdString(), style, title.toStdString(), std::nullopt}, {});
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QRect screen = box.screen()->availableGeometry();
        QVERIFY2(screen.contains(box.frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2").arg(box.width()).arg(box.height())));
        for (const QPushButton* button : box.buttons())
            QVERIFY(screen.contains(QRect(button->mapToGlobal(QPoint()), button->size())));
        const int titleWidth =
            QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).horizontalAdvance(title);
        QVERIFY(box.width() >= std::min(titleWidth, screen.width() * 5 / 8));

        const QString shown = box.findChild<QLabel*>(QStringLiteral("promptLabel"))->text();
        QCOMPARE(QString(shown).remove(u' ').remove(u'\n'), QString(prompt).remove(u' ').remove(u'\n').remove(u'\r'));
        // Words are never broken; a word is broken only where it is longer than a line.
        if (prompt.contains(u' '))
            for (const QString& word : QString(shown).replace(u'\n', u' ').split(u' ', Qt::SkipEmptyParts))
                QCOMPARE(word, QStringLiteral("retry"));
    }
};

QTEST_MAIN(MessageBoxDialogTest)
#include "MessageBoxDialogTest.moc"
