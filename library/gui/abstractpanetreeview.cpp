#include "abstractpanetreeview.h"

AbstractPaneTreeView::AbstractPaneTreeView(QWidget *parent)
    : QTreeView(parent)
    , m_parentWidget(parent)
{
}

void AbstractPaneTreeView::receiveEvent(common::Evcode, common::Evcode, const std::string &)
{
}

void AbstractPaneTreeView::receiveReply(common::Opcode, common::Opcode, const std::string &, common::Ercode,
                                        common::Ercode, const std::string &)
{
}

void AbstractPaneTreeView::receiveRequest(common::Opcode, common::Opcode, const std::string &)
{
}
