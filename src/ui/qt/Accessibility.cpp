// What assistive technology hears of the main window's controls on Qt: the role and name from the layout,
// and interfaces of our own where Qt's would tell another role or change a choice without a click.
#include "Accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>

#include <utility>

namespace vellumet::accessibility {
namespace {

// The role a described widget carries, as the int of an AccessibleRole.
constexpr char RoleProperty[] = "vellumetAccessibleRole";

QAccessible::Role QtRole(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Window: return QAccessible::Window;
    case AccessibleRole::PageTabList: return QAccessible::PageTabList;
    case AccessibleRole::Graphic: return QAccessible::Graphic;
    case AccessibleRole::StaticText: return QAccessible::StaticText;
    case AccessibleRole::Text: return QAccessible::EditableText;
    case AccessibleRole::ComboBox: return QAccessible::ComboBox;
    case AccessibleRole::CheckBox: return QAccessible::CheckBox;
    case AccessibleRole::RadioButton: return QAccessible::RadioButton;
    case AccessibleRole::Grouping: return QAccessible::Grouping;
    case AccessibleRole::PushButton: return QAccessible::PushButton;
    case AccessibleRole::Link: return QAccessible::Link;
    }
    return QAccessible::Client;
}

// Qt tells a plain widget as a client area and a frame as a border, and its
// check boxes and options toggle without a click; these roles get our interfaces.
bool TakesOwnInterface(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Window:
    case AccessibleRole::PageTabList:
    case AccessibleRole::Grouping:
    case AccessibleRole::CheckBox:
    case AccessibleRole::RadioButton:
    case AccessibleRole::Link: return true;
    default: return false;
    }
}

// Every interface of ours, so that one Qt made before the widget was described
// can be told apart. One that has a clicking action offers it only where the
// user could click: the window hears of no click on a control that is
// disabled or on a tab not showing.
class OwnInterface : public QAccessibleWidget {
public:
    OwnInterface(QWidget* widget, QAccessible::Role role, QString clickAction = {})
        : QAccessibleWidget(widget, role)
        , clickAction(std::move(clickAction))
    {}

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (!clickAction.isEmpty() && Clickable())
            names.prepend(clickAction);
        return names;
    }

    void doAction(const QString& actionName) override
    {
        if (clickAction.isEmpty() || actionName != clickAction)
            QAccessibleWidget::doAction(actionName);
        else if (Clickable())
            Click();
    }

protected:
    virtual void Click() {}

private:
    bool Clickable() const { return widget()->isEnabled() && widget()->isVisible(); }

    QString clickAction;
};

// A check box or option. Qt's own toggle action flips the button without a
// click, so the window would keep its old choice while the button showed the
// new one; here the action clicks, as the user would.
class ChoiceInterface : public OwnInterface {
public:
    ChoiceInterface(QAbstractButton* button, QAccessible::Role role)
        : OwnInterface(button, role, toggleAction())
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = OwnInterface::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        return state;
    }

protected:
    void Click() override { Button()->click(); }

private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A label that opens a page when clicked. Its action clicks it in the middle,
// as the pointer would.
class LinkInterface : public OwnInterface {
public:
    explicit LinkInterface(QWidget* label)
        : OwnInterface(label, QAccessible::Link, pressAction())
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = OwnInterface::state();
        state.linked = true;
        return state;
    }

protected:
    void Click() override
    {
        const QPointF middle = QRectF(widget()->rect()).center();
        for (const auto& [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                            std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
            QMouseEvent event(type, middle, widget()->mapToGlobal(middle), Qt::LeftButton, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(widget(), &event);
        }
    }
};

QAccessibleInterface* MakeInterface(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant tag = widget ? widget->property(RoleProperty) : QVariant();
    if (!tag.isValid())
        return nullptr;
    const auto role = static_cast<AccessibleRole>(tag.toInt());
    switch (role) {
    case AccessibleRole::CheckBox:
    case AccessibleRole::RadioButton: return new ChoiceInterface(static_cast<QAbstractButton*>(widget), QtRole(role));
    case AccessibleRole::Link: return new LinkInterface(widget);
    default: return new OwnInterface(widget, QtRole(role));
    }
}

} // namespace

void Describe(QWidget* widget, Control control, const std::string& caption)
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(MakeInterface);
        return true;
    }();
    if (const AccessibleRole role = RoleOf(control); TakesOwnInterface(role)) {
        widget->setProperty(RoleProperty, static_cast<int>(role));
        // Qt makes a widget's interface at its first accessibility event, which
        // building it may already have sent; such an interface is made again.
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
        if (made && !dynamic_cast<OwnInterface*>(made))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    Rename(widget, control, caption);
}

void Rename(QWidget* widget, Control control, const std::string& caption)
{
    widget->setAccessibleName(QString::fromStdString(AccessibleNameOf(control, caption)));
}

} // namespace vellumet::accessibility
