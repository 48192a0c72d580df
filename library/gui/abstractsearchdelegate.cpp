#include "abstractsearchdelegate.h"

#include "abstractsearcheditor.h"
#include "searchtableview.h"

#include <QDate>

AbstractSearchDelegate::AbstractSearchDelegate(EditorFactory createSearchEditor, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_createSearchEditor(createSearchEditor)
{
}

AbstractSearchDelegate::~AbstractSearchDelegate() = default;

QWidget *AbstractSearchDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                              const QModelIndex &index) const
{
    Q_UNUSED(option);
    Q_UNUSED(index);
    AbstractSearchEditor *editor = m_createSearchEditor(parent);
    connect(editor, &AbstractSearchEditor::commitData, this, &AbstractSearchDelegate::commitData);
    return editor;
}

void AbstractSearchDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *searchEditor = qobject_cast<AbstractSearchEditor *>(editor);
    if (!searchEditor)
        return;
    // All four are read before any is applied: applying one makes the editor
    // commit, which rewrites the row with the editor's state of that moment.
    const QVariant subject = index.data(SearchTableView::SubjectRole);
    const QVariant predicate = index.data(SearchTableView::PredicateRole);
    const QVariant text = index.data(SearchTableView::TextRole);
    const QVariant date = index.data(SearchTableView::DateRole);
    // A row that its editor has not committed yet holds nothing to apply.
    if (!subject.isValid() || !predicate.isValid() || !text.isValid() || !date.isValid())
        return;
    // The subject first: it switches the predicate list that the predicate
    // is an index into.
    searchEditor->setSubject(subject.toInt());
    searchEditor->setPredicate(predicate.toInt());
    searchEditor->setText(text.toString());
    searchEditor->setDate(date.toDate());
}

void AbstractSearchDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *searchEditor = qobject_cast<AbstractSearchEditor *>(editor);
    if (!searchEditor || !model)
        return;
    // Each value is read just before it is written: a write can feed back
    // into the editor (setEditorData) and change what follows.
    model->setData(index, searchEditor->getSubject(), SearchTableView::SubjectRole);
    model->setData(index, searchEditor->getPredicate(), SearchTableView::PredicateRole);
    model->setData(index, searchEditor->getText(), SearchTableView::TextRole);
    model->setData(index, searchEditor->getDate(), SearchTableView::DateRole);
}

void AbstractSearchDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                  const QModelIndex &index) const
{
    Q_UNUSED(index);
    editor->setGeometry(option.rect);
}

bool AbstractSearchDelegate::eventFilter(QObject *object, QEvent *event)
{
    Q_UNUSED(object);
    Q_UNUSED(event);
    return false;
}
