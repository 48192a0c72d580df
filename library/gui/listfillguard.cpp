#include "listfillguard.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QTableView>
#include <QTreeView>

namespace
{
// How many guards hold a view; only the outermost one acts.
const char HeldProperty[] = "_qorv_listFillHeld";

int Depth(const QAbstractItemView *view)
{
    return view->property(HeldProperty).toInt();
}
}

ListFillGuard::ListFillGuard(QAbstractItemView *view, Finish finish, Qt::SortOrder listOrder)
    : m_view(view)
    , m_finish(finish)
    , m_listOrder(listOrder)
{
    if (view == nullptr)
        return;
    const int depth = Depth(view);
    view->setProperty(HeldProperty, depth + 1);
    m_outermost = depth == 0;
    if (!m_outermost)
        return;

    // All three widget kinds publish their sorting switch under this name.
    m_sortingEnabled = view->property("sortingEnabled").toBool();
    if (m_sortingEnabled)
        view->setProperty("sortingEnabled", false);
    m_updatesEnabled = view->updatesEnabled();
    view->setUpdatesEnabled(false);
    if (QItemSelectionModel *selection = view->selectionModel()) {
        m_selection = selection->selection();
        m_current = selection->currentIndex();
        m_selectionSignalsBlocked = selection->blockSignals(true);
    }
}

ListFillGuard::~ListFillGuard()
{
    if (m_view == nullptr)
        return;
    m_view->setProperty(HeldProperty, Depth(m_view) - 1);
    if (m_outermost)
        release();
}

bool ListFillGuard::isHeld(const QAbstractItemView *view)
{
    return view != nullptr && Depth(view) > 0;
}

void ListFillGuard::release()
{
    if (QItemSelectionModel *selection = m_view->selectionModel())
        selection->blockSignals(m_selectionSignalsBlocked);
    if (m_sortingEnabled) {
        // Tree and table views sort by their header's indicator as sorting
        // comes back on; a list widget has to be told.
        m_view->setProperty("sortingEnabled", true);
        if (auto *list = qobject_cast<QListWidget *>(m_view.data()))
            list->sortItems(m_listOrder);
    }
    if (m_finish == ResizeColumnsToContents)
        resizeColumns();
    m_view->setUpdatesEnabled(m_updatesEnabled);
    if (!m_selectionSignalsBlocked)
        announceSelection();
}

void ListFillGuard::resizeColumns() const
{
    if (auto *tree = qobject_cast<QTreeView *>(m_view.data())) {
        const int columns = tree->model() != nullptr ? tree->model()->columnCount() : 0;
        for (int column = 0; column < columns; ++column)
            tree->resizeColumnToContents(column);
    } else if (auto *table = qobject_cast<QTableView *>(m_view.data())) {
        table->resizeColumnsToContents();
    }
}

void ListFillGuard::announceSelection() const
{
    QItemSelectionModel *selection = m_view->selectionModel();
    if (selection == nullptr)
        return;
    const QModelIndex current = selection->currentIndex();
    if (current != m_current)
        emit selection->currentChanged(current, QModelIndex());
    // Ranges whose rows were removed during the fill no longer compare equal,
    // so a selection that lost rows is announced too.
    const QItemSelection now = selection->selection();
    if (now != m_selection)
        emit selection->selectionChanged(now, QItemSelection());
}
