#include "messagesearchdelegate.h"

#include "messagesearcheditor.h"

MessageSearchDelegate::MessageSearchDelegate(QObject *parent)
    : AbstractSearchDelegate(parent)
{
}

MessageSearchDelegate::~MessageSearchDelegate() = default;

QWidget *MessageSearchDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                           const QModelIndex &index) const
{
    Q_UNUSED(option);
    Q_UNUSED(index);
    auto *editor = new MessageSearchEditor(parent);
    // The editor's commits reach the view as the delegate's own, on which the
    // view copies the editor into its row.
    connect(editor, &MessageSearchEditor::commitData, this, &MessageSearchDelegate::commitData);
    return editor;
}
