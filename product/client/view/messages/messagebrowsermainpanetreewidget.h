#ifndef MESSAGEBROWSERMAINPANETREEWIDGET_H
#define MESSAGEBROWSERMAINPANETREEWIDGET_H

#include "abstractmainpanetreewidget.h"

#include "message3.pb.h"

#include <QPoint>
#include <QStringList>

#include <optional>

class QMimeData;
class TreeItemIndex;

// The message tree of the message browser: one row per message of the shown
// folder (To, From, Subject, Created, Modified; newest modification first),
// and below each a collapsed "Permissions" row with nine check boxes, which
// only the author of the message can toggle. A row keeps the message as last
// saved (SavedRecordRole) and as edited (EditedRecordRole); it is modified
// while their permissions differ. Unread received copies show in bold. Rows
// are dragged to other folders and messages of other browsers' trees are
// accepted here; the window asks the server and reports back through the
// slots.
//
// The "To" column is read from the server, one blocking exchange per row
// built or refreshed. Rows are found by message id through an index beside
// the tree; a reply's messages go in under a ListFillGuard held by the
// window, which sorts and moves the current row once they are all in.
class MessageBrowserMainPaneTreeWidget : public AbstractMainPaneTreeWidget
{
    Q_OBJECT

public:
    // What a row of the tree is (RowKindRole in column 0). Each permission
    // row shows one bit of the message's permissions.
    enum RowKind : int
    {
        MessageRow = 0,
        PermissionsRow = 1,
        ViewPermissionRow = 2,
        CopyToClipboardPermissionRow,
        ExportToTextFilePermissionRow,
        ExportToPdfFilePermissionRow,
        PrintPermissionRow,
        SearchPermissionRow,
        ReplyPermissionRow,
        ReplyAllPermissionRow,
        ForwardPermissionRow = 10
    };

    explicit MessageBrowserMainPaneTreeWidget(QWidget *parent = nullptr);
    ~MessageBrowserMainPaneTreeWidget() override;

    // The message row that item belongs to; null, with a warning, for an item
    // of no known kind.
    QTreeWidgetItem *getTopLevelItem(QTreeWidgetItem *item) const;
    const QTreeWidgetItem *getTopLevelItem(const QTreeWidgetItem *item) const;

    bool isMessageModified() const;
    bool isMessageModified(const QTreeWidgetItem *item) const;
    // Also hands out the row's edited and saved messages.
    bool isMessageModified(const QTreeWidgetItem *item, qorv::data::Message &edited, qorv::data::Message &saved) const;
    // Appends the subject of every modified row.
    bool isMessageModified(QStringList &subjects) const;

    // The listed message of that id as last saved; nothing when not listed.
    std::optional<qorv::data::Message> savedMessage(int messageId) const;

    // Shows the row of an unread received copy that was opened as read.
    void handleOpenMessage(const qorv::data::Message &message);
    QTreeWidgetItem *createMessageTreeWidgetItem(const qorv::data::Message &message);
    void performDrag();

    // The pane's answer to a message dragged onto it: true, and moveMessage
    // emitted, when the message comes moving from another message tree and
    // lies in another folder than the one shown here.
    bool dropMessage(const QObject *source, Qt::DropAction proposedAction, const QMimeData *mimeData);

signals:
    void editMessage(const qorv::data::Message &message);
    void updateMessage(const qorv::data::Message &message);
    void deleteMessage(const qorv::data::Message &message);
    void moveMessage(const qorv::data::Message &message, int messageFolderId);
    void resetMessageViewerPane();

public slots:
    void hidePane();
    void showPane();
    void resetPane(int messageFolderId = rootMessageFolderId());
    void editMessage();
    void deleteMessage();
    void addMessageItem(const qorv::data::Message &message);
    void updateMessageItem(const qorv::data::Message &message);
    void updateMessageItem(QTreeWidgetItem *item, int column = 0);
    void moveMessageItem(const qorv::data::Message &message);
    void removeMessageItem(int messageId);
    void removeMessageFolderMessageItems(int messageFolderId);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The logged-on user's root message folder, 0 when the record has none.
    static int rootMessageFolderId();

    QTreeWidgetItem *findMessageItem(int messageId) const;
    // The edited message of the current item when that is a message row.
    bool currentMessage(qorv::data::Message &message) const;
    void fillMessageItem(QTreeWidgetItem *item, const qorv::data::Message &message, bool withCreationDate);

    int m_messageFolderId;      // the folder whose messages the window shows here
    QPoint m_dragStartPosition; // of the last left-button press, in the viewport
    TreeItemIndex *m_index;     // message id -> message row
};

#endif // MESSAGEBROWSERMAINPANETREEWIDGET_H
