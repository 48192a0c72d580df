#include "documentsearchdelegate.h"

#include "documentsearcheditor.h"

DocumentSearchDelegate::DocumentSearchDelegate(QObject *parent)
    : AbstractSearchDelegate(parent)
{
}

DocumentSearchDelegate::~DocumentSearchDelegate() = default;

QWidget *DocumentSearchDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    Q_UNUSED(option);
    Q_UNUSED(index);
    auto *editor = new DocumentSearchEditor(parent);
    // The editor's commits reach the view as the delegate's own, on which the
    // view copies the editor into its row.
    connect(editor, &DocumentSearchEditor::commitData, this, &DocumentSearchDelegate::commitData);
    return editor;
}
