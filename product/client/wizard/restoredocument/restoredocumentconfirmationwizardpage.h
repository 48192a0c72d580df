#ifndef RESTOREDOCUMENTCONFIRMATIONWIZARDPAGE_H
#define RESTOREDOCUMENTCONFIRMATIONWIZARDPAGE_H

#include <QWizardPage>

class QTextEdit;

// The chosen revision and target folder, for the user to confirm.
class RestoreDocumentConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit RestoreDocumentConfirmationWizardPage(QWidget *parent = nullptr);

    void initializePage() override;
    bool validatePage() override;

private:
    QTextEdit *m_textEdit;
};

#endif // RESTOREDOCUMENTCONFIRMATIONWIZARDPAGE_H
