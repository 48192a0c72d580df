#ifndef SETPASSCODEINTRODUCTIONWIZARDPAGE_H
#define SETPASSCODEINTRODUCTIONWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

// The first page of SetPasscodeWizard: what the wizard will change, for whom and on what.
class SetPasscodeIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetPasscodeIntroductionWizardPage(const QString &name, const QString &user, QWidget *parent);
    ~SetPasscodeIntroductionWizardPage() override;

private:
    const QString m_name;
    const QString m_user;
};

#endif // SETPASSCODEINTRODUCTIONWIZARDPAGE_H
