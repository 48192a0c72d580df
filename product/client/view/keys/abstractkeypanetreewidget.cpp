#include "abstractkeypanetreewidget.h"

#include "listfillguard.h"

#include <QHeaderView>

#include <utility>

AbstractKeyPaneTreeWidget::AbstractKeyPaneTreeWidget(QWidget *parent, const QStringList &headerLabels, int kindRole,
                                                     keytree::KeySubtrees subtrees)
    : AbstractPaneTreeWidget(parent)
    , m_kindRole(kindRole)
    , m_subtrees(std::move(subtrees))
{
    setHeaderLabels(headerLabels);
    setAlternatingRowColors(true);
    // The first column takes what the rule columns leave it: sized to its
    // longest label (a permission name, indented twice) it would push the
    // last rule, the expiration date, out of a window of the smallest size.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(this, &QTreeWidget::itemExpanded, this, &AbstractKeyPaneTreeWidget::resizeColumnsToContents);
    connect(this, &QTreeWidget::itemCollapsed, this, &AbstractKeyPaneTreeWidget::resizeColumnsToContents);
}

AbstractKeyPaneTreeWidget::~AbstractKeyPaneTreeWidget() = default;

const keytree::KeySubtrees &AbstractKeyPaneTreeWidget::subtrees() const
{
    return m_subtrees;
}

void AbstractKeyPaneTreeWidget::resizeColumnsToContents()
{
    // Fitting the columns measures every row; while a reply's keys go in,
    // the fill guard fits them once at the end.
    if (ListFillGuard::isHeld(this))
        return;
    ResizeColumnsToContents(this);
}

void AbstractKeyPaneTreeWidget::viewPermissionsToggled(bool view)
{
    toggleHeadings(m_subtrees.permissions, view);
}

void AbstractKeyPaneTreeWidget::viewDaysToggled(bool view)
{
    toggleHeadings(m_subtrees.days, view);
}

void AbstractKeyPaneTreeWidget::viewMonthsToggled(bool view)
{
    toggleHeadings(m_subtrees.months, view);
}

void AbstractKeyPaneTreeWidget::toggleHeadings(const keytree::Subtree &subtree, bool view)
{
    keytree::ToggleHeadings(this, subtree.column, m_kindRole, subtree.headingKind, view);
}
