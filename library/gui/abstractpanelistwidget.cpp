#include "abstractpanelistwidget.h"

#include <QList>

AbstractPaneListWidget::AbstractPaneListWidget(QWidget *parent)
    : QListWidget(parent)
    , m_parentWidget(parent)
{
}

QListWidgetItem *AbstractPaneListWidget::getSelectedListWidgetItem() const
{
    const QList<QListWidgetItem *> items = selectedItems();
    return items.size() == 1 ? items.first() : nullptr;
}

void AbstractPaneListWidget::receiveEvent(common::Evcode, common::Evcode, const std::string &)
{
}

void AbstractPaneListWidget::receiveReply(common::Opcode, common::Opcode, const std::string &, common::Ercode,
                                          common::Ercode, const std::string &)
{
}

void AbstractPaneListWidget::receiveRequest(common::Opcode, common::Opcode, const std::string &)
{
}
