#ifndef DOCUMENTKEYRINGPANETREEWIDGET_H
#define DOCUMENTKEYRINGPANETREEWIDGET_H

#include "abstractkeypanetreewidget.h"

#include "documentkey3.pb.h"

class QTreeWidgetItem;

// The keys given out for one document, one top-level row per key holder,
// whose check boxes the owner ticks to change a key's rules. Each row keeps
// the key as last saved (SavedRecordRole) and as edited (EditedRecordRole);
// a tick goes straight into the edited key and the row's icon shows whether
// its rules now differ from the saved ones. Saving, reverting and deleting are
// the window's: it calls the slots once the server has agreed. Rows are found
// by the holder's user id, the first match in display order.
class DocumentKeyringPaneTreeWidget : public AbstractKeyPaneTreeWidget
{
    Q_OBJECT

public:
    explicit DocumentKeyringPaneTreeWidget(QWidget *parent);
    ~DocumentKeyringPaneTreeWidget() override;

public slots:
    void addDocumentKey(const qorv::data::DocumentKey &documentKey);
    void updateDocumentKey(const qorv::data::DocumentKey &documentKey);
    void revertDocumentKey(const qorv::data::DocumentKey &documentKeyBase);
    void deleteDocumentKey(int userId);
    void documentKeyChanged(QTreeWidgetItem *item, int column);
};

// How the keyring window reads the pane's rows. A key row is a top-level row
// of kind 0; the getters give an empty key for any other row.
bool IsDocumentKeyTreeWidgetItem(const QTreeWidgetItem *item);
// The key row of any row; item must not be null.
QTreeWidgetItem *GetDocumentKeyTreeWidgetItem(QTreeWidgetItem *item);
qorv::data::DocumentKey GetDocumentKey(QTreeWidgetItem *item);
qorv::data::DocumentKey GetDocumentKeyBase(QTreeWidgetItem *item);

#endif // DOCUMENTKEYRINGPANETREEWIDGET_H
