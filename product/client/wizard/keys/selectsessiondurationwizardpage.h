#ifndef SELECTSESSIONDURATIONWIZARDPAGE_H
#define SELECTSESSIONDURATIONWIZARDPAGE_H

#include <QWizardPage>

class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;

// How long one session through a key may last: unrestricted, or an amount
// (1 to 28800) of minutes or hours. The fields hand the amount and the unit
// index over unconverted; the amount and unit stay while hidden.
class SelectSessionDurationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectSessionDurationWizardPage(QWidget *parent);
    ~SelectSessionDurationWizardPage() override;

    // Going back keeps the choices.
    void cleanupPage() override;

private slots:
    void toggleRestrictedDuration(bool state);

private:
    QRadioButton *m_unrestrictedRadioButton;
    QRadioButton *m_restrictedRadioButton;
    QLabel *m_durationLabel;
    QLabel *m_unitsLabel;
    QSpinBox *m_durationSpinBox;
    QComboBox *m_unitsComboBox;
};

#endif // SELECTSESSIONDURATIONWIZARDPAGE_H
