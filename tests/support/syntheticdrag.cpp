#include "syntheticdrag.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

namespace testsupport
{
namespace
{
// The widget that the window system finds under the cursor: an item view
// takes its drags in its viewport.
QWidget *Receiver(QWidget *widget)
{
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        return area->viewport();
    return widget;
}
}

SyntheticDrag::SyntheticDrag(QWidget *widget, const QMimeData *mimeData, Qt::DropActions actions,
                             Qt::KeyboardModifiers modifiers)
    : m_receiver(Receiver(widget))
    , m_mimeData(mimeData)
    , m_actions(actions)
    , m_modifiers(modifiers)
{
}

SyntheticDrag::~SyntheticDrag()
{
    leave();
}

bool SyntheticDrag::enter(const QPoint &position)
{
    // A second entry without an end in between is no drag a desktop makes.
    leave();
    m_open = true;
    return send<QDragEnterEvent>(position);
}

bool SyntheticDrag::move(const QPoint &position)
{
    return m_open && send<QDragMoveEvent>(position);
}

bool SyntheticDrag::drop(const QPoint &position)
{
    if (!m_open)
        return false;
    // The drop ends the drag whether or not it is taken.
    m_open = false;
    return send<QDropEvent>(position);
}

void SyntheticDrag::leave()
{
    if (!m_open)
        return;
    m_open = false;
    if (!m_receiver)
        return;
    QDragLeaveEvent event;
    QCoreApplication::sendEvent(m_receiver, &event);
}

bool SyntheticDrag::enterAndDrop(const QPoint &position)
{
    enter(position);
    return drop(position);
}

template <class Event>
bool SyntheticDrag::send(const QPoint &position)
{
    if (!m_receiver)
        return false;
    Event event(position, m_actions, m_mimeData, Qt::LeftButton, m_modifiers);
    // Refused unless the widget takes it; QDropEvent starts out accepted.
    event.setAccepted(false);
    QCoreApplication::sendEvent(m_receiver, &event);
    m_dropAction = event.dropAction();
    return event.isAccepted();
}
}
