#include "waitcursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace utils
{
WaitCursor::WaitCursor(bool show)
    : m_restored(!show)
{
    if (show)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

WaitCursor::~WaitCursor()
{
    restore();
}

void WaitCursor::restore()
{
    if (m_restored)
        return;
    QGuiApplication::restoreOverrideCursor();
    m_restored = true;
}
}
