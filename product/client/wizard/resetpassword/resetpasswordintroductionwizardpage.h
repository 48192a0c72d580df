#ifndef RESETPASSWORDINTRODUCTIONWIZARDPAGE_H
#define RESETPASSWORDINTRODUCTIONWIZARDPAGE_H

#include <QWizardPage>

// The first page of the reset-password wizard: says what the wizard does.
class ResetPasswordIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit ResetPasswordIntroductionWizardPage(QWidget *parent);
    ~ResetPasswordIntroductionWizardPage() override;
};

#endif // RESETPASSWORDINTRODUCTIONWIZARDPAGE_H
