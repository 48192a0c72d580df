#ifndef SETACTIVEHOURSWIZARD_H
#define SETACTIVEHOURSWIZARD_H

#include <QString>
#include <QTime>
#include <QWizard>

class SetActiveHoursConfirmationWizardPage;
class SetActiveHoursIntroductionWizardPage;
class SelectActiveHoursWizardPage;

// Changes the daily hours of an existing key. The keyring window reads the
// choice through the accessors after Finish and decides what goes into the key.
class SetActiveHoursWizard : public QWizard
{
    Q_OBJECT

public:
    SetActiveHoursWizard(const QString &name, const QString &user, QWidget *parent);
    ~SetActiveHoursWizard() override;

    bool restrictedHours() const;
    QTime activeFrom() const;
    QTime activeTo() const;
    QString activeRegion() const;

private:
    const QString m_name;
    const QString m_user;
    SetActiveHoursIntroductionWizardPage *m_introductionPage;
    SelectActiveHoursWizardPage *m_selectionPage;
    SetActiveHoursConfirmationWizardPage *m_confirmationPage;
};

#endif // SETACTIVEHOURSWIZARD_H
