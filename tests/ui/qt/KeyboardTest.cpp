#include "support/CaseTable.h"
#include "support/MainWindowFixture.h"
#include "support/WindowDriver.h"

#include <QAccessible>
#include <QTabBar>
#include <QtTest>

#include <algorithm>
#include <optional>
#include <vector>

using namespace vellumet;

// The window driven by keys alone, as by someone who uses no pointer: the keys
// go where the focus is, and all the test knows is what has the focus.
class KeyboardTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void everyControlIsReached();
    void workedExamples_data();
    void workedExamples();

private:
    QWidget* Focus() const { return QApplication::focusWidget(); }
    bool OnTabStrip() const { return Focus() == tabs()->strip(); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(Focus(), key, modifiers);
    }

    void BackToTabStrip() const;
    void ShowTab(int tab) const;
    void TabTo(Control target) const;
    void Choose(Control option) const;
    void PerformByKeys(const std::string& step) const;
};

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

// Shift+Tab goes back to the tab strip from anywhere, the field left focused
// on a hidden tab by Reset included.
void KeyboardTest::BackToTabStrip() const
{
    for (int presses = 0; presses < MostPresses && !OnTabStrip(); ++presses)
        Press(Qt::Key_Backtab);
    QVERIFY2(OnTabStrip(), "Shift+Tab never reaches the tab strip");
}

// On the tab strip, the arrow keys go from tab to tab.
void KeyboardTest::ShowTab(int tab) const
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
void KeyboardTest::TabTo(Control target) const
{
    const auto arrived = [this, target] {
        const std::optional<Control> at = ControlOf(Focus());
        return at && (*at == target || (IsOption(target) && IsOption(*at) && GroupOf(*at) == GroupOf(target)));
    };
    BackToTabStrip();
    if (const int tab = TabOf(target); tab != NoTab)
        ShowTab(tab);
    for (int presses = 0; presses < MostPresses && !arrived(); ++presses) {
        Press(Qt::Key_Tab);
        QVERIFY2(!OnTabStrip(), qPrintable(QStringLiteral("Tab goes round without reaching ") + NameOf(target)));
    }
    QVERIFY2(arrived(), qPrintable(NameOf(target)));
}

// Within its group the arrow keys select an option.
void KeyboardTest::Choose(Control option) const
{
    TabTo(option);
    for (std::size_t presses = 0; presses < OptionsOf(GroupOf(option)).size() && !checked(NameOf(option)); ++presses)
        Press(Qt::Key_Down);
    QVERIFY2(checked(NameOf(option)), qPrintable(NameOf(option)));
    QCOMPARE(Focus(), control(NameOf(option)));
}

// A step of window-examples.tsv, by keys: an option is chosen with the arrow
// keys, a check box or button pressed with Space, and a field typed into,
// Enter for each line break.
void KeyboardTest::PerformByKeys(const std::string& step) const
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
        const QStringList lines = text.section(u':', 2).split(QStringLiteral("\r\n"));
        for (qsizetype line = 0; line < lines.size(); ++line) {
            if (line > 0)
                Press(Qt::Key_Return);
            QTest::keyClicks(Focus(), lines[line]);
        }
    } else {
        QFAIL(qPrintable(QStringLiteral("no keys for the step ") + text));
    }
}

// Tab, Shift+Tab and the arrow keys reach every control that takes the focus,
// each on its own tab where the user sees it, each with a name to speak. The
// settings out of reach at start are brought within reach first, by keys.
void KeyboardTest::everyControlIsReached()
{
    Choose(Control::optOKCancel1);
    TabTo(Control::chkMsgBoxHelpButton);
    Press(Qt::Key_Space);

    QStringList reached;
    const auto note = [this, &reached] {
        QVERIFY2(Focus()->isVisible(), qPrintable(Focus()->objectName()));
        QVERIFY2(!QAccessible::queryAccessibleInterface(Focus())->text(QAccessible::Name).isEmpty(),
                 qPrintable(Focus()->objectName()));
        reached << (OnTabStrip() ? NameOf(Control::SSTab1) : Focus()->objectName());
    };
    for (int tab = AboutTab; tab <= HelpButtonTab; ++tab) {
        BackToTabStrip();
        ShowTab(tab);
        note();
        for (int presses = 0; presses < MostPresses; ++presses) {
            Press(Qt::Key_Tab);
            if (OnTabStrip())
                break;
            note();
            if (const std::optional<Control> at = ControlOf(Focus()); at && IsOption(*at)) {
                for (std::size_t member = 1; member < OptionsOf(GroupOf(*at)).size(); ++member) {
                    Press(Qt::Key_Down);
                    note();
                }
                Press(Qt::Key_Down);
                QVERIFY(ControlOf(Focus()) == at);
            }
        }
        QVERIFY2(OnTabStrip(), qPrintable(QStringLiteral("Tab never comes back round on tab %1").arg(tab)));
    }

    QStringList takingFocus;
    for (const ControlLayout& row : MainWindowLayout)
        if (TakesFocus(row.Kind))
            takingFocus << NameOf(row.Id);
    reached.sort();
    reached.removeDuplicates();
    takingFocus.sort();
    QCOMPARE(reached, takingFocus);
}

void KeyboardTest::workedExamples_data()
{
    QTest::addColumn<std::string>("golden");
    QTest::addColumn<Steps>("steps");
    for (const auto& row : testing::ReadCaseTable("window-examples.tsv"))
        QTest::newRow(row[0].c_str()) << row[1] << Steps(row.begin() + 6, row.end());
}

// Each worked example made from the keyboard copies its code byte for byte,
// Alt+C pressing Copy Code; Esc then brings back the start, from which the same
// keys make the same code again.
void KeyboardTest::workedExamples()
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

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
