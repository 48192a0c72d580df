#ifndef CREATEFOLDERKEYWIZARD_H
#define CREATEFOLDERKEYWIZARD_H

#include "abstractcreatekeywizard.h"
#include "folderkey3.pb.h"

#include <QList>
#include <QString>

#include <optional>

class CreateFolderKeyConfirmationWizardPage;
class CreateFolderKeyIntroductionWizardPage;
class SelectFolderKeyPermissionsWizardPage;
class SelectFolderKeyUserWizardPage;

// Gives one or more users a key to a folder: the twin of the
// create-document-key wizard, without a revision page, with a folder's two
// permissions, and with copies that carry only the user's id and names. The
// wizard itself sends nothing.
class CreateFolderKeyWizard : public AbstractCreateKeyWizard
{
    Q_OBJECT

public:
    CreateFolderKeyWizard(int folderId, const QString &folderName, QWidget *parent);
    ~CreateFolderKeyWizard() override;

    int getFolderId() const;
    QString getFolderName() const;

    CreateFolderKeyIntroductionWizardPage *getCreateFolderKeyIntroductionWizardPage() const;
    SelectFolderKeyPermissionsWizardPage *getSelectFolderKeyPermissionsWizardPage() const;
    SelectFolderKeyUserWizardPage *getSelectFolderKeyUserWizardPage() const;
    CreateFolderKeyConfirmationWizardPage *getCreateFolderKeyConfirmationWizardPage() const;

    // The key as the pages describe it now, without folder and user; the
    // clock is read on every call. Absent (and folderKeys() empty) when the
    // chosen passcode cannot be stored: no key is made without it.
    std::optional<qorv::data::FolderKey> folderKey();
    // The key's rules as chosen so far, without hashing the passcode; what
    // the confirmation page sums up.
    qorv::data::FolderKey folderKeyRules() const;
    // One finished key per picked user, in the user page's order, all with
    // one creation date; empty when nobody is picked.
    QList<qorv::data::FolderKey> folderKeys();

private:
    const int m_folderId;
    const QString m_folderName;
    CreateFolderKeyIntroductionWizardPage *m_createFolderKeyIntroductionWizardPage;
    SelectFolderKeyPermissionsWizardPage *m_selectFolderKeyPermissionsWizardPage;
    SelectFolderKeyUserWizardPage *m_selectFolderKeyUserWizardPage;
    CreateFolderKeyConfirmationWizardPage *m_createFolderKeyConfirmationWizardPage;
};

#endif // CREATEFOLDERKEYWIZARD_H
