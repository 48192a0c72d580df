#ifndef SYNTHETICDRAG_H
#define SYNTHETICDRAG_H

#include <QPoint>
#include <QPointer>
#include <QWidget>

class QMimeData;

namespace testsupport
{
// A drag over one widget, delivered as the desktop delivers it: entered,
// moved over, then dropped or left. Qt's drag manager keeps the widget that
// accepted the entry as the receiver of every later move and drop until a drop
// or a leave ends the drag; a drag that is never ended leaves that widget
// there after it is destroyed, and the next test's moves and drops are sent to
// freed memory. So the drag always ends: unless a drop was delivered, the
// destructor sends the leave, also when a check failed halfway.
//
// The events go to the widget given or, for a scroll area such as an item
// view, to its viewport, in that widget's coordinates. As with a real drag,
// moves and drops after a refused entry reach no widget and count as refused.
class SyntheticDrag
{
public:
    SyntheticDrag(QWidget *widget, const QMimeData *mimeData, Qt::DropActions actions = Qt::MoveAction,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    ~SyntheticDrag();
    SyntheticDrag(const SyntheticDrag &) = delete;
    SyntheticDrag &operator=(const SyntheticDrag &) = delete;

    // Each returns whether the event was accepted.
    bool enter(const QPoint &position);
    bool move(const QPoint &position);
    bool drop(const QPoint &position);
    // Ends the drag without a drop; does nothing when it has ended already.
    void leave();

    // Enters and drops at one place; true when the drop was accepted.
    bool enterAndDrop(const QPoint &position);

    // The action that the widget chose in the last event sent.
    Qt::DropAction dropAction() const { return m_dropAction; }

private:
    template <class Event>
    bool send(const QPoint &position);

    QPointer<QWidget> m_receiver;
    const QMimeData *m_mimeData;
    Qt::DropActions m_actions;
    Qt::KeyboardModifiers m_modifiers;
    Qt::DropAction m_dropAction = Qt::IgnoreAction;
    bool m_open = false;
};
}

#endif // SYNTHETICDRAG_H
