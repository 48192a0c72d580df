#ifndef SETSESSIONDURATIONCONFIRMATIONWIZARDPAGE_H
#define SETSESSIONDURATIONCONFIRMATIONWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

class QTextEdit;
class SetSessionDurationWizard;

// The last page of SetSessionDurationWizard: the session length chosen, or that there is none.
class SetSessionDurationConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetSessionDurationConfirmationWizardPage(const QString &name, const QString &user,
                                             SetSessionDurationWizard *wizard);
    ~SetSessionDurationConfirmationWizardPage() override;

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
    SetSessionDurationWizard *m_wizard; // not owned
    QTextEdit *m_summary;
};

#endif // SETSESSIONDURATIONCONFIRMATIONWIZARDPAGE_H
