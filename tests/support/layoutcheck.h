#ifndef LAYOUTCHECK_H
#define LAYOUTCHECK_H

class QTabWidget;
class QToolBar;
class QTreeView;

namespace testsupport
{
// True when the shown tool bar has room for every item: none has gone
// behind its extension button ("»").
bool ShowsEveryItem(const QToolBar *toolBar);

// True when every title of the shown tab widget is whole: nothing is elided
// and no scroll arrows stand in for tabs that did not fit.
bool ShowsEveryTabWhole(const QTabWidget *tabs);

// True when every column of the tree is as wide as its contents make it: a
// fit done again changes nothing.
bool ColumnsFitTheirContents(QTreeView *tree);
}

#endif // LAYOUTCHECK_H
