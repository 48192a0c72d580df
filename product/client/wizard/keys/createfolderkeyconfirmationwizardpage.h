#ifndef CREATEFOLDERKEYCONFIRMATIONWIZARDPAGE_H
#define CREATEFOLDERKEYCONFIRMATIONWIZARDPAGE_H

#include "abstractcreatekeyconfirmationwizardpage.h"

class CreateFolderKeyWizard;

// The last page of the create-folder-key wizard: an HTML summary of the
// key that Finish will create, rebuilt each time the page is entered, with
// whatever would make the key useless in red.
class CreateFolderKeyConfirmationWizardPage : public AbstractCreateKeyConfirmationWizardPage
{
    Q_OBJECT

public:
    explicit CreateFolderKeyConfirmationWizardPage(CreateFolderKeyWizard *wizard);
    ~CreateFolderKeyConfirmationWizardPage() override;

    void initializePage() override;

private:
    static RuleTexts ruleTexts();

    CreateFolderKeyWizard *m_wizard; // not owned
};

#endif // CREATEFOLDERKEYCONFIRMATIONWIZARDPAGE_H
