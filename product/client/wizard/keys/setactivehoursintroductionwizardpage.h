#ifndef SETACTIVEHOURSINTRODUCTIONWIZARDPAGE_H
#define SETACTIVEHOURSINTRODUCTIONWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

// The first page of SetActiveHoursWizard: what the wizard will change, for whom and on what.
class SetActiveHoursIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetActiveHoursIntroductionWizardPage(const QString &name, const QString &user, QWidget *parent);
    ~SetActiveHoursIntroductionWizardPage() override;

private:
    const QString m_name;
    const QString m_user;
};

#endif // SETACTIVEHOURSINTRODUCTIONWIZARDPAGE_H
