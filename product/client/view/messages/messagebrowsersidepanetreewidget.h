#ifndef MESSAGEBROWSERSIDEPANETREEWIDGET_H
#define MESSAGEBROWSERSIDEPANETREEWIDGET_H

#include "abstractsidepanetreewidget.h"

namespace qorv::data
{
class Message;
class MessageFolder;
}

// The folder tree of the message browser: the "Messages" item, which stands
// for the logged-on user's root message folder, and under it one item per
// message folder directly below the root. A click tells the window what to
// list; the window's folder and message commands leave through the pane's
// signals with the selected folder; a message dropped on the root or a folder
// asks the window to move it there. The pane changes its items only when the
// window tells it to, after the server agreed.
class MessageBrowserSidePaneTreeWidget : public AbstractSidePaneTreeWidget
{
    Q_OBJECT

public:
    explicit MessageBrowserSidePaneTreeWidget(QWidget *parent = nullptr);

signals:
    void messagesSelected();
    void messageFolderItemSelected(const qorv::data::MessageFolder &messageFolder);
    void insertMessage(const qorv::data::MessageFolder &messageFolder);
    void newMessage(int messageFolderId);
    void newMessageFolder(int messageFolderParentId);
    void moveMessage(const qorv::data::Message &message, int messageFolderId);
    void editMessageFolder(const qorv::data::MessageFolder &messageFolder);
    void deleteMessageFolder(const qorv::data::MessageFolder &messageFolder);

public slots:
    void hidePane();
    void showPane();
    void resetPane();
    void newMessage();
    void itemClicked(QTreeWidgetItem *item);
    void newMessageFolder();
    void editMessageFolder();
    void deleteMessageFolder();
    void addMessageFolderItem(const qorv::data::MessageFolder &messageFolder);
    void updateMessageFolderItem(const qorv::data::MessageFolder &messageFolder);
    void removeMessageFolderItem(int messageFolderId);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // The current item moves by clicks and by the window only, never by keys.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    QTreeWidgetItem *selectedFolderItem() const;
    QTreeWidgetItem *findFolderItem(int messageFolderId) const;

    QTreeWidgetItem *m_rootItem;
};

#endif // MESSAGEBROWSERSIDEPANETREEWIDGET_H
