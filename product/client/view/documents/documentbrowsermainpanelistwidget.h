#ifndef DOCUMENTBROWSERMAINPANELISTWIDGET_H
#define DOCUMENTBROWSERMAINPANELISTWIDGET_H

#include "abstractmainpanelistwidget.h"

#include <QPoint>
#include <QString>

class ListItemIndex;
class QAction;

namespace qorv::data
{
class Document;
class DocumentKey;
class Folder;
class FolderKey;
class GroupKey;
class User;
}

// The right-hand pane of the document browser: whatever the window opened
// last, as a flat list (a folder's subfolders and documents, the keys held in
// a user's or a folder key's folder, the home groups, or a group's users).
//
// The pane sends nothing and keeps nothing beyond its items. The window fills
// it through the add, update and remove slots; every gesture of the user
// (selection, activation, context menu, drag and drop) leaves the pane as a
// signal carrying a copy of the record concerned. How a received key is shown
// (selectable or not, bold or not, which tool tip) the pane decides from the
// key's validity when the key is added.
class MainPaneListWidget : public AbstractMainPaneListWidget
{
    Q_OBJECT

public:
    explicit MainPaneListWidget(QWidget *parent = nullptr);
    ~MainPaneListWidget() override;

    void deleteItem(QListWidgetItem *item);
    void renameItem(QListWidgetItem *item);
    void redescribeItem(QListWidgetItem *item);
    void openItemKeyring(QListWidgetItem *item);
    void performDrag();

signals:
    void noItemSelected();
    void folderItemSelected(const qorv::data::Folder &folder);
    void documentItemSelected(const qorv::data::Document &document);
    void groupKeyItemSelected(const qorv::data::GroupKey &groupKey);
    void userItemSelected(const qorv::data::User &user);
    void folderKeyItemSelected(const qorv::data::FolderKey &folderKey);
    void documentKeyItemSelected(const qorv::data::DocumentKey &documentKey);

    void addFolderShortcutItem(const qorv::data::Folder &folder);
    void addGroupKeyShortcutItem(const qorv::data::GroupKey &groupKey);
    void addUserShortcutItem(const qorv::data::User &user);
    void addFolderKeyShortcutItem(const qorv::data::FolderKey &folderKey);
    void removeFolderShortcutItem(int folderId);
    void renameFolderShortcutItem(const qorv::data::Folder &folder);
    void redescribeFolderShortcutItem(const qorv::data::Folder &folder);

    void openFolder(const qorv::data::Folder &folder);
    void deleteFolder(const qorv::data::Folder &folder);
    void renameFolder(const qorv::data::Folder &folder);
    void redescribeFolder(const qorv::data::Folder &folder);
    void openFolderKeyring(const qorv::data::Folder &folder);
    void moveFolder(const qorv::data::Folder &folder);
    void moveFolder(const qorv::data::Folder &folder, int folderId);

    void openDocument(const qorv::data::Document &document);
    void copyDocument(const qorv::data::Document &document);
    void deleteDocument(const qorv::data::Document &document);
    void renameDocument(const qorv::data::Document &document);
    void redescribeDocument(const qorv::data::Document &document);
    void openDocumentKeyring(const qorv::data::Document &document);
    void moveDocument(const qorv::data::Document &document);
    void moveDocument(const qorv::data::Document &document, int folderId);

    void openGroupKey(const qorv::data::GroupKey &groupKey);
    void openUser(const qorv::data::User &user);
    void openFolderKey(const qorv::data::FolderKey &folderKey);
    void openDocumentKey(const qorv::data::DocumentKey &documentKey);

public slots:
    void itemSelectionChanged();
    void openItem(QListWidgetItem *item);
    void copyItem(QListWidgetItem *item);
    // The selected-item forms: act on the one selected item, if there is one.
    void openItem();
    void copyItem();
    void deleteItem();
    void renameItem();
    void redescribeItem();
    void openItemKeyring();

    void addFolderItem(const qorv::data::Folder &folder);
    void removeFolderItem(int folderId);
    void renameFolderItem(const qorv::data::Folder &folder);
    void redescribeFolderItem(const qorv::data::Folder &folder);
    void addDocumentItem(const qorv::data::Document &document);
    void removeDocumentItem(int documentId);
    void updateDocumentItem(const qorv::data::Document &document);
    void addGroupKeyItem(const qorv::data::GroupKey &groupKey);
    void addUserItem(const qorv::data::User &user);
    void addFolderKeyItem(const qorv::data::FolderKey &folderKey);
    void addDocumentKeyItem(const qorv::data::DocumentKey &documentKey);
    void updateDocumentKeyItem(const qorv::data::DocumentKey &documentKey);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    template <class Adapter>
    void addKeyItem(const typename Adapter::Record &key);
    void appendItem(QListWidgetItem *item, int id);
    void showEmptySpaceMenu(const QPoint &globalPosition);
    void showItemMenu(QListWidgetItem *item, const QPoint &globalPosition);

    QAction *m_openAction;
    QAction *m_copyAction;
    QAction *m_deleteAction;
    QAction *m_renameAction;
    QAction *m_redescribeAction;
    QAction *m_openKeyringAction;
    QPoint m_dragStartPosition;
    ListItemIndex *m_index;
};

#endif // DOCUMENTBROWSERMAINPANELISTWIDGET_H
