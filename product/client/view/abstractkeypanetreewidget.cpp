#include "abstractkeypanetreewidget.h"

#include <utility>

AbstractKeyPaneTreeWidget::AbstractKeyPaneTreeWidget(QWidget *parent, const QStringList &headerLabels, int kindRole,
                                                     keytree::KeySubtrees subtrees)
    : AbstractPaneTreeWidget(parent)
    , m_kindRole(kindRole)
    , m_subtrees(std::move(subtrees))
{
    setHeaderLabels(headerLabels);
    setAlternatingRowColors(true);
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
