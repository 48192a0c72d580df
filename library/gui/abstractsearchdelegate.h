#ifndef ABSTRACTSEARCHDELEGATE_H
#define ABSTRACTSEARCHDELEGATE_H

#include <QStyledItemDelegate>

class AbstractSearchEditor;

// Copies a criterion between its row's permanent editor and the row's four
// values in the criteria model (SearchTableView::CriterionRole). Each concrete
// delegate names its own kind of AbstractSearchEditor; every editor handed to
// the other operations is one of those.
class AbstractSearchDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    ~AbstractSearchDelegate() override;

    // A new editor of the concrete kind, whose commits reach the view as the
    // delegate's own; the view then copies the editor into its row. The
    // option and the index do not matter: every row gets the same editor.
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    using EditorFactory = AbstractSearchEditor *(*)(QWidget *parent);

    // A concrete delegate passes create<ItsEditor>.
    AbstractSearchDelegate(EditorFactory createSearchEditor, QObject *parent);

    template <class Editor>
    static AbstractSearchEditor *create(QWidget *parent)
    {
        return new Editor(parent);
    }

    // The editors commit through their own signals and never close, so the
    // view's editing keys mean nothing for them; left in place, Escape in a
    // criterion would be swallowed as "revert the edit" instead of closing
    // the dialog.
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    EditorFactory m_createSearchEditor;
};

#endif // ABSTRACTSEARCHDELEGATE_H
