#include "searchtableview.h"

#include <QBrush>
#include <QHeaderView>
#include <QStandardItemModel>

SearchTableView::SearchTableView(QWidget *parent)
    : QTableView(parent)
    , m_standardItemModel(new QStandardItemModel(0, 1, this))
{
    setModel(m_standardItemModel);
    m_standardItemModel->setHeaderData(0, Qt::Horizontal, tr("+"), Qt::DisplayRole);
    m_standardItemModel->setHeaderData(0, Qt::Horizontal, QBrush(Qt::green), Qt::ForegroundRole);
    m_standardItemModel->setHeaderData(0, Qt::Horizontal, tr("AddSearchCriteria"), Qt::ToolTipRole);
    horizontalHeader()->setStretchLastSection(true);

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &SearchTableView::addRow);
    connect(verticalHeader(), &QHeaderView::sectionClicked, this, &SearchTableView::deleteRow);
}

SearchTableView::~SearchTableView() = default;

QStandardItemModel *SearchTableView::getStandardItemModel() const
{
    return m_standardItemModel;
}

void SearchTableView::addRow(int logicalIndex)
{
    Q_UNUSED(logicalIndex);
    // Nothing may be selected while the row and its editor come in; the rows
    // are picked one at a time afterwards.
    setSelectionMode(QAbstractItemView::NoSelection);
    m_standardItemModel->insertRow(m_standardItemModel->rowCount());
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void SearchTableView::deleteRow(int logicalIndex)
{
    m_standardItemModel->removeRow(logicalIndex);
}

void SearchTableView::rowsInserted(const QModelIndex &parent, int first, int last)
{
    QTableView::rowsInserted(parent, first, last);
    for (int row = first; row <= last; ++row) {
        m_standardItemModel->setHeaderData(row, Qt::Vertical, tr("-"), Qt::DisplayRole);
        m_standardItemModel->setHeaderData(row, Qt::Vertical, QBrush(Qt::red), Qt::ForegroundRole);
        m_standardItemModel->setHeaderData(row, Qt::Vertical, tr("DeleteSearchCriteria"), Qt::ToolTipRole);
        // The editor stays open for the row's whole life: there is no
        // separate editing state.
        openPersistentEditor(m_standardItemModel->index(row, 0, parent));
    }
}
