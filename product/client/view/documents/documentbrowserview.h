#ifndef DOCUMENTBROWSERVIEW_H
#define DOCUMENTBROWSERVIEW_H

#include "abstractbrowserview.h"
#include "documentbrowsermainpanelistwidget.h"
#include "documentbrowsersidepanelistwidget.h"

#include <QClipboard>

#include <memory>
#include <string>

class QAction;
class QMenu;
class SessionDuration;

namespace google::protobuf
{
class MessageLite;
}

namespace qorv::data
{
class Document;
class DocumentKey;
class Folder;
class FolderKey;
class GroupKey;
class User;
}

// The window in which the user walks through folders and documents: the
// user's own home folder and its subfolders, the folders and documents other
// users opened to the user through folder and document keys, and the user's
// home groups with their users. The side pane holds shortcuts, the main pane
// what was opened last.
//
// The window turns the panes' signals into requests on the bus and feeds the
// replies back into the panes. Every open browser applies every insert,
// update, move and delete reply to what it shows, whichever window sent the
// request, so that all browsers stay alike; a select reply fills only the
// browser the user works in (the active window). A folder opened through a
// key counts its session down and the window closes when it is over.
class DocumentBrowserView : public AbstractBrowserView<MainPaneListWidget, SidePaneListWidget>
{
    Q_OBJECT

public:
    explicit DocumentBrowserView(QWidget *parent = nullptr);
    ~DocumentBrowserView() override;

    // The folder of the side pane's one selected home-folder or folder
    // shortcut: true and its id (0 when unset), else false and folderId as
    // it was.
    bool currentFolderId(int &folderId) const;

signals:
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
    void addFolderKeyShortcutItem(const qorv::data::FolderKey &folderKey);
    void updateFolderKeyShortcutItem(const qorv::data::FolderKey &folderKey);
    void addDocumentKeyItem(const qorv::data::DocumentKey &documentKey);
    void updateDocumentKeyItem(const qorv::data::DocumentKey &documentKey);

public slots:
    void receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string()) override;
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

    void openHomeFolder();
    void openHomeGroups();
    void newFolder();
    void noItemSelected();
    void folderItemSelected(const qorv::data::Folder &folder);
    void folderShortcutItemSelected(const qorv::data::Folder &folder);
    void folderKeyShortcutItemSelected(const qorv::data::FolderKey &folderKey);
    void documentItemSelected(const qorv::data::Document &document);
    void groupKeyItemSelected(const qorv::data::GroupKey &groupKey);
    void userItemSelected(const qorv::data::User &user);
    void folderKeyItemSelected(const qorv::data::FolderKey &folderKey);
    void documentKeyItemSelected(const qorv::data::DocumentKey &documentKey);
    void openFolder(const qorv::data::Folder &folder);
    void deleteFolder(const qorv::data::Folder &folder);
    void renameFolder(const qorv::data::Folder &folder);
    void redescribeFolder(const qorv::data::Folder &folder);
    void openFolderKeyring(const qorv::data::Folder &folder);
    void moveFolder(const qorv::data::Folder &folder);
    void moveFolder(const qorv::data::Folder &folder, int folderId);
    void newDocument();
    void openDocument(const qorv::data::Document &document);
    void copyDocument(const qorv::data::Document &document);
    void pasteItem();
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
    void clipboardChanged(QClipboard::Mode mode);
    void folderDocumentSearch();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void reset();
    void initializeWindow();
    void initializeSidePane();
    void initializeMainPane();
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeViewMenu();
    void initializeToolsMenu();
    void initializeStandardToolBar();

    void timeoutEventHandler(common::Evcode majorEvcode, common::Evcode minorEvcode, const std::string &event);
    void folderDocumentSearch(const qorv::data::Folder &folder);
    void folderKeyDocumentSearch(const qorv::data::FolderKey &folderKey);
    void selectFolderKey(const qorv::data::Folder &folder);
    void selectFolderKey(const qorv::data::User &user);
    void selectDocumentKey(const qorv::data::Document &document);
    void selectDocumentKey(const qorv::data::User &user);
    void selectDocumentKey(const qorv::data::FolderKey &folderKey);

    // Select replies fill the main pane of the browser the user works in
    // only; false when that is not this window, or when it was closed while
    // the pending events ran.
    bool takesSelectReply();
    void selectDocumentKeyReplyHandler(common::Opcode minorOpcode, const std::string &reply);
    void selectDocumentReplyHandler(common::Opcode minorOpcode, const std::string &reply);
    void selectFolderKeyReplyHandler(common::Opcode minorOpcode, const std::string &reply);
    void selectFolderReplyHandler(common::Opcode minorOpcode, const std::string &reply);
    void selectGroupKeyReplyHandler(common::Opcode minorOpcode, const std::string &reply);
    void selectUserReplyHandler(common::Opcode minorOpcode, const std::string &reply);
    void updateDocumentKeyReplyHandler(common::Opcode minorOpcode, const std::string &request);

    void insertFolderReplyHandler(const std::string &request, const std::string &reply);
    void insertDocumentReplyHandler(const std::string &request, const std::string &reply);
    void updateFolderReplyHandler(common::Opcode minorOpcode, const std::string &request, const std::string &reply);
    void updateDocumentReplyHandler(common::Opcode minorOpcode, const std::string &request, const std::string &reply);
    void deleteFolderReplyHandler(const std::string &request, const std::string &reply);
    void deleteDocumentReplyHandler(common::Opcode minorOpcode, const std::string &request, const std::string &reply);
    void moveFolderHandler(const qorv::data::Folder &folder);
    void moveDocumentHandler(const qorv::data::Document &document);

    // Serializes and sends; a message that cannot be serialized is not sent.
    void send(common::Opcode majorOpcode, common::Opcode minorOpcode, const google::protobuf::MessageLite &message);
    // Asks for a new text in place of the old one; empty when the user
    // cancelled or left only blanks (after the warning).
    QString askText(const QString &title, const QString &label, const QString &oldText, const QString &warningTitle,
                    const QString &warningText);
    bool confirmDeletion(const QString &title, const char *icon, const QString &text, const QString &name);
    void informRefusal(const QString &text);
    void setActionsEnabled(std::initializer_list<QAction *> actions, bool enabled);
    bool clipboardHoldsDocument() const;

    QMenu *m_newMenu;
    QAction *m_newFolderAction;
    QAction *m_newDocumentAction;
    QAction *m_openItemAction;
    QAction *m_closeAction;
    QAction *m_copyItemAction;
    QAction *m_pasteItemAction;
    QAction *m_deleteItemAction;
    QAction *m_renameItemAction;
    QAction *m_redescribeItemAction;
    QAction *m_openItemKeyringAction;
    QAction *m_folderDocumentSearchAction;
    QAction *m_aboutAction;
    std::unique_ptr<SessionDuration> m_sessionDuration;
    bool m_closed = false;
};

#endif // DOCUMENTBROWSERVIEW_H
