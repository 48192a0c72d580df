#ifndef CREATEFOLDERKEYCONFIRMATIONWIZARDPAGE_H
#define CREATEFOLDERKEYCONFIRMATIONWIZARDPAGE_H

#include <QWizardPage>

class CreateFolderKeyWizard;
class QTextEdit;

// The last page of the create-folder-key wizard: an HTML summary of the
// key that Finish will create, rebuilt each time the page is entered, with
// whatever would make the key useless in red.
class CreateFolderKeyConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit CreateFolderKeyConfirmationWizardPage(CreateFolderKeyWizard *wizard);
    ~CreateFolderKeyConfirmationWizardPage() override;

    void initializePage() override;
    // Going back changes nothing.
    void cleanupPage() override;

private:
    CreateFolderKeyWizard *m_wizard; // not owned
    QTextEdit *m_summary;
};

#endif // CREATEFOLDERKEYCONFIRMATIONWIZARDPAGE_H
