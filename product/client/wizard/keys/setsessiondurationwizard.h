#ifndef SETSESSIONDURATIONWIZARD_H
#define SETSESSIONDURATIONWIZARD_H

#include <QString>
#include <QWizard>

class SetSessionDurationConfirmationWizardPage;
class SetSessionDurationIntroductionWizardPage;
class SelectSessionDurationWizardPage;

// Changes the session duration of an existing key; the amount and unit
// index come unconverted.
class SetSessionDurationWizard : public QWizard
{
    Q_OBJECT

public:
    SetSessionDurationWizard(const QString &name, const QString &user, QWidget *parent);
    ~SetSessionDurationWizard() override;

    bool restrictedDuration() const;
    int durationSpinBox() const;
    int durationComboBox() const;

private:
    const QString m_name;
    const QString m_user;
    SetSessionDurationIntroductionWizardPage *m_introductionPage;
    SelectSessionDurationWizardPage *m_selectionPage;
    SetSessionDurationConfirmationWizardPage *m_confirmationPage;
};

#endif // SETSESSIONDURATIONWIZARD_H
