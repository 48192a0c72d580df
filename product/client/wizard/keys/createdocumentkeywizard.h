#ifndef CREATEDOCUMENTKEYWIZARD_H
#define CREATEDOCUMENTKEYWIZARD_H

#include "abstractcreatekeywizard.h"
#include "documentkey3.pb.h"

#include <QList>
#include <QString>

#include <optional>

class CreateDocumentKeyConfirmationWizardPage;
class CreateDocumentKeyIntroductionWizardPage;
class SelectDocumentKeyPermissionsWizardPage;
class SelectDocumentKeyUserWizardPage;
class SelectRevisionWizardPage;

// Gives one or more users a key to a document: the pages collect the key's
// rules as wizard fields, documentKey() turns them into one key and
// documentKeys() copies it for each picked user. Every page is built at
// once, so a caller may pick users on the user page before running the
// wizard. The wizard itself sends nothing.
class CreateDocumentKeyWizard : public AbstractCreateKeyWizard
{
    Q_OBJECT

public:
    CreateDocumentKeyWizard(int documentId, const QString &documentName, QWidget *parent);
    ~CreateDocumentKeyWizard() override;

    int getDocumentId() const;
    QString getDocumentName() const;

    CreateDocumentKeyIntroductionWizardPage *getCreateDocumentKeyIntroductionWizardPage() const;
    SelectRevisionWizardPage *getSelectRevisionWizardPage() const;
    SelectDocumentKeyPermissionsWizardPage *getSelectDocumentKeyPermissionsWizardPage() const;
    SelectDocumentKeyUserWizardPage *getSelectDocumentKeyUserWizardPage() const;
    CreateDocumentKeyConfirmationWizardPage *getCreateDocumentKeyConfirmationWizardPage() const;

    // The key as the pages describe it now, without document id, user,
    // owner, description and properties; the clock is read on every call.
    // Absent (and documentKeys() empty) when the chosen passcode cannot be
    // stored: no key is made without it.
    std::optional<qorv::data::DocumentKey> documentKey();
    // The key's rules as chosen so far, without hashing the passcode; what
    // the confirmation page sums up.
    qorv::data::DocumentKey documentKeyRules() const;
    // One finished key per picked user, in the user page's order, all with
    // one creation date; empty when nobody is picked.
    QList<qorv::data::DocumentKey> documentKeys();

private:
    const int m_documentId;
    const QString m_documentName;
    CreateDocumentKeyIntroductionWizardPage *m_createDocumentKeyIntroductionWizardPage;
    SelectRevisionWizardPage *m_selectRevisionWizardPage;
    SelectDocumentKeyPermissionsWizardPage *m_selectDocumentKeyPermissionsWizardPage;
    SelectDocumentKeyUserWizardPage *m_selectDocumentKeyUserWizardPage;
    CreateDocumentKeyConfirmationWizardPage *m_createDocumentKeyConfirmationWizardPage;
};

#endif // CREATEDOCUMENTKEYWIZARD_H
