#ifndef CREATEDOCUMENTKEYCONFIRMATIONWIZARDPAGE_H
#define CREATEDOCUMENTKEYCONFIRMATIONWIZARDPAGE_H

#include <QWizardPage>

class CreateDocumentKeyWizard;
class QTextEdit;

// The last page of the create-document-key wizard: an HTML summary of the
// key that Finish will create, rebuilt each time the page is entered, with
// whatever would make the key useless in red.
class CreateDocumentKeyConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit CreateDocumentKeyConfirmationWizardPage(CreateDocumentKeyWizard *wizard);
    ~CreateDocumentKeyConfirmationWizardPage() override;

    void initializePage() override;
    // Going back changes nothing.
    void cleanupPage() override;

private:
    CreateDocumentKeyWizard *m_wizard; // not owned
    QTextEdit *m_summary;
};

#endif // CREATEDOCUMENTKEYCONFIRMATIONWIZARDPAGE_H
