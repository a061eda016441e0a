#include "support/CaseTable.h"
#include "support/FrontEndBehaviour.h"
#include "support/MainWindowFixture.h"
#include "support/WindowDriver.h"

#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include <optional>
#include <vector>

using namespace vellumet;
using testing::ControlNames;

namespace {

// Enough presses of a key to go round the whole window.
constexpr int MostPresses = 2 * int(ControlCount);

QString NameOf(Control control)
{
    const std::string_view name = LayoutOf(control).Name;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

std::optional<Control> ControlOf(const QWidget* widget)
{
    for (const ControlLayout& row : MainWindowLayout)
        if (widget && widget->objectName() == NameOf(row.Id))
            return row.Id;
    return std::nullopt;
}

} // namespace

// The window driven by keys alone, as by someone who uses no pointer: the keys
// go where the focus is, and all the test knows is what has the focus. The
// walks and keys of the front-end behaviour tables, then the worked examples.
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

    // The arrow keys select the neighbour in the group, wrapping round, and run its
    // click handler; Space on the selected option leaves everything as it was.
    void arrowKeysSelectWithinGroup()
    {
        QFETCH(ControlNames, group);
        const auto expectSelected = [&](const std::string& chosen) {
            QCOMPARE(FocusName(), chosen);
            for (const std::string& member : group)
                QVERIFY2(checked(QString::fromStdString(member)) == (member == chosen), member.c_str());
            if (GroupOf(testing::ControlNamed(chosen)) == GroupOf(Control::optOKOnly))
                QCOMPARE(window->Widget(Control::lblDefault)->property("text"),
                         control(QString::fromStdString(chosen))->property("text"));
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

    void workedExamples_data()
    {
        QTest::addColumn<std::string>("golden");
        QTest::addColumn<Steps>("steps");
        for (const auto& row : testing::ReadCaseTable("window-examples.tsv"))
            QTest::newRow(row[0].c_str()) << row[1] << Steps(row.begin() + 6, row.end());
    }

    // Each worked example made from the keyboard copies its code byte for byte,
    // Alt+C pressing Copy Code; Esc then brings back the start, from which the same
    // keys make the same code again.
    void workedExamples()
    {
        QFETCH(std::string, golden);
        QFETCH(Steps, steps);
        const std::string code = testing::ReadDataFile("golden/" + golden);
        for (int round = 1; round <= 2; ++round) {
            platform->clipboard.clear();
            for (const std::string& step : steps) {
                PerformByKeys(step);
                if (QTest::currentTestFailed())
                    return;
            }
            Press(Qt::Key_C, Qt::AltModifier);
            QTRY_COMPARE(platform->clipboard, code); // a mnemonic presses its button after a moment
            Press(Qt::Key_Escape);
        }
        QVERIFY(platform->messageBoxes.empty());
    }

private:
    QWidget* Focus() const { return QApplication::focusWidget(); }
    bool OnTabStrip() const { return Focus() == tabs()->strip(); }
    // The focus by the name of its control; the tab strip is the tab control's.
    std::string FocusName() const { return OnTabStrip() ? "SSTab1" : Focus()->objectName().toStdString(); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(Focus(), key, modifiers);
    }
    void Press(const std::string& keys) const
    {
        const QKeyCombination pressed = QKeySequence(QString::fromStdString(keys))[0];
        Press(pressed.key(), pressed.keyboardModifiers());
    }
    void FocusOn(int tab, const std::string& name) const
    {
        tabs()->setCurrentIndex(tab);
        (name == "SSTab1" ? tabs()->strip() : control(QString::fromStdString(name)))->setFocus();
    }

    // On the tab strip, the arrow keys go from tab to tab.
    void ShowTab(int tab) const
    {
        QVERIFY(OnTabStrip());
        while (tabs()->currentIndex() != tab) {
            const int before = tabs()->currentIndex();
            Press(before < tab ? Qt::Key_Right : Qt::Key_Left);
            QVERIFY2(tabs()->currentIndex() != before, "the arrow keys do not change the tab");
        }
        QVERIFY(OnTabStrip());
    }

    // From the tab strip, Tab goes on to the control; an option is reached at its group.
    void TabTo(Control target) const
    {
        const auto arrived = [this, target] {
            const std::optional<Control> at = ControlOf(Focus());
            return at && (*at == target || (IsOption(target) && IsOption(*at) && GroupOf(*at) == GroupOf(target)));
        };
        Press("Ctrl+Tab"); // from anywhere to the tab strip
        if (const int tab = TabOf(target); tab != NoTab)
            ShowTab(tab);
        for (int presses = 0; presses < MostPresses && !arrived(); ++presses) {
            Press(Qt::Key_Tab);
            QVERIFY2(!OnTabStrip(), qPrintable(QStringLiteral("Tab goes round without reaching ") + NameOf(target)));
        }
        QVERIFY2(arrived(), qPrintable(NameOf(target)));
    }

    // Within its group the arrow keys select an option.
    void Choose(Control option) const
    {
        TabTo(option);
        for (std::size_t presses = 0; presses < OptionsOf(GroupOf(option)).size() && !checked(NameOf(option));
             ++presses)
            Press(Qt::Key_Down);
        QVERIFY2(checked(NameOf(option)), qPrintable(NameOf(option)));
        QCOMPARE(Focus(), control(NameOf(option)));
    }

    // A step of window-examples.tsv, by keys: an option is chosen with the arrow
    // keys, a check box or button pressed with Space, and a field typed into,
    // Enter for each line break.
    void PerformByKeys(const std::string& step) const
    {
        const QString text = QString::fromStdString(step);
        const Control target = testing::ControlNamed(text.section(u':', 1, 1).toStdString());
        if (text.startsWith(u"click:") && IsOption(target)) {
            Choose(target);
        } else if (text.startsWith(u"click:")) {
            TabTo(target);
            Press(Qt::Key_Space);
        } else if (text.startsWith(u"type:")) {
            TabTo(target);
            TypeKeys(Focus(), text.section(u':', 2));
        } else {
            QFAIL(qPrintable(QStringLiteral("no keys for the step ") + text));
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
