#include "support/MainWindowFixture.h"
#include "support/WindowDriver.h"

#include <QAccessible>
#include <QLabel>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace vellumet;

class AccessibilityTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachControlAsFrmMainHasIt_data();
    void eachControlAsFrmMainHasIt();
    void actionsClickAsTheUserWould_data();
    void actionsClickAsTheUserWould();
    void fieldsAreLabelled();
    void linkStandsOutFromTheWindow();

private:
    QAccessibleInterface* InterfaceOf(Control control) const
    {
        return QAccessible::queryAccessibleInterface(window->Widget(control));
    }
    QString SpokenName(Control control) const { return InterfaceOf(control)->text(QAccessible::Name); }
    const ControlState& StateOf(Control control) const { return window->Form().State(control); }
};

namespace {

// WCAG's relative luminance and contrast ratio.
double Luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& one, const QColor& other)
{
    const double first = Luminance(one), second = Luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace

void AccessibilityTest::init() { openWindow(); }

void AccessibilityTest::cleanup() { closeWindow(); }

// A choice of each kind away from the start, and the Help button with its settings.
static const Steps ChangedChoices{"click:optValue",      "click:chkSystemModal",      "click:optCritical",
                                  "click:optYesNo2",     "click:chkMsgBoxHelpButton", "click:chkAppPathHelpFile",
                                  "type:txtTitle:Saved", "click:optInformation"};

void AccessibilityTest::eachControlAsFrmMainHasIt_data()
{
    QTest::addColumn<Control>("control");
    QTest::addColumn<Steps>("steps");
    for (const ControlLayout& row : MainWindowLayout) {
        QTest::addRow("%s at start", row.Name.data()) << row.Id << Steps{};
        QTest::addRow("%s after changes", row.Name.data()) << row.Id << ChangedChoices;
    }
}

// The name, role and state a screen reader reads are frmMain's, control by
// control: checked or not, available or not, and shown only on its own tab.
void AccessibilityTest::eachControlAsFrmMainHasIt()
{
    QFETCH(Control, control);
    QFETCH(Steps, steps);
    performAll(steps);
    const std::map<AccessibleRole, QAccessible::Role> qtRoles{
        {AccessibleRole::Window, QAccessible::Window},
        {AccessibleRole::PageTabList, QAccessible::PageTabList},
        {AccessibleRole::Graphic, QAccessible::Graphic},
        {AccessibleRole::StaticText, QAccessible::StaticText},
        {AccessibleRole::Text, QAccessible::EditableText},
        {AccessibleRole::CheckBox, QAccessible::CheckBox},
        {AccessibleRole::RadioButton, QAccessible::RadioButton},
        {AccessibleRole::Grouping, QAccessible::Grouping},
        {AccessibleRole::PushButton, QAccessible::Button},
        {AccessibleRole::Link, QAccessible::Link},
    };
    const ControlState& state = StateOf(control);
    QAccessibleInterface* reader = InterfaceOf(control);
    QVERIFY(reader && reader->isValid());
    QCOMPARE(reader->object(), window->Widget(control));
    QCOMPARE(reader->text(QAccessible::Name), QString::fromStdString(AccessibleNameOf(control, state.Text)));
    QCOMPARE(reader->role(), qtRoles.at(RoleOf(control)));

    const QAccessible::State shown = reader->state();
    QCOMPARE(bool(shown.disabled), !state.Enabled);
    const bool choice = RoleOf(control) == AccessibleRole::CheckBox || RoleOf(control) == AccessibleRole::RadioButton;
    QCOMPARE(bool(shown.checkable), choice);
    QCOMPARE(bool(shown.checked), choice && state.Value == 1);
    const int tab = TabOf(control);
    QCOMPARE(bool(shown.invisible), tab != NoTab && tab != window->Form().SelectedTab());
}

void AccessibilityTest::actionsClickAsTheUserWould_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("onShownTab");
    for (const char* name : {"optRetryCancel2", "optCritical", "optValue", "chkSystemModal", "lblLink"}) {
        QTest::addRow("%s", name) << name << true;
        QTest::addRow("%s on a hidden tab", name) << name << false;
    }
}

// An assistive tool's action on a choice or the link is a click, which the
// window hears of; on a tab the user cannot see, there is none to take.
void AccessibilityTest::actionsClickAsTheUserWould()
{
    QFETCH(QString, name);
    QFETCH(bool, onShownTab);
    const Control control = testing::ControlNamed(name.toStdString());
    tabs()->setCurrentIndex(onShownTab ? TabOf(control) : AboutTab);
    QAccessibleActionInterface* actions = InterfaceOf(control)->actionInterface();
    QVERIFY(actions);
    const QString action = control == Control::lblLink ? QAccessibleActionInterface::pressAction()
                                                       : QAccessibleActionInterface::toggleAction();
    QCOMPARE(actions->actionNames().contains(action), onShownTab);
    actions->doAction(action);

    if (control == Control::lblLink) {
        QCOMPARE(platform->opened.size(), std::size_t(onShownTab ? 1 : 0));
    } else {
        QCOMPARE(StateOf(control).Value, onShownTab ? 1 : 0);
        QCOMPARE(checked(name), onShownTab);
    }
    if (control == Control::optRetryCancel2)
        QCOMPARE(SpokenName(Control::lblDefault), onShownTab ? "Default Button: Cancel" : "Default Button: OK");
}

// Each field is labelled by the caption above it, as a screen reader finds out by relations.
void AccessibilityTest::fieldsAreLabelled()
{
    const std::pair<Control, Control> labelled[] = {{Control::Label1, Control::txtTitle},
                                                    {Control::Label2, Control::txtBody},
                                                    {Control::lblVariable, Control::txtVariable},
                                                    {Control::lblHelpFile, Control::txtHelpFile},
                                                    {Control::lblTopicID, Control::txtTopicID}};
    std::set<QObject*> labelledFields;
    for (const auto& [label, field] : labelled) {
        const auto labels = InterfaceOf(field)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->object(), window->Widget(label));
        labelledFields.insert(window->Widget(field));
    }
    // The other controls are labelled by nothing, so no caption is read for a control it does not name.
    for (const ControlLayout& row : MainWindowLayout)
        if (!labelledFields.contains(window->Widget(row.Id)))
            QVERIFY2(InterfaceOf(row.Id)->relations(QAccessible::Label).isEmpty(), row.Name.data());
}

// WCAG asks 4.5 to 1 for text of this size; the link is told by its colour and its underline.
void AccessibilityTest::linkStandsOutFromTheWindow()
{
    const QColor link = control(QStringLiteral("lblLink"))->palette().color(QPalette::WindowText);
    const QColor background = control(QStringLiteral("Frame2"))->palette().color(QPalette::Window);
    const double contrast = Contrast(link, background);
    qInfo("link %s on %s: contrast %.2f to 1", qPrintable(link.name()), qPrintable(background.name()), contrast);
    QVERIFY(contrast >= 4.5);
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
