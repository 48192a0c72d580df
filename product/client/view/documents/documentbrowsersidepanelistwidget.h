#ifndef DOCUMENTBROWSERSIDEPANELISTWIDGET_H
#define DOCUMENTBROWSERSIDEPANELISTWIDGET_H

#include "abstractsidepanelistwidget.h"
#include "itemtype.h"

namespace qorv::data
{
class Document;
class Folder;
class FolderKey;
class GroupKey;
class User;
}

// The left-hand pane of the document browser: the home folder and the home
// groups, then the shortcuts the user collected by opening folders, folder
// keys, group keys and users in the main pane. A click on a shortcut tells
// the window what to show; a document or folder dropped onto the home folder
// or a folder shortcut is to be moved into that folder. The pane never talks
// to the server, and its shortcuts live only as long as the window.
class SidePaneListWidget : public AbstractSidePaneListWidget
{
    Q_OBJECT

public:
    explicit SidePaneListWidget(QWidget *parent = nullptr);
    ~SidePaneListWidget() override;

    // The selected item when exactly one is selected and it is of the type.
    QListWidgetItem *getSelectedListWidgetItemType(ItemType type) const;

signals:
    void openHomeFolder();
    void openHomeGroups();
    void folderShortcutItemSelected(const qorv::data::Folder &folder);
    void folderKeyShortcutItemSelected(const qorv::data::FolderKey &folderKey);
    void groupKeyItemSelected(const qorv::data::GroupKey &groupKey);
    void userItemSelected(const qorv::data::User &user);
    void openFolder(const qorv::data::Folder &folder);
    void openGroupKey(const qorv::data::GroupKey &groupKey);
    void openUser(const qorv::data::User &user);
    void openFolderKey(const qorv::data::FolderKey &folderKey);
    void moveDocument(const qorv::data::Document &document, int folderId);
    void moveFolder(const qorv::data::Folder &folder, int folderId);

public slots:
    void open(QListWidgetItem *item);
    void addFolderShortcutItem(const qorv::data::Folder &folder);
    void addGroupKeyShortcutItem(const qorv::data::GroupKey &groupKey);
    void addUserShortcutItem(const qorv::data::User &user);
    void addFolderKeyShortcutItem(const qorv::data::FolderKey &folderKey);
    void updateFolderKeyShortcutItem(const qorv::data::FolderKey &folderKey);
    void renameFolderShortcutItem(const qorv::data::Folder &folder);
    void redescribeFolderShortcutItem(const qorv::data::Folder &folder);
    void removeFolderShortcutItem(int folderId);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // Only the mouse moves the current item.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    // The first item of the type whose id (idOf, over the item) is id.
    template <class IdOf>
    QListWidgetItem *findItem(int type, int id, IdOf idOf) const;
    QListWidgetItem *findFolderItem(int folderId) const;
};

#endif // DOCUMENTBROWSERSIDEPANELISTWIDGET_H
