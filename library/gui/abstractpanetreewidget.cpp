#include "abstractpanetreewidget.h"

#include <QList>

AbstractPaneTreeWidget::AbstractPaneTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
    , m_parentWidget(parent)
{
}

QTreeWidgetItem *AbstractPaneTreeWidget::getSelectedTreeWidgetItem() const
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    return items.size() == 1 ? items.first() : nullptr;
}

void AbstractPaneTreeWidget::receiveEvent(common::Evcode, common::Evcode, const std::string &)
{
}

void AbstractPaneTreeWidget::receiveReply(common::Opcode, common::Opcode, const std::string &, common::Ercode,
                                          common::Ercode, const std::string &)
{
}

void AbstractPaneTreeWidget::receiveRequest(common::Opcode, common::Opcode, const std::string &)
{
}
