#include "scrollingmenu.h"

#include <QScreen>

ScrollingMenu::ScrollingMenu(const QWidget *opener, QWidget *parent)
    : QMenu(parent)
    , m_opener(opener)
{
    // Whether a menu scrolls is the style's choice; Fusion spreads columns.
    setStyleSheet(QStringLiteral("QMenu { menu-scrollable: 1; }"));
    setMaximumHeight(screen()->availableGeometry().height() / 2);
}

void ScrollingMenu::showEvent(QShowEvent *event)
{
    QMenu::showEvent(event);
    // The menu places itself by the height of all its entries, which never
    // fits below the opener, and so moves to the top of the screen; shown at
    // its bounded height it does fit there.
    if (!m_opener || !m_opener->isVisible())
        return;
    const int below = m_opener->mapToGlobal(QPoint(0, m_opener->height())).y();
    if (y() < below && below + height() <= screen()->availableGeometry().bottom() + 1)
        move(x(), below);
}
