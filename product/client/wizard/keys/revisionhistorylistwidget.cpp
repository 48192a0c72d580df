#include "revisionhistorylistwidget.h"

RevisionHistoryListWidget::RevisionHistoryListWidget(QWidget *parent)
    : QListWidget(parent)
{
}

RevisionHistoryListWidget::~RevisionHistoryListWidget() = default;

QString RevisionHistoryListWidget::revisionDateTime() const
{
    const QList<QListWidgetItem *> items = selectedItems();
    return items.size() == 1 ? items.first()->text() : QString();
}

QString RevisionHistoryListWidget::revisionSysStart() const
{
    const QList<QListWidgetItem *> items = selectedItems();
    return items.size() == 1 ? items.first()->data(Qt::UserRole).toString() : QString();
}
