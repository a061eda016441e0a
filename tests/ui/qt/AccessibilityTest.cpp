// What assistive technology does with the Qt main window through QAccessible
// beyond each control's name, role and state: the actions a control offers and
// the labels of the fields; and what a user with low vision sees: high-contrast
// colours and pictures drawn for a larger scale.

#include "support/CaseTable.h"
#include "support/MainWindowFixture.h"
#include "support/WindowDriver.h"
#include "ui/qt/Pictures.h"

#include <QAccessible>
#include <QtTest>

#include <set>

using namespace vellumet;

class AccessibilityTest : public MainWindowFixture {
    Q_OBJECT

private slots:
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
            QCOMPARE(window->Form().State(control).Value, onShownTab ? 1 : 0);
            QCOMPARE(checked(name), onShownTab);
        }
    }

    // Each field is labelled by the caption above it, as a screen reader finds out by relations.
    void fieldsAreLabelled()
    {
        std::set<QObject*> labelledFields;
        for (const auto& row : testing::ReadCaseTable("linux-labelled-fields.tsv")) {
            const Control label = testing::ControlNamed(row.at(0)), field = testing::ControlNamed(row.at(1));
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
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
