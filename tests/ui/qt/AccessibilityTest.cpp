// What assistive technology reads of the Qt main window through QAccessible: each
// control's name, role and state, the actions it offers, and the labels of the
// fields; and what a user with low vision sees: high-contrast colours and
// pictures drawn for a larger scale.

#include "support/MainWindowFixture.h"
#include "support/WindowDriver.h"
#include "ui/qt/Pictures.h"

#include <QAccessible>
#include <QtTest>

#include <map>
#include <set>

using namespace vellumet;

// A choice of each kind away from the start, and the Help button with its settings.
static const Steps ChangedChoices{"click:optValue",      "click:chkSystemModal",      "click:optCritical",
                                  "click:optYesNo2",     "click:chkMsgBoxHelpButton", "click:chkAppPathHelpFile",
                                  "type:txtTitle:Saved", "click:optInformation"};

class AccessibilityTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void eachControlAsFrmMainHasIt_data()
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
    void eachControlAsFrmMainHasIt()
    {
        QFETCH(Control, control);
        QFETCH(Steps, steps);
        performAll(steps);
        const std::map<AccessibleRole, QAccessible::Role> qtRoles{
            {AccessibleRole::Window, QAccessible::Window},     {AccessibleRole::PageTabList, QAccessible::PageTabList},
            {AccessibleRole::Graphic, QAccessible::Graphic},   {AccessibleRole::StaticText, QAccessible::StaticText},
            {AccessibleRole::Text, QAccessible::EditableText}, {AccessibleRole::ComboBox, QAccessible::ComboBox},
            {AccessibleRole::CheckBox, QAccessible::CheckBox}, {AccessibleRole::RadioButton, QAccessible::RadioButton},
            {AccessibleRole::Grouping, QAccessible::Grouping}, {AccessibleRole::PushButton, QAccessible::Button},
            {AccessibleRole::Link, QAccessible::Link}};
        const ControlState& state = StateOf(control);
        QAccessibleInterface* reader = InterfaceOf(control);
        QVERIFY(reader && reader->isValid());
        QCOMPARE(reader->object(), window->Widget(control));
        // Qt on Linux names a list by its chosen item, and gives its label by relation (fieldsAreLabelled).
        const bool list = RoleOf(control) == AccessibleRole::ComboBox;
        QCOMPARE(reader->text(QAccessible::Name),
                 QString::fromStdString(list ? state.Text : AccessibleNameOf(control, state.Text)));
        QCOMPARE(reader->role(), qtRoles.at(RoleOf(control)));

        const QAccessible::State shown = reader->state();
        QCOMPARE(bool(shown.disabled), !state.Enabled);
        const bool choice =
            RoleOf(control) == AccessibleRole::CheckBox || RoleOf(control) == AccessibleRole::RadioButton;
        QCOMPARE(bool(shown.checkable), choice);
        QCOMPARE(bool(shown.checked), choice && state.Value == 1);
        const int tab = TabOf(control);
        QCOMPARE(bool(shown.invisible), tab != NoTab && tab != window->Form().SelectedTab());
    }

    void actionsClickAsTheUserWould_data()
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
    void actionsClickAsTheUserWould()
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
    }

    // Each field is labelled by the caption above it, as a screen reader finds out by relations.
    void fieldsAreLabelled()
    {
        const std::pair<Control, Control> labelled[] = {
            {Control::Label1, Control::txtTitle},         {Control::Label2, Control::txtBody},
            {Control::lblLanguage, Control::cboLanguage}, {Control::lblVariable, Control::txtVariable},
            {Control::lblHelpFile, Control::txtHelpFile}, {Control::lblTopicID, Control::txtTopicID}};
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

    // Qt has no high-contrast flag: a palette's own link colour stands for both of the link's colours.
    void linkTakesThePalettesLinkColour()
    {
        const QPalette before = QApplication::palette();
        QPalette highContrast(Qt::white, Qt::black);
        highContrast.setColor(QPalette::Link, Qt::yellow);
        QApplication::setPalette(highContrast);
        for (Control surface : {Control::lblLink, Control::Frame2}) {
            window->Form().MouseMoved(surface);
            QCOMPARE(window->Widget(Control::lblLink)->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        }
        QApplication::setPalette(before);
    }

    // At 150% and 200% the icons drawn for those scales show, not the 100% ones enlarged.
    void iconsDrawnForTheScale()
    {
        for (const auto& [ratio, side] : {std::pair{1.0, 32}, {1.5, 48}, {2.0, 64}})
            QCOMPARE(pictures::IconPicture(PictureKind::Critical).pixmap({32, 32}, ratio).size(), QSize(side, side));
    }

private:
    QAccessibleInterface* InterfaceOf(Control control) const
    {
        return QAccessible::queryAccessibleInterface(window->Widget(control));
    }
    const ControlState& StateOf(Control control) const { return window->Form().State(control); }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
