#ifndef SETEXPIRATIONDATEINTRODUCTIONWIZARDPAGE_H
#define SETEXPIRATIONDATEINTRODUCTIONWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

// The first page of SetExpirationDateWizard: what the wizard will change, for whom and on what.
class SetExpirationDateIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetExpirationDateIntroductionWizardPage(const QString &name, const QString &user, QWidget *parent);
    ~SetExpirationDateIntroductionWizardPage() override;

private:
    const QString m_name;
    const QString m_user;
};

#endif // SETEXPIRATIONDATEINTRODUCTIONWIZARDPAGE_H
