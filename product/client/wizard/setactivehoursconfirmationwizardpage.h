#ifndef SETACTIVEHOURSCONFIRMATIONWIZARDPAGE_H
#define SETACTIVEHOURSCONFIRMATIONWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

class QTextEdit;
class SetActiveHoursWizard;

// The last page of SetActiveHoursWizard: the hours chosen, or that there are none. Finish needs
// valid times and a region when the hours are restricted.
class SetActiveHoursConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetActiveHoursConfirmationWizardPage(const QString &name, const QString &user, SetActiveHoursWizard *wizard);
    ~SetActiveHoursConfirmationWizardPage() override;

    void initializePage() override;
    // Going back resets nothing.
    void cleanupPage() override;
    bool isComplete() const override;

private:
    // The two texts as they go into the summary: the user's data, never markup.
    QString name() const;
    QString user() const;

    const QString m_name;
    const QString m_user;
    SetActiveHoursWizard *m_wizard; // not owned
    QTextEdit *m_summary;
};

#endif // SETACTIVEHOURSCONFIRMATIONWIZARDPAGE_H
