// What the Qt main window shows and hears: widgets built from the layout table,
// the pictures and colours they show and what a screen reader reads of them, the
// fields' limits and selections, and the events that reach frmMain by pointer,
// keys, clipboard and drop.

#include "support/CaseTable.h"
#include "support/MainWindowFixture.h"
#include "support/WindowDriver.h"
#include "ui/qt/MultiLineTextBox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QtTest>

#include <algorithm>

using namespace vellumet;

class MainWindowTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void eachControlAsFrmMainHasIt_data()
    {
        QTest::addColumn<Control>("control");
        QTest::addColumn<Steps>("steps");
        const auto states = testing::ReadCaseTable("qt-window-states.tsv");
        QVERIFY(!states.empty());
        for (const ControlLayout& row : MainWindowLayout)
            for (const auto& state : states)
                QTest::addRow("%s %s", row.Name.data(), state[0].c_str())
                    << row.Id << Steps(state.begin() + 1, state.end());
    }

    // Each control is a widget in its container, a control on a tab on the tab's
    // page, placed where the layout says in twips, 15 to the pixel at 96 dpi,
    // relative to the container (on a tab, to the whole tab control); a label
    // that takes the size of its caption keeps its place. It shows what
    // frmMain holds for it, its caption or picture, and a screen reader reads
    // frmMain's name and state for it: checked or not, available or not, and
    // shown only on its own tab. The roles do not change with the state; the
    // accessibility-tree test reads them over AT-SPI, as a screen reader does.
    void eachControlAsFrmMainHasIt()
    {
        QFETCH(Control, control);
        QFETCH(Steps, steps);
        performAll(steps);
        const ControlLayout& row = LayoutOf(control);
        const ControlState& state = window->Form().State(control);
        QWidget* widget = window->Widget(control);
        QCOMPARE(widget->objectName(), QLatin1String(row.Name.data(), qsizetype(row.Name.size())));
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(reader && reader->isValid());
        // Qt on Linux names a list by its chosen item, and gives its label by
        // relation (AccessibilityTest::fieldsAreLabelled).
        const bool list = RoleOf(control) == AccessibleRole::ComboBox;
        QCOMPARE(reader->text(QAccessible::Name),
                 QString::fromStdString(list ? state.Text : AccessibleNameOf(control, state.Text)));
        const QAccessible::State read = reader->state();
        QCOMPARE(bool(read.disabled), !state.Enabled);
        const bool choice =
            RoleOf(control) == AccessibleRole::CheckBox || RoleOf(control) == AccessibleRole::RadioButton;
        QCOMPARE(bool(read.checkable), choice);
        QCOMPARE(bool(read.checked), choice && state.Value == 1);
        QCOMPARE(bool(read.invisible), TabOf(control) != NoTab && TabOf(control) != window->Form().SelectedTab());

        if (const QVariant text = widget->property("text"); text.isValid())
            QCOMPARE(text.toString(), QString::fromStdString(state.Text));
        if (row.Kind == ControlKind::Window)
            return; // its place, size and icon are windowFacts'
        const bool onTab = row.Tab != NoTab;
        QCOMPARE(widget->parentWidget(), onTab ? tabs()->page(row.Tab) : window->Widget(row.Container));
        const QRect place(row.Left / 15, row.Top / 15, row.Width / 15, row.Height / 15);
        const QRect shown(onTab ? widget->mapTo(tabs(), QPoint()) : widget->pos(), widget->size());
        QCOMPARE(shown.topLeft(), place.topLeft());
        // A label that takes the size of its caption has the layout's until its caption first changes.
        if (row.Kind == ControlKind::AutoSizeLabel && !steps.empty()) {
            const QFontMetrics metrics = widget->fontMetrics();
            const int needed = metrics.horizontalAdvance(QString::fromStdString(state.Text));
            QVERIFY(shown.width() >= needed && shown.width() <= needed + 2);
            QVERIFY(shown.height() >= metrics.height() && shown.height() <= metrics.height() + 1);
        } else
            QCOMPARE(shown.size(), place.size());
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const QImage picture = label    ? label->pixmap().toImage()
                               : button ? button->icon().pixmap(32).toImage()
                                        : QImage();
        const auto pictures = testing::ReadCaseTable("qt-pictures.tsv");
        const auto drawn = std::ranges::find_if(pictures, [&row](const auto& file) { return file.back() == row.Name; });
        if (drawn == pictures.end())
            QVERIFY(picture.isNull());
        else
            QCOMPARE(picture.convertToFormat(QImage::Format_ARGB32),
                     QImage(QStringLiteral(":/pictures/%1.png").arg(QString::fromStdString(drawn->front())))
                         .convertToFormat(QImage::Format_ARGB32));
    }

    void windowFacts()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Vellumet - Tarnwick Solutions"));
        QCOMPARE(window->size(), QSize(389, 527));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!window->windowIcon().isNull());

        QStringList captions;
        for (int tab = 0; tab < tabs()->count(); ++tab)
            captions << tabs()->strip()->tabText(tab);
        QCOMPARE(captions, (QStringList{"About...", "General", "Style", "Help Button"}));
        QCOMPARE(tabs()->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), tabs()->strip());

        const QScreen* screen = window->screen();
        QVERIFY((window->frameGeometry().center() - screen->availableGeometry().center()).manhattanLength() <= 2);

        auto* link = control<QLabel>(QStringLiteral("lblLink"));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(link->font().underline());
        QCOMPARE(link->font().pointSize(), 12);
        QCOMPARE(control<QLabel>(QStringLiteral("Label8"))->font().pointSize(), 12);
        QCOMPARE(link->cursor().hotSpot(), QPoint(12, 4));
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("mostColours");
        const auto rows = testing::ReadCaseTable("qt-pictures.tsv");
        QVERIFY(!rows.empty());
        for (const auto& row : rows)
            QTest::newRow(row[0].c_str()) << QString::fromStdString(row[0])
                                          << QSize(std::stoi(row.at(1)), std::stoi(row.at(2))) << std::stoi(row.at(3));
    }

    void pictures()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(int, mostColours);
        const QImage picture(QStringLiteral(":/pictures/%1.png").arg(file));
        QCOMPARE(picture.size(), size);
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (const QRgb pixel = picture.pixel(x, y); qAlpha(pixel) != 0)
                    colours.insert(pixel);
        if (mostColours > 0)
            QVERIFY2(colours.size() <= mostColours, qPrintable(QString::number(colours.size())));
    }

    void captionsFit()
    {
        // A caption cut off at the edge of its control is a caption the user cannot read.
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const QString caption = widget->property("text").toString().remove(u'&');
            if (caption.isEmpty() || qobject_cast<QLineEdit*>(widget) || qobject_cast<MultiLineTextBox*>(widget))
                continue;
            int needed = widget->fontMetrics().horizontalAdvance(caption);
            if (qobject_cast<QPushButton*>(widget))
                needed += 4;
            else if (qobject_cast<QAbstractButton*>(widget))
                needed += widget->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                          widget->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            QVERIFY2(needed <= widget->width(), qPrintable(widget->objectName()));
            QVERIFY2(widget->fontMetrics().height() <= widget->height() + 1, qPrintable(widget->objectName()));
        }
    }

    // The bare window, each tab page with its selected tab, and every frame show
    // the one window colour of the desktop's palette.
    void oneBackgroundColour()
    {
        const QColor windowColour = window->palette().color(QPalette::Window);
        for (int tab = 0; tab < tabs()->count(); ++tab) {
            tabs()->setCurrentIndex(tab);
            const QImage shown = window->grab().toImage();
            const QRect selectedTab = tabs()->strip()->tabRect(tab);
            std::vector<std::pair<QString, QPoint>> places{
                {"window", {2, window->height() - 2}},
                {"page", tabs()->mapTo(window.get(), QPoint(4, tabs()->height() - 4))},
                {"selected tab", tabs()->strip()->mapTo(window.get(), selectedTab.topLeft() + QPoint(3, 3))}};
            for (const ControlLayout& row : MainWindowLayout)
                if (QWidget* frame = window->Widget(row.Id); IsContainer(row.Id) && frame->isVisible())
                    places.emplace_back(frame->objectName(),
                                        frame->mapTo(window.get(), QPoint(4, frame->height() - 4)));
            for (const auto& [place, point] : places)
                QVERIFY2(
                    shown.pixelColor(point) == windowColour,
                    qPrintable(QStringLiteral("tab %1, %2: %3").arg(tab).arg(place, shown.pixelColor(point).name())));
        }
    }

    void textLimits_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        const auto rows = testing::ReadCaseTable("qt-text-limits.tsv");
        QVERIFY(!rows.empty());
        for (const auto& row : rows) {
            const auto text = [&row](std::size_t field) { return QString::fromStdString(row.at(field)); };
            QTest::newRow(row[0].c_str())
                << text(1) << text(2) << std::stoi(row.at(3)) << text(4) << text(5) << text(6);
        }
    }

    void textLimits()
    {
        QFETCH(QString, field);
        QFETCH(QString, before);
        QFETCH(int, selected);
        QFETCH(QString, pasted);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QWidget* box = control(field);
        box->setEnabled(true);
        showTabOf(box);
        box->setFocus();
        box->setProperty("text", before);
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        for (int i = 0; i < std::abs(selected); ++i)
            QTest::keyClick(box, Qt::Key_Left, selected > 0 ? Qt::ShiftModifier : Qt::NoModifier);
        if (!pasted.isEmpty())
            Paste(box, pasted);
        QTest::keyClicks(box, typed);
        QCOMPARE(box->property("text").toString(), after);
    }

    void bodyReadsLineBreaksAsCrLf()
    {
        auto* body = control<MultiLineTextBox>(QStringLiteral("txtBody"));
        showTabOf(body);
        body->setFocus();
        TypeKeys(body, QStringLiteral("one\r\ntwo"));
        QTest::keyClick(body, Qt::Key_Enter, Qt::ShiftModifier);
        Paste(body, QStringLiteral("a\rb\nc\r\nd\te\u00a0f"));
        QCOMPARE(body->text(), QStringLiteral("one\r\ntwo\r\na\r\nb\r\nc\r\nd\te\u00a0f"));
        // The limit counts each line break the field holds as two characters.
        QCOMPARE(body->length(), 3 + 2 + 3 + 2 + 1 + 2 + 1 + 2 + 1 + 2 + 5);
        QCOMPARE(body->lineWrapMode(), QPlainTextEdit::NoWrap);
    }

    void focusSelectsWholeText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("arrival");
        QTest::addColumn<QString>("typed");
        for (const char* arrival : {"Tab", "click", "program"})
            for (const auto& row : testing::ReadCaseTable("qt-focus-selects.tsv"))
                QTest::addRow("%s, %s", row[0].c_str(), arrival)
                    << QString::fromStdString(row[1]) << QString::fromStdString(row[2]) << arrival
                    << QString::fromStdString(row[3]);
    }

    // Whatever brings the focus, the whole text is selected and typing replaces it.
    void focusSelectsWholeText()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, arrival);
        QFETCH(QString, typed);
        click(QStringLiteral("optYesNo1"));
        click(QStringLiteral("chkMsgBoxHelpButton"));
        QWidget* box = control(field);
        showTabOf(box);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        Paste(box, text);
        QCOMPARE(window->Form().State(testing::ControlNamed(field.toStdString())).Text, text.toStdString());
        control(QStringLiteral("cmdTry"))->setFocus();

        if (arrival == u"Tab") {
            QWidget* before = box->previousInFocusChain();
            while (!before->isEnabled() || !before->isVisible() || !(before->focusPolicy() & Qt::TabFocus))
                before = before->previousInFocusChain();
            before->setFocus();
            QTest::keyClick(before, Qt::Key_Tab);
        } else if (arrival == u"click") {
            click(field);
        } else {
            box->setFocus();
        }
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->inputMethodQuery(Qt::ImCurrentSelection).toString().size(), text.size() - text.count(u'\r'));
        QTest::keyClicks(box, typed);
        QCOMPARE(box->property("text").toString(), typed);
    }

    // Coming back to the window from another, the field keeps its caret: only
    // the focus arriving from inside the window selects the whole text.
    void returningToTheWindowKeepsTheCaret()
    {
        click(QStringLiteral("txtBody"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abcdef"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QWidget other;
        other.show();
        for (QWidget* active : {&other, static_cast<QWidget*>(window.get())}) {
            active->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(active));
        }
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("X"));
        QCOMPARE(window->Form().State(Control::txtBody).Text, "abcdXef");
    }

    // The link turns red under the pointer, and blue again only over the frame
    // around it, the tab control or the bare window. On the #EFEFEF window the
    // red takes the darker shade that reads well.
    void linkFollowsPointer()
    {
        auto* link = control<QLabel>(QStringLiteral("lblLink"));
        showTabOf(link);
        for (const auto& move : testing::ReadCaseTable("qt-link-moves.tsv")) {
            QTest::mouseMove(control(QString::fromStdString(move[0])), QPoint(std::stoi(move[1]), std::stoi(move[2])));
            QVERIFY2(link->palette().color(QPalette::WindowText) == QColor(QString::fromStdString(move[3])),
                     move[0].c_str());
        }
    }

    // The close box and Exit ask the unload query; No keeps the window open, Yes closes it.
    void closingAsksFirst()
    {
        for (const auto& [byCloseBox, answer] : {std::pair(true, 7), std::pair(false, 7), std::pair(false, 6)}) {
            platform->answer = answer;
            byCloseBox ? void(window->close()) : click(QStringLiteral("cmdExit"));
            QCOMPARE(window->isVisible(), answer == 7);
        }
        QCOMPARE(platform->messageBoxes.size(), std::size_t{3});
    }

    // Browse, Help and the maker's link hand the platform this window as the owner.
    void commandsNameTheWindow()
    {
        click(QStringLiteral("chkMsgBoxHelpButton"));
        for (const char* command : {"cmdBrowse", "cmdHelp", "lblLink"})
            click(QString::fromLatin1(command));
        QCOMPARE(platform->calls,
                 (std::vector<std::string>{"ChooseFileToOpen", "ApplicationPath", "ShellOpen", "ShellOpen"}));
        QCOMPARE(platform->owners, std::vector<WindowHandle>(3, WindowHandle(window->winId())));
    }

    // The list offers the languages' captions, a pick by keys reaches frmMain and
    // the check box fits each folder it names. Alt+D reaches the list from another
    // tab and from its own; Esc closes the open list and does nothing more.
    void languageList()
    {
        auto* list = control<QComboBox>(QStringLiteral("cboLanguage"));
        for (QWidget* place : {static_cast<QWidget*>(tabs()->strip()), control(QStringLiteral("txtTitle"))}) {
            showTabOf(place);
            QTest::keyClick(place, Qt::Key_D, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), list);
        }
        for (const LanguageRow& language : Languages) {
            QCOMPARE(list->currentText().toStdString(), std::string(language.Caption));
            QCOMPARE(window->Form().Snapshot().CodeLanguage, language.Id);
            captionsFit();
            QTest::keyClick(list, Qt::Key_Down);
        }
        list->showPopup();
        QTest::keyClick(list->view(), Qt::Key_Escape);
        QTRY_VERIFY(!list->view()->isVisible());
        QCOMPARE(QApplication::focusWidget(), list);
    }
    // Ctrl+Shift+V reads the call on the clipboard even from inside a text field,
    // where Ctrl+Z then takes the read back; after that the field's Ctrl+Z takes
    // back its typing. Text dropped beside the fields is read as a call; on a
    // field it is only text.
    void readsCallByKeyAndDrop()
    {
        auto* body = control<MultiLineTextBox>(QStringLiteral("txtBody"));
        auto* title = control<QLineEdit>(QStringLiteral("txtTitle"));
        showTabOf(body);
        body->setFocus();
        platform->clipboard = "MsgBox \"From the clipboard\", vbYesNo";
        QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(body->text(), QStringLiteral("From the clipboard"));
        QVERIFY(checked(QStringLiteral("optYesNo1")));
        for (const QString& typed : {QString(), QStringLiteral("ab")}) {
            QTest::keyClicks(body, typed);
            QTest::keyClick(body, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(body->text(), QString());
        }
        QVERIFY(checked(QStringLiteral("optOKOnly")));

        const auto drop = [this](QWidget* target, const QString& text) {
            QMimeData data;
            data.setText(text);
            const QPointF at = target->mapTo(window.get(), target->rect().center());
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window->windowHandle(), &enter);
            QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window->windowHandle(), &dropped);
            return dropped.isAccepted();
        };
        QVERIFY(drop(control<QLabel>(QStringLiteral("Label2")), QStringLiteral("MsgBox \"Dropped\", vbCritical")));
        QCOMPARE(body->text(), QStringLiteral("Dropped"));
        QVERIFY(checked(QStringLiteral("optCritical")));

        QVERIFY(drop(title, QStringLiteral("MsgBox \"Not read\"")));
        QCOMPARE(title->text(), QStringLiteral("MsgBox \"Not read\""));
        QCOMPARE(window->Form().State(Control::txtTitle).Text, "MsgBox \"Not read\"");
        QCOMPARE(body->text(), QStringLiteral("Dropped"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
