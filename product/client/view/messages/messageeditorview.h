#ifndef MESSAGEEDITORVIEW_H
#define MESSAGEEDITORVIEW_H

#include "messagereadermixin.h"
#include "texteditorview.h"

#include "message3.pb.h"
#include "user3.pb.h"
#include "users3.pb.h"

#include <optional>
#include <string>
#include <vector>

class EditHistoryActions;
class MessageEditor;
class QFocusEvent;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

// The window in which the user writes one of his own messages before sending
// it: the body, the subject, the To, Cc and Bcc recipients, the attached
// documents and, for an answer, the chain it answers under the four filters.
// Recipients and attachments are rows on the server, changed at once; the
// body and subject are saved with the message. Before the window closes it
// offers to create the document keys that recipients lack for an attachment.
//
// Every reply reaches every window, so the window recognises its own save by
// the echoed request: only that clears the modified flag, and a save of the
// same message from another window never throws away what was typed here.
class MessageEditorView : public TextEditorView<MessageEditor>, public MessageReaderMixin
{
    Q_OBJECT

public:
    // The largest body, in bytes of UTF-8 HTML, that a message keeps.
    static constexpr int MaximumBodySize = 1048576;

    MessageEditorView(const qorv::data::Message &message, QWidget *parent);
    ~MessageEditorView() override;

    const qorv::data::Message &getMessage() const;

    void setActiveView(bool active);
    bool isActiveView() const;

signals:
    void exportToTextFile(const QString &pathName);
    void exportToPdfFile(const QString &pathName);
    void print(const QString &fileName);
    void printPreview(const QString &fileName);
    void cutToClipboard();
    void copyToClipboard();
    void pasteFromClipboard();

public slots:
    void messageReaderContextMenuEvent(const QPoint &point);
    void exportMessageToTextFile();
    void exportMessageToPdfFile();
    void printMessage();
    void printPreviewMessage();
    void cutMessageToClipboard();
    void copyMessageToClipboard();
    void pasteMessageFromClipboard();
    void exportBytesToTextFile(unsigned bytesOut);
    void exportBytesToPdfFile(unsigned bytesOut);
    void printBytes(unsigned bytesOut);
    void cutBytesToClipboard(unsigned bytesOut);
    void copyBytesToClipboard(unsigned bytesOut);
    void pasteBytesFromClipboard(unsigned bytesIn);
    void attachDocument();
    void detachDocument();
    void openDocument(QListWidgetItem *item);
    // confirmation 1 (closing) leaves out the closing "all verified" box.
    void verifyDocumentKeys(int confirmation = 0);
    void addressLineEditTextChanged(const QString &text);
    void modificationChanged(bool changed);
    void send();
    void discard();
    void addUsersTo();
    void addUsersCc();
    void addUsersBcc();
    void editSubject();
    void saveMessage();
    void focusInTextEditor(QFocusEvent *focusEvent = nullptr);
    void focusInMessageReader(QFocusEvent *focusEvent = nullptr);
    void filterStateChanged(int state);
    void filterEditCopyStateChanged(int state);
    void filterExportToTextFileStateChanged(int state);
    void filterExportToPdfFileStateChanged(int state);
    void filterPrintStateChanged(int state);

protected:
    void closeEvent(QCloseEvent *event) override;

protected slots:
    void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), const std::string &reply = std::string()) override;
    void processError(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                      common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply) override;

private:
    void initializeAddresseeToolBar();
    void initializeWindow();
    void initializeMenus();
    void initializeMessageEditor();
    void initializeMessageReader();
    void displayMessageParentChain();
    void routeToEditor();
    void routeToReader();
    void applyFilterRules();

    bool addUsers(const qorv::data::Message &message, QString &text, qorv::data::Message_ufield field);
    void insertUsers(const qorv::data::Message &message, const std::vector<qorv::data::User> &users,
                     qorv::data::Message_ufield field);
    void deleteUsers(const qorv::data::Message &message, const std::vector<qorv::data::User> &users);
    void handleDeleteMessageDocument(const std::string &request);
    void handleUpdateMessage(const std::string &request, const std::string &reply);

    // The editor's HTML when it fits a message, else nothing (after the box
    // that says so).
    bool bodyWithinLimit(std::string &body) const;
    void sendUpdate(const qorv::data::Message &message);
    bool send(common::Opcode majorOpcode, const google::protobuf::MessageLite &request);

    static MessageEditorView *m_activeView;

    qorv::data::Message m_message;
    // The message of the update on its way to the server, told from other
    // windows' updates of the same message by its content.
    std::optional<qorv::data::Message> m_pendingUpdate;
    // While the user's discard is on its way: the manager closes the window
    // when the delete succeeds, and there is nothing left to save or check.
    bool m_discarding = false;

    QMenu *m_attachMenu;
    QAction *m_attachDocumentAction;
    QAction *m_verifyDocumentKeysAction;
    QToolBar *m_addresseeToolBar;
    QPushButton *m_sendButton;
    QPushButton *m_discardButton;
    QPushButton *m_toButton;
    QLineEdit *m_toLineEdit;
    QPushButton *m_ccButton;
    QLineEdit *m_ccLineEdit;
    QPushButton *m_bccButton;
    QLineEdit *m_bccLineEdit;
    QPushButton *m_subjectButton;
    QLineEdit *m_subjectLineEdit;
    QListWidget *m_attachmentList;
    QToolButton *m_attachToolButton;
    QToolButton *m_detachToolButton;
    QToolButton *m_verifyToolButton;
    EditHistoryActions *m_editHistoryActions;
};

#endif // MESSAGEEDITORVIEW_H
