#ifndef SETEXPIRATIONDATECONFIRMATIONWIZARDPAGE_H
#define SETEXPIRATIONDATECONFIRMATIONWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

class QTextEdit;
class SetExpirationDateWizard;

// The last page of SetExpirationDateWizard: the day chosen and how far away it is; a day today is
// shown in red. Finish needs a valid date.
class SetExpirationDateConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetExpirationDateConfirmationWizardPage(const QString &name, const QString &user, SetExpirationDateWizard *wizard);
    ~SetExpirationDateConfirmationWizardPage() override;

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
    SetExpirationDateWizard *m_wizard; // not owned
    QTextEdit *m_summary;
};

#endif // SETEXPIRATIONDATECONFIRMATIONWIZARDPAGE_H
