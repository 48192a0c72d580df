#include "layoutcheck.h"

#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

namespace testsupport
{
bool ShowsEveryItem(const QToolBar *toolBar)
{
    // The extension button is the tool bar's own child; Qt shows it only
    // while some items are left out.
    const auto *extension = toolBar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
    return extension != nullptr && !extension->isVisible();
}

bool ShowsEveryTabWhole(const QTabWidget *tabs)
{
    const QTabBar *bar = tabs->tabBar();
    for (const QToolButton *arrow : bar->findChildren<QToolButton *>()) {
        if (arrow->isVisible())
            return false;
    }
    const QFontMetrics metrics = bar->fontMetrics();
    for (int index = 0; index < bar->count(); ++index) {
        const QRect tab = bar->tabRect(index);
        const int needed = metrics.horizontalAdvance(bar->tabText(index))
                           + (bar->tabIcon(index).isNull() ? 0 : bar->iconSize().width());
        if (!bar->rect().contains(tab) || tab.width() < needed)
            return false;
    }
    return true;
}

bool ColumnsFitTheirContents(QTreeView *tree)
{
    for (int column = 0; column < tree->model()->columnCount(); ++column) {
        const int width = tree->columnWidth(column);
        tree->resizeColumnToContents(column);
        if (tree->columnWidth(column) != width)
            return false;
    }
    return true;
}
}
