#ifndef SETREVISIONINTRODUCTIONWIZARDPAGE_H
#define SETREVISIONINTRODUCTIONWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

// The first page of SetRevisionWizard: what the wizard will change, for whom and on what.
class SetRevisionIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetRevisionIntroductionWizardPage(const QString &name, const QString &user, QWidget *parent);
    ~SetRevisionIntroductionWizardPage() override;

private:
    const QString m_name;
    const QString m_user;
};

#endif // SETREVISIONINTRODUCTIONWIZARDPAGE_H
