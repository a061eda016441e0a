// The event filters that turn Qt's raw events into the clicks, focus arrivals and pointer movements the main
// window handles.
#include "ControlEvents.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <memory>
#include <utility>

namespace vellumet::events {
namespace {

using Watch = std::function<void(QEvent*)>;

// Shows the events of one object to a function before the object handles them.
class EventWatcher : public QObject {
public:
    EventWatcher(QObject* watched, Watch watch)
        : QObject(watched)
        , watch(std::move(watch))
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        watch(event);
        return false;
    }

private:
    Watch watch;
};

bool IsLeftButton(QEvent* event, QEvent::Type type)
{
    return event->type() == type && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

bool HasSelection(QWidget* field) { return !field->inputMethodQuery(Qt::ImCurrentSelection).toString().isEmpty(); }

} // namespace

void OnLabelClick(QWidget* label, Handler handler)
{
    new EventWatcher(label, [label, handler = std::move(handler), pressed = false](QEvent* event) mutable {
        if (IsLeftButton(event, QEvent::MouseButtonPress))
            pressed = true;
        else if (IsLeftButton(event, QEvent::MouseButtonRelease) && std::exchange(pressed, false) &&
                 label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            handler();
    });
}

void OnGotFocus(QWidget* field, Handler handler)
{
    auto focusedByClick = std::make_shared<bool>(false);
    const Watch watch = [field, handler = std::move(handler), focusedByClick](QEvent* event) {
        switch (event->type()) {
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                handler();
            *focusedByClick = reason == Qt::MouseFocusReason;
            break;
        }
        case QEvent::FocusOut: *focusedByClick = false; break;
        case QEvent::MouseButtonRelease:
            // The field places its caret while it handles the click, after this filter.
            if (std::exchange(*focusedByClick, false))
                QTimer::singleShot(0, field, [field, handler] {
                    if (field->hasFocus() && !HasSelection(field))
                        handler();
                });
            break;
        default: break;
        }
    };
    new EventWatcher(field, watch);
    // A scrolling field takes its clicks in its viewport.
    if (auto* scrolling = qobject_cast<QAbstractScrollArea*>(field))
        new EventWatcher(scrolling->viewport(), watch);
}

void OnMouseMove(QWidget* surface, Handler handler, const QList<QWidget*>& ownParts)
{
    // Movements reach a widget only while it tracks the pointer, and go on to
    // its container unless it takes them.
    surface->setMouseTracking(true);
    for (QWidget* part : ownParts)
        part->setMouseTracking(true);
    new EventWatcher(surface, [surface, ownParts, handler = std::move(handler)](QEvent* event) {
        if (event->type() != QEvent::MouseMove)
            return;
        QWidget* under = surface->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (!under || ownParts.contains(under))
            handler();
    });
}

void KeepEscapeWhileOpen(QComboBox* list)
{
    // The open list's view has the focus; a key it claims goes to it before any shortcut.
    new EventWatcher(list->view(), [](QEvent* event) {
        if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            event->accept();
    });
}

} // namespace vellumet::events
