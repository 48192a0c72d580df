#ifndef RESETPASSWORDCONFIRMATIONWIZARDPAGE_H
#define RESETPASSWORDCONFIRMATIONWIZARDPAGE_H

#include <QWizardPage>

class QTextEdit;

// The last page of the reset-password wizard: a summary of the new
// password's length and of the optional rules it meets.
class ResetPasswordConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit ResetPasswordConfirmationWizardPage(QWidget *parent);
    ~ResetPasswordConfirmationWizardPage() override;

    void initializePage() override;

private:
    QTextEdit *m_summary;
};

#endif // RESETPASSWORDCONFIRMATIONWIZARDPAGE_H
