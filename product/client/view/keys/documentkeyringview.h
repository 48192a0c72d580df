#ifndef DOCUMENTKEYRINGVIEW_H
#define DOCUMENTKEYRINGVIEW_H

#include "keyringview.h"

#include "documentkey3.pb.h"

#include <QString>

#include <functional>

class DocumentKeyringPaneTreeWidget;
class QTreeWidgetItem;

// The keyring of one document: every key its owner has given out for it, in
// a pane where the owner ticks each key's permissions, days and months. The
// commands change a key's hours, revision, session duration, expiration and
// passcode through the key change wizards, save and revert, delete keys and
// create keys for several users at once.
//
// Every window sees every reply, so the keyring also follows the changes that
// other windows make to keys of its document (keys created from the message
// editor, for one).
class DocumentKeyringView : public KeyringView
{
    Q_OBJECT

public:
    DocumentKeyringView(int documentId, const QString &documentName, QWidget *parent);
    ~DocumentKeyringView() override;

    int getDocumentId() const;
    QString getDocumentName() const;

    bool isModified() const override;

signals:
    void addDocumentKey(const qorv::data::DocumentKey &documentKey);
    void updateDocumentKey(const qorv::data::DocumentKey &documentKey);
    void revertDocumentKey(const qorv::data::DocumentKey &documentKeyBase);
    void deleteDocumentKey(int userId);

public slots:
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;
    void newKey();
    void saveKey() override;
    void saveAllKeys() override;
    void revertKey() override;
    void revertAllKeys() override;
    void deleteKey() override;
    void setActiveHours() override;
    void setRevision();
    void setSessionDuration() override;
    void setExpirationDate() override;
    void setPasscode() override;

private:
    // Changes the key under the cursor: change writes the chosen rule into
    // the key (given with its user's display name) and tells whether it did;
    // the changed key is then saved at once.
    using KeyChange = std::function<bool(qorv::data::DocumentKey &documentKey, const QString &userName)>;

    void initializeWindow();
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeStandardToolBar();
    void initializeDocumentKeyringPaneTreeWidget();

    // False only when the key went to the server and was not saved.
    bool saveKey(QTreeWidgetItem *item);
    void revertKey(QTreeWidgetItem *item);
    void deleteKey(QTreeWidgetItem *item);
    void changeKey(const KeyChange &change);
    QTreeWidgetItem *currentKeyItem() const;

    void insertDocumentKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                       const std::string &request, common::Ercode majorErcode,
                                       common::Ercode minorErcode, const std::string &reply);
    void updateDocumentKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                       const std::string &request, common::Ercode majorErcode,
                                       common::Ercode minorErcode, const std::string &reply);
    void deleteDocumentKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                       const std::string &request, common::Ercode majorErcode,
                                       common::Ercode minorErcode, const std::string &reply);

    const int m_documentId;
    const QString m_documentName;
    DocumentKeyringPaneTreeWidget *m_documentKeyringPaneTreeWidget;
    QAction *m_newAction;
    QAction *m_setRevisionAction;
};

#endif // DOCUMENTKEYRINGVIEW_H
