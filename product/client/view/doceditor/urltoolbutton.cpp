#include "urltoolbutton.h"

#include "url.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

namespace
{
constexpr int DragPixmapSize = 32;
}

UrlToolButton::UrlToolButton(QWidget *parent)
    : QToolButton(parent)
{
}

void UrlToolButton::setUrl(const QUrl &url)
{
    m_url = url;
}

void UrlToolButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressPosition = event->position().toPoint();
    QToolButton::mousePressEvent(event);
}

void UrlToolButton::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && Url(m_url).isSecure()
        && (event->position().toPoint() - m_pressPosition).manhattanLength() > QApplication::startDragDistance())
        performDrag();
    QToolButton::mouseMoveEvent(event);
}

void UrlToolButton::performDrag()
{
    auto *mimeData = new QMimeData;
    mimeData->setUrls({m_url});
    auto *drag = new QDrag(this);
    drag->setMimeData(mimeData);
    drag->setPixmap(icon().pixmap(icon().actualSize(QSize(DragPixmapSize, DragPixmapSize))));
    drag->exec(Qt::CopyAction);
}
