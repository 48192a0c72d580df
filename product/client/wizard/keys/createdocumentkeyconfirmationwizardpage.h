#ifndef CREATEDOCUMENTKEYCONFIRMATIONWIZARDPAGE_H
#define CREATEDOCUMENTKEYCONFIRMATIONWIZARDPAGE_H

#include "abstractcreatekeyconfirmationwizardpage.h"

class CreateDocumentKeyWizard;

// The last page of the create-document-key wizard: an HTML summary of the
// key that Finish will create, rebuilt each time the page is entered, with
// whatever would make the key useless in red.
class CreateDocumentKeyConfirmationWizardPage : public AbstractCreateKeyConfirmationWizardPage
{
    Q_OBJECT

public:
    explicit CreateDocumentKeyConfirmationWizardPage(CreateDocumentKeyWizard *wizard);
    ~CreateDocumentKeyConfirmationWizardPage() override;

    void initializePage() override;

private:
    static RuleTexts ruleTexts();

    CreateDocumentKeyWizard *m_wizard; // not owned
};

#endif // CREATEDOCUMENTKEYCONFIRMATIONWIZARDPAGE_H
