#ifndef MESSAGEBROWSERVIEW_H
#define MESSAGEBROWSERVIEW_H

#include "abstractbrowserview.h"
#include "messagebrowsermainpanetreewidget.h"
#include "messagebrowsersidepanetreewidget.h"
#include "messageviewer.h"

#include "message3.pb.h"

#include <optional>

class QAction;
class QMenu;

namespace google::protobuf
{
class MessageLite;
}

namespace qorv::data
{
class MessageFolder;
}

// The window in which the user keeps his messages: the message folders on the
// left, the messages of the selected folder in the middle, the chain of the
// clicked message on the right. The user creates, renames and deletes folders,
// creates, opens, moves and deletes messages, edits the permissions of his
// own messages in the tree and searches a folder.
//
// Every change goes to the server as a bus request, and every open message
// browser applies the server's answer, so that all of them stay alike. Lists
// (folders, messages, received copies) are taken only by the browser that
// asked: each request is sent with the browser marked as the class-wide
// active view, and the mark is gone once the request returns.
class MessageBrowserView
    : public AbstractBrowserView<MessageBrowserMainPaneTreeWidget, MessageBrowserSidePaneTreeWidget>,
      public MessageViewer
{
    Q_OBJECT

public:
    explicit MessageBrowserView(QWidget *parent = nullptr);
    ~MessageBrowserView() override;

    bool isActiveView() const;
    void setActiveView(bool active);

    // The edited message of the row that item belongs to; an empty message,
    // with a warning, when item belongs to no message row.
    qorv::data::Message getMessage(const QTreeWidgetItem *item) const;

    // A received copy was opened somewhere: an unread one is marked read on
    // the server and in this browser's tree.
    void handleOpenMessage(const qorv::data::Message &message);

signals:
    void showPanes();
    void resetSidePane();
    void resetMainPane(int messageFolderId);
    void resetMessageViewerPane();
    void addMessageItem(const qorv::data::Message &message);
    void moveMessageItem(const qorv::data::Message &message);
    void removeMessageItem(int messageId);
    void addMessageFolderItem(const qorv::data::MessageFolder &messageFolder);
    void updateMessageFolderItem(const qorv::data::MessageFolder &messageFolder);
    void removeMessageFolderItem(int messageFolderId);
    void removeMessageFolderMessageItems(int messageFolderId);
    void updateMessageItem(const qorv::data::Message &message);
    void updateMessageItem(QTreeWidgetItem *item, int column);

public slots:
    void enterMode(int mode) override;
    void leaveMode(int mode) override;
    void messagesSelected();
    void messageFolderItemSelected(const qorv::data::MessageFolder &messageFolder);
    void newMessageFolder(int messageFolderParentId);
    void editMessageFolder(const qorv::data::MessageFolder &messageFolder);
    void deleteMessageFolder(const qorv::data::MessageFolder &messageFolder);
    void newMessage(int messageFolderId);
    void editMessage(const qorv::data::Message &message);
    void updateMessage(const qorv::data::Message &message);
    void moveMessage(const qorv::data::Message &message, int messageFolderId);
    void deleteMessage(const qorv::data::Message &message);
    void saveMessage();
    void saveAllMessages();
    void searchMessages();
    void messageItemClicked(QTreeWidgetItem *item, int column);
    void messageItemDoubleClicked(QTreeWidgetItem *item, int column);
    void messageItemClickedUpdateActions(QTreeWidgetItem *item, int column);
    void viewRefresh();
    void viewPermissionsToggled(bool checked);
    void toolsOptions();

protected slots:
    void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), const std::string &reply = std::string()) override;
    void processError(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                      common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Whether the browser marks itself as the one waiting for the reply.
    enum class Asking
    {
        Active,
        Passive
    };

    void connectSignals();
    void initializeMode();
    void initializeWindow();
    void initializeSidePane();
    void initializeMainPane();
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeViewMenu();
    void initializeStandardToolBar();

    // Sends the request when it serializes; an active request marks this
    // browser for the time of the exchange, whether or not a reply comes.
    bool send(common::Opcode majorOpcode, common::Opcode minorOpcode, const google::protobuf::MessageLite &request,
              Asking asking);
    void focusMainPane();
    void showInformation(const QString &text);

    void handleDeleteMessageFolder(const std::string &request, const std::string &reply);
    void handleDeleteMessage(const std::string &request, const std::string &reply);
    void handleDeleteMessageUser(const std::string &request, const std::string &reply);
    void handleInsertMessageFolder(const std::string &request, const std::string &reply);
    void handleInsertMessage(const std::string &request, const std::string &reply);
    void handleSelectMessageFolder(const std::string &reply);
    void handleSelectMessage(const std::string &request, const std::string &reply);
    void handleSelectMessageUser(const std::string &request, const std::string &reply);
    void handleUpdateMessageFolder(const std::string &request);
    void handleMoveMessage(const qorv::data::Message &moved, int messageFolderId);
    void handleSaveMessage(const std::string &request);
    void handleDeleteMessageError(const std::string &request, const std::string &reply);

    QMenu *m_newMenu;
    QAction *m_newMessageFolderAction;
    QAction *m_newMessageAction;
    QAction *m_saveAction;
    QAction *m_saveAllAction;
    QAction *m_editMessageFolderAction;
    QAction *m_editMessageAction;
    QAction *m_deleteMessageFolderAction;
    QAction *m_deleteMessageAction;
    QAction *m_searchMessagesAction;
    QAction *m_refreshAction;
    QAction *m_viewPermissionsAction;
    QAction *m_optionsAction;
    QAction *m_closeAction;
    QAction *m_aboutAction;

    // The message last clicked, with the chain it was shown with; what a
    // double-click opens.
    qorv::data::Message m_message;
    // The whole record of a message this browser is moving, for the reply to
    // show it in full: the request carries only its id and new folder.
    std::optional<qorv::data::Message> m_movingMessage;

    int m_modeStart;
    int m_modeMessagesSelected;
    int m_modeMessageFolderSelected;
    int m_modeMessageFolderDeleted;
    int m_modeMessageSelected;
    int m_modeMessageModified;
    int m_modeMessageReverted;
    int m_modeMessageDeleted;
    int m_modeMessageSaved;
    int m_modeMessagesSaved;

    static MessageBrowserView *m_activeView;
};

#endif // MESSAGEBROWSERVIEW_H
