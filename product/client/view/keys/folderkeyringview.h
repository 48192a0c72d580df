#ifndef FOLDERKEYRINGVIEW_H
#define FOLDERKEYRINGVIEW_H

#include "keyringview.h"

#include "folderkey3.pb.h"

#include <QString>

#include <functional>

class FolderKeyringPaneTreeWidget;
class QTreeWidgetItem;

// The keyring of one folder: the twin of the document keyring, without a
// revision (folder keys name none). Unlike the document keyring, it sends
// only the keys whose rules were changed.
class FolderKeyringView : public KeyringView
{
    Q_OBJECT

public:
    FolderKeyringView(int folderId, const QString &folderName, QWidget *parent);
    ~FolderKeyringView() override;

    int getFolderId() const;
    QString getFolderName() const;

    bool isModified() const override;

signals:
    void addFolderKey(const qorv::data::FolderKey &folderKey);
    void updateFolderKey(const qorv::data::FolderKey &folderKey);
    void revertFolderKey(const qorv::data::FolderKey &folderKeyBase);
    void deleteFolderKey(int userId);

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
    void setSessionDuration() override;
    void setExpirationDate() override;
    void setPasscode() override;

private:
    // Changes the key under the cursor: change writes the chosen rule into
    // the key (given with its user's display name) and tells whether it did;
    // the changed key is then saved at once.
    using KeyChange = std::function<bool(qorv::data::FolderKey &folderKey, const QString &userName)>;

    void initializeWindow();
    void initializeFileMenu();
    void initializeStandardToolBar();
    void initializeFolderKeyringPaneTreeWidget();

    // Sends the key only when its rules differ from the saved ones; false
    // only when it went to the server and was not saved.
    bool saveKey(QTreeWidgetItem *item);
    void revertKey(QTreeWidgetItem *item);
    void deleteKey(QTreeWidgetItem *item);
    void changeKey(const KeyChange &change);
    QTreeWidgetItem *currentKeyItem() const;

    void insertFolderKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                                     common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply);
    void updateFolderKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                                     common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply);
    void deleteFolderKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                                     common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply);

    const int m_folderId;
    const QString m_folderName;
    FolderKeyringPaneTreeWidget *m_folderKeyringPaneTreeWidget;
    QAction *m_newAction;
};

#endif // FOLDERKEYRINGVIEW_H
