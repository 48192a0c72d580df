#ifndef KEYRINGVIEW_H
#define KEYRINGVIEW_H

#include "abstractviewwindow.h"
#include "common/minortag.h"
#include "common/sqlc.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QAction;
class QCloseEvent;
class QTimer;
class QTreeWidget;

namespace google::protobuf
{
class MessageLite;
}

// What the keyring windows of a document and of a folder share: the actions
// of their File, Edit, View and Help menus and tool bar, the question when a
// window with unsaved changes is closed, and the way a key change goes to the
// server. The keys and the requests are the subclasses'.
//
// A change is sent on the bus, and the window's pane changes only when the
// server's reply says it was carried out. Since the bus is synchronous, the
// window knows by the time its request returns whether its own change was
// carried out; one it was not is reported to the user, never passed off as
// done.
class KeyringView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit KeyringView(QWidget *parent);
    ~KeyringView() override;

    // True while any key in the pane has unsaved changes.
    virtual bool isModified() const = 0;

public slots:
    virtual void revertKey() = 0;
    virtual void revertAllKeys() = 0;
    virtual void saveKey() = 0;
    virtual void saveAllKeys() = 0;
    virtual void setActiveHours() = 0;
    virtual void setSessionDuration() = 0;
    virtual void setExpirationDate() = 0;
    virtual void setPasscode() = 0;
    virtual void deleteKey() = 0;

protected:
    void closeEvent(QCloseEvent *event) override;

    void initializeFileMenu();
    void initializeEditMenu();
    void initializeViewMenu();
    void initializeToolsMenu();
    void initializeStandardToolBar();

    // What the pane shows now: whether there is a key under the cursor, and
    // whether that key has unsaved changes.
    struct CurrentKey
    {
        bool exists;
        bool modified;
    };

    // Keeps the key commands in step with the pane, so that none is enabled
    // with nothing to act on: Revert and Save while the key under the cursor
    // has unsaved changes, Revert All and Save All while any key has, the key
    // changes, Delete and keyActions while there is a key under the cursor.
    // The pane reports every tick and every row it fills in; the commands are
    // brought in step once those have settled, so that filling a long
    // keyring stays linear.
    void followPane(QTreeWidget *pane, std::function<CurrentKey()> currentKey, const QList<QAction *> &keyActions);

    // Sends a key's insert, update or delete (minor 1) on the bus; true when
    // the server carried it out, that is when the reply handler acknowledged
    // it before the send returned.
    bool sendKeyRequest(common::Opcode majorOpcode, const google::protobuf::MessageLite &request);
    // For the reply handlers: the server carried out this request. Replies to
    // other windows' requests are not this window's to acknowledge.
    void acknowledge(common::Opcode majorOpcode, const std::string &request);

    // A message box's informative text, which the box would read as rich
    // text as soon as it looked like markup: names from the server are shown
    // as the text they are.
    static QString InformativeText(const QString &plainText);

    // Tells the user that the changes of these users' keys were not made:
    // text says which, the names follow one per line.
    void reportNotDone(const QString &text, const QStringList &userNames);
    void reportNotSaved(const QStringList &userNames);
    void reportNotCreated(const QStringList &userNames);
    void reportNotDeleted(const QString &userName);

    // A reply that says the server carried out a key change: no error pair,
    // the plain minor opcode that the keyring windows send, the echoed
    // request and the reply both readable, and no SQL error.
    template <class Request, class Reply>
    static bool CarriedOut(common::Opcode minorOpcode, common::Ercode majorErcode, common::Ercode minorErcode,
                           const std::string &requestPayload, const std::string &replyPayload, Request &request,
                           Reply &reply)
    {
        return CarriedOut(minorOpcode, majorErcode, minorErcode, requestPayload, request)
               && reply.ParseFromString(replyPayload) && reply.sql_diag_rec().sqlc() == common::SqlcSuccess;
    }
    // The same for an operation whose reply has no message of its own.
    template <class Request>
    static bool CarriedOut(common::Opcode minorOpcode, common::Ercode majorErcode, common::Ercode minorErcode,
                           const std::string &requestPayload, Request &request)
    {
        return minorOpcode == common::tag::Plain && majorErcode == 0 && minorErcode == 0
               && request.ParseFromString(requestPayload);
    }

    QAction *m_revertAction;
    QAction *m_revertAllAction;
    QAction *m_saveAction;
    QAction *m_saveAllAction;
    QAction *m_closeAction;
    QAction *m_setActiveHoursAction;
    QAction *m_setSessionDurationAction;
    QAction *m_setExpirationDateAction;
    QAction *m_setPasscodeAction;
    QAction *m_deleteAction;
    QAction *m_viewMonthsAction;
    QAction *m_viewDaysAction;
    QAction *m_viewPermissionsAction;
    QAction *m_aboutAction;

private:
    // The change this window is sending; its reply, if any, arrives before
    // the send returns.
    struct PendingRequest
    {
        common::Opcode majorOpcode;
        std::string payload;
        bool carriedOut;
    };

    void updateKeyActions();

    std::optional<PendingRequest> m_pendingRequest;
    QTimer *m_keyActionsTimer;
    std::function<CurrentKey()> m_currentKey;
    QList<QAction *> m_keyActions;
};

#endif // KEYRINGVIEW_H
