// How an option group keeps its tab stop on the selected option and moves the selection with the arrow keys.
#include "OptionGroup.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace vellumet {
namespace {

// Up and Left go back through the group, Down and Right forward; other keys do not move.
int StepOf(const QKeyEvent& key)
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return 0;
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Left: return -1;
    case Qt::Key_Down:
    case Qt::Key_Right: return 1;
    default: return 0;
    }
}

} // namespace

OptionGroup::OptionGroup(const QList<QAbstractButton*>& members)
    : QObject(members.front())
    , members(members)
{
    for (QAbstractButton* member : members) {
        member->installEventFilter(this);
        connect(member, &QAbstractButton::toggled, this, [this](bool checked) {
            if (checked)
                KeepTabStopOnSelected();
        });
    }
    KeepTabStopOnSelected();
}

bool OptionGroup::eventFilter(QObject* watched, QEvent* event)
{
    auto* member = static_cast<QAbstractButton*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (const int step = StepOf(*static_cast<QKeyEvent*>(event))) {
            SelectNeighbour(member, step);
            return true;
        }
        break;
    case QEvent::FocusOut:
        // Qt lets the focused option take the tab stop, also one focused by a
        // press that was dragged off without selecting it; give it back.
        KeepTabStopOnSelected();
        break;
    default: break;
    }
    return false;
}

void OptionGroup::KeepTabStopOnSelected()
{
    for (QAbstractButton* member : members)
        member->setFocusPolicy(member->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void OptionGroup::SelectNeighbour(QAbstractButton* from, int step)
{
    const qsizetype count = members.size();
    QAbstractButton* next = members[(members.indexOf(from) + step + count) % count];
    next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    next->click();
}

} // namespace vellumet
