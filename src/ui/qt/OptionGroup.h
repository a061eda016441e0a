// The keyboard of an option group on Qt: one tab stop, and the arrow keys to move the selection.
#pragma once

#include <QList>
#include <QObject>

class QAbstractButton;

namespace vellumet {

// Makes the option buttons of one container act on the keyboard as one
// control, as option groups do on Windows: the group is a single tab stop,
// Tab and Shift+Tab enter it at the selected option, and the arrow keys select
// the previous or next option of the group, wrapping round, as a click would.
// Space on the selected option leaves it selected.
class OptionGroup : public QObject {
public:
    // The members in their tab order; the group belongs to the first one's window.
    explicit OptionGroup(const QList<QAbstractButton*>& members);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepTabStopOnSelected();
    void SelectNeighbour(QAbstractButton* from, int step);

    QList<QAbstractButton*> members;
};

} // namespace vellumet
