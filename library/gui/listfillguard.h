#ifndef LISTFILLGUARD_H
#define LISTFILLGUARD_H

#include <QItemSelection>
#include <QPersistentModelIndex>
#include <QPointer>

class QAbstractItemView;

// Holds back, while a reply's rows go into a list, tree or table widget, what
// would otherwise run once per row and make the fill quadratic: the sorted
// insertion of every row, the repaints, and the selection model's signals
// (a removed selected row emits one, and the hosts answer each by walking the
// selection). When the outermost guard of a view ends, the view sorts once,
// repaints once and, if its selection or current item moved meanwhile, says
// so once.
//
// Code that would fit columns to their contents after every row asks
// isHeld() and leaves it to the guard, which fits them once when asked to.
class ListFillGuard
{
public:
    enum Finish
    {
        KeepColumns,
        ResizeColumnsToContents
    };

    // A list widget does not tell in which order it keeps its items sorted;
    // listOrder names it (the lists of this program sort ascending).
    explicit ListFillGuard(QAbstractItemView *view, Finish finish = KeepColumns,
                           Qt::SortOrder listOrder = Qt::AscendingOrder);
    ~ListFillGuard();

    ListFillGuard(const ListFillGuard &) = delete;
    ListFillGuard &operator=(const ListFillGuard &) = delete;

    static bool isHeld(const QAbstractItemView *view);

private:
    void release();
    void resizeColumns() const;
    void announceSelection() const;

    QPointer<QAbstractItemView> m_view;
    const Finish m_finish;
    const Qt::SortOrder m_listOrder;
    bool m_outermost = false;
    bool m_sortingEnabled = false;
    bool m_updatesEnabled = true;
    bool m_selectionSignalsBlocked = false;
    QItemSelection m_selection;
    QPersistentModelIndex m_current;
};

#endif // LISTFILLGUARD_H
