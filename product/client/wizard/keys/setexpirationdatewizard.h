#ifndef SETEXPIRATIONDATEWIZARD_H
#define SETEXPIRATIONDATEWIZARD_H

#include <QDate>
#include <QString>
#include <QWizard>

class SetExpirationDateConfirmationWizardPage;
class SetExpirationDateIntroductionWizardPage;
class SelectExpirationDateWizardPage;

// Changes the expiration date of an existing key; the accessor gives the
// local calendar day chosen.
class SetExpirationDateWizard : public QWizard
{
    Q_OBJECT

public:
    SetExpirationDateWizard(const QString &name, const QString &user, QWidget *parent);
    ~SetExpirationDateWizard() override;

    QDate expirationDate() const;

private:
    const QString m_name;
    const QString m_user;
    SetExpirationDateIntroductionWizardPage *m_introductionPage;
    SelectExpirationDateWizardPage *m_selectionPage;
    SetExpirationDateConfirmationWizardPage *m_confirmationPage;
};

#endif // SETEXPIRATIONDATEWIZARD_H
