#ifndef SETPASSCODECONFIRMATIONWIZARDPAGE_H
#define SETPASSCODECONFIRMATIONWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

class QTextEdit;
class SetPasscodeWizard;

// The last page of SetPasscodeWizard: no passcode, a confirmed one, or (in red, with Finish
// disabled) one that was never confirmed.
class SetPasscodeConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetPasscodeConfirmationWizardPage(const QString &name, const QString &user, SetPasscodeWizard *wizard);
    ~SetPasscodeConfirmationWizardPage() override;

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
    SetPasscodeWizard *m_wizard; // not owned
    QTextEdit *m_summary;
};

#endif // SETPASSCODECONFIRMATIONWIZARDPAGE_H
