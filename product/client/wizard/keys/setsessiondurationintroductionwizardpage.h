#ifndef SETSESSIONDURATIONINTRODUCTIONWIZARDPAGE_H
#define SETSESSIONDURATIONINTRODUCTIONWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

// The first page of SetSessionDurationWizard: what the wizard will change, for whom and on what.
class SetSessionDurationIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetSessionDurationIntroductionWizardPage(const QString &name, const QString &user, QWidget *parent);
    ~SetSessionDurationIntroductionWizardPage() override;

private:
    const QString m_name;
    const QString m_user;
};

#endif // SETSESSIONDURATIONINTRODUCTIONWIZARDPAGE_H
