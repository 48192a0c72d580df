#ifndef CREATEDOCUMENTKEYWIZARD_H
#define CREATEDOCUMENTKEYWIZARD_H

#include "documentkey3.pb.h"

#include <QList>
#include <QString>
#include <QWizard>

#include <optional>

class CreateDocumentKeyConfirmationWizardPage;
class CreateDocumentKeyIntroductionWizardPage;
class SelectActiveDaysWizardPage;
class SelectActiveHoursWizardPage;
class SelectActiveMonthsWizardPage;
class SelectActiveStatusWizardPage;
class SelectDocumentKeyPermissionsWizardPage;
class SelectDocumentKeyUserWizardPage;
class SelectExpirationDateWizardPage;
class SelectPasscodeWizardPage;
class SelectRevisionWizardPage;
class SelectSessionDurationWizardPage;

// Gives one or more users a key to a document: the pages collect the key's
// rules as wizard fields, documentKey() turns them into one key and
// documentKeys() copies it for each picked user. Every page is built at
// once, so a caller may pick users on the user page before running the
// wizard. The wizard itself sends nothing.
class CreateDocumentKeyWizard : public QWizard
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
    SelectActiveStatusWizardPage *getSelectActiveStatusWizardPage() const;
    SelectActiveMonthsWizardPage *getSelectActiveMonthsWizardPage() const;
    SelectActiveDaysWizardPage *getSelectActiveDaysWizardPage() const;
    SelectActiveHoursWizardPage *getSelectActiveHoursWizardPage() const;
    SelectSessionDurationWizardPage *getSelectSessionDurationWizardPage() const;
    SelectExpirationDateWizardPage *getSelectExpirationDateWizardPage() const;
    SelectPasscodeWizardPage *getSelectPasscodeWizardPage() const;
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

    void accept() override;

private:
    const int m_documentId;
    const QString m_documentName;
    CreateDocumentKeyIntroductionWizardPage *m_createDocumentKeyIntroductionWizardPage;
    SelectRevisionWizardPage *m_selectRevisionWizardPage;
    SelectDocumentKeyPermissionsWizardPage *m_selectDocumentKeyPermissionsWizardPage;
    SelectActiveStatusWizardPage *m_selectActiveStatusWizardPage;
    SelectActiveMonthsWizardPage *m_selectActiveMonthsWizardPage;
    SelectActiveDaysWizardPage *m_selectActiveDaysWizardPage;
    SelectActiveHoursWizardPage *m_selectActiveHoursWizardPage;
    SelectSessionDurationWizardPage *m_selectSessionDurationWizardPage;
    SelectExpirationDateWizardPage *m_selectExpirationDateWizardPage;
    SelectPasscodeWizardPage *m_selectPasscodeWizardPage;
    SelectDocumentKeyUserWizardPage *m_selectDocumentKeyUserWizardPage;
    CreateDocumentKeyConfirmationWizardPage *m_createDocumentKeyConfirmationWizardPage;
};

#endif // CREATEDOCUMENTKEYWIZARD_H
