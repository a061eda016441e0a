#include "ControlEvents.h"

#include <QAbstractScrollArea>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTimer>

#include <memory>
#include <utility>

namespace vellumet::events {
namespace {

using Filter = std::function<bool(QEvent*)>;

// Hands the events of one object to a function; true takes the event there.
class EventFilter : public QObject {
public:
    EventFilter(QObject* watched, Filter filter)
        : QObject(watched)
        , filter(std::move(filter))
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override { return filter(event); }

private:
    Filter filter;
};

bool IsLeftButton(QEvent* event, QEvent::Type type)
{
    return event->type() == type && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

bool HasSelection(QWidget* field) { return !field->inputMethodQuery(Qt::ImCurrentSelection).toString().isEmpty(); }

} // namespace

void OnClick(QAbstractButton* control, Handler handler)
{
    const bool option = control->autoExclusive();
    QObject::connect(control, &QAbstractButton::toggled, control, [option, handler = std::move(handler)](bool checked) {
        if (checked || !option)
            handler();
    });
}

void OnLabelClick(QWidget* label, Handler handler)
{
    new EventFilter(label, [label, handler = std::move(handler), pressed = false](QEvent* event) mutable {
        if (IsLeftButton(event, QEvent::MouseButtonPress))
            pressed = true;
        else if (IsLeftButton(event, QEvent::MouseButtonRelease) && std::exchange(pressed, false)
                 && label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            handler();
        return false;
    });
}

void OnGotFocus(QWidget* field, Handler handler)
{
    auto focusedByClick = std::make_shared<bool>(false);
    const Filter filter = [field, handler = std::move(handler), focusedByClick](QEvent* event) {
        switch (event->type()) {
        case QEvent::FocusIn:
            handler();
            *focusedByClick = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            break;
        case QEvent::FocusOut:
            *focusedByClick = false;
            break;
        case QEvent::MouseButtonRelease:
            // The field places its caret while it handles the click, after this filter.
            if (std::exchange(*focusedByClick, false))
                QTimer::singleShot(0, field, [field, handler] {
                    if (field->hasFocus() && !HasSelection(field))
                        handler();
                });
            break;
        default:
            break;
        }
        return false;
    };
    new EventFilter(field, filter);
    // A scrolling field takes its clicks in its viewport.
    if (auto* scrolling = qobject_cast<QAbstractScrollArea*>(field))
        new EventFilter(scrolling->viewport(), filter);
}

void OnMouseMove(QWidget* surface, Handler handler, const QList<QWidget*>& ownParts)
{
    // Movements reach a widget only while it tracks the pointer, and go on to
    // its container unless it takes them.
    surface->setMouseTracking(true);
    for (QWidget* part : ownParts)
        part->setMouseTracking(true);
    new EventFilter(surface, [surface, ownParts, handler = std::move(handler)](QEvent* event) {
        if (event->type() == QEvent::MouseMove) {
            QWidget* under = surface->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (!under || ownParts.contains(under))
                handler();
        }
        return false;
    });
}

} // namespace vellumet::events
