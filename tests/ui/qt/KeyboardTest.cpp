// The Qt main window used from the keyboard: the Tab walks, the arrow keys in an option group, the
// command keys, Enter on a command button and Space on a check box.
#include "support/FrontEndBehaviour.h"
#include "support/MainWindowFixture.h"
#include "support/WindowDriver.h"

#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include <vector>

using namespace vellumet;
using testing::ControlNames;

// The window driven by keys alone, as by someone who uses no pointer: the keys
// go where the focus is, and all the test knows is what has the focus: the
// walks and keys of the front-end behaviour tables, and Space on a check box.
class KeyboardTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void tabWalks_data()
    {
        QTest::addColumn<testing::TabWalk>("walk");
        for (const testing::TabWalk& walk : testing::TabWalks())
            QTest::newRow(walk.Name.c_str()) << walk;
    }

    // The walk goes backwards first, so that it also enters each option group
    // from behind before any of its options has had the focus.
    void tabWalks()
    {
        QFETCH(testing::TabWalk, walk);
        performAll(walk.Steps);
        FocusOn(walk.Tab, "SSTab1");
        QStringList stops;
        for (const std::string& stop : walk.Stops)
            stops << QString::fromStdString(stop);
        QStringList backwards;
        for (qsizetype step = 0; step <= stops.size(); ++step) {
            Press(Qt::Key_Backtab);
            backwards.prepend(QString::fromStdString(FocusName()));
        }
        QCOMPARE(backwards, QStringList{"SSTab1"} + stops);
        QStringList visited;
        for (qsizetype step = 0; step <= stops.size(); ++step) {
            Press(Qt::Key_Tab);
            visited << QString::fromStdString(FocusName());
        }
        QCOMPARE(visited, stops + QStringList{"SSTab1"});
    }

    void arrowKeysSelectWithinGroup_data()
    {
        QTest::addColumn<ControlNames>("group");
        for (const ControlNames& group : testing::OptionGroupMembers())
            QTest::newRow(group.front().c_str()) << group;
    }

    // The arrow keys select the neighbour in the group, wrapping round, and click
    // it; Space on the selected option leaves everything as it was.
    void arrowKeysSelectWithinGroup()
    {
        QFETCH(ControlNames, group);
        const auto expectSelected = [&](const std::string& chosen) {
            QCOMPARE(FocusName(), chosen);
            // The option shows chosen, and frmMain has it chosen, which only a click does.
            for (const std::string& member : group)
                QVERIFY2(checked(QString::fromStdString(member)) == (member == chosen) &&
                             window->Form().State(testing::ControlNamed(member)).Value == int(member == chosen),
                         member.c_str());
        };
        click(QString::fromStdString(group.front()));
        std::size_t at = 0;
        for (const auto& [key, step] : testing::ArrowMoves()) {
            Press(key);
            at = static_cast<std::size_t>(static_cast<int>(at + group.size()) + step) % group.size();
            expectSelected(group[at]);
        }
        for (std::size_t step = 1; step <= group.size(); ++step)
            Press(Qt::Key_Down);
        expectSelected(group[at]);

        Press(Qt::Key_Space);
        expectSelected(group[at]);
    }

    void commandKeys_data()
    {
        QTest::addColumn<testing::FocusPlace>("place");
        for (const testing::FocusPlace& place : testing::KeyFocusPlaces())
            QTest::addRow("%s on tab %d", place.Control.c_str(), place.Tab) << place;
    }

    // Each key presses its command button, wherever the focus rests. The tab
    // keys show the neighbouring tab, with the focus on the tab strip, and type
    // nothing. Esc leaves the focus on the tab strip of the first tab, and
    // whatever is pressed next keeps it on controls that show; each Esc after
    // the first shows the window still answering.
    void commandKeys()
    {
        QFETCH(testing::FocusPlace, place);
        platform->answer = 7; // No, when Exit asks
        for (const testing::CommandKey& key : testing::CommandKeys()) {
            FocusOn(place.Tab, place.Control);
            QSignalSpy pressed(control<QPushButton>(QString::fromStdString(key.Presses)), &QPushButton::clicked);
            Press(key.Key);
            QTRY_COMPARE(pressed.count(), 1); // a mnemonic presses its button after a moment
        }
        performAll({"type:txtBody:Body"});
        for (const auto& [key, step] : testing::TabKeys()) {
            FocusOn(place.Tab, place.Control);
            Press(key);
            QCOMPARE(tabs()->currentIndex(), (place.Tab + step + 4) % 4);
            QVERIFY2(OnTabStrip(), key.c_str());
        }
        QCOMPARE(window->Form().State(Control::txtBody).Text, "Body");
        testing::WithinTimeLimit(std::chrono::seconds(60), [&] {
            for (const auto& keys : testing::KeysAfterReset()) {
                FocusOn(place.Tab, place.Control);
                Press(Qt::Key_Escape);
                QCOMPARE(tabs()->currentIndex(), 0);
                QVERIFY(OnTabStrip());
                for (const std::string& key : keys)
                    Press(key);
                QVERIFY2(Focus()->isVisible(), keys.back().c_str());
            }
        });
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<testing::EnterCase>("button");
        for (const testing::EnterCase& button : testing::EnterCases())
            QTest::newRow(button.Button.c_str()) << button;
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(testing::EnterCase, button);
        platform->answer = 7; // No, when Exit asks
        performAll(button.Steps);
        FocusOn(button.Tab, button.Button);
        QSignalSpy pressed(control<QPushButton>(QString::fromStdString(button.Button)), &QPushButton::clicked);
        Press(Qt::Key_Return);
        QCOMPARE(pressed.count(), 1);
    }

    // Space on the check box that has the focus ticks it in frmMain too, and a second Space clears it.
    void spaceTicksTheFocusedCheckBox()
    {
        for (const char* box : {"chkSystemModal", "chkMsgBoxHelpButton"}) {
            const Control control = testing::ControlNamed(box);
            FocusOn(TabOf(control), box);
            for (const int value : {1, 0}) {
                Press(Qt::Key_Space);
                QCOMPARE(window->Form().State(control).Value, value);
                QVERIFY2(checked(QString::fromLatin1(box)) == (value == 1), box);
            }
        }
    }

private:
    QWidget* Focus() const { return QApplication::focusWidget(); }
    bool OnTabStrip() const { return Focus() == tabs()->strip(); }
    // The focus by the name of its control; the tab strip is the tab control's.
    std::string FocusName() const { return OnTabStrip() ? "SSTab1" : Focus()->objectName().toStdString(); }
    // A key where the focus is, by its code or by the name a key sequence gives it ("Ctrl+Tab").
    void Press(QKeyCombination keys) const { QTest::keyClick(Focus(), keys.key(), keys.keyboardModifiers()); }
    void Press(const std::string& keys) const { Press(QKeySequence(QString::fromStdString(keys))[0]); }
    void FocusOn(int tab, const std::string& name) const
    {
        tabs()->setCurrentIndex(tab);
        (name == "SSTab1" ? tabs()->strip() : control(QString::fromStdString(name)))->setFocus();
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
