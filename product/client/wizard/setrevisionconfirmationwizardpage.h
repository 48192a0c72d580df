#ifndef SETREVISIONCONFIRMATIONWIZARDPAGE_H
#define SETREVISIONCONFIRMATIONWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

class QTextEdit;
class SetRevisionWizard;

// The last page of SetRevisionWizard: the current revision or the earlier one chosen.
class SetRevisionConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SetRevisionConfirmationWizardPage(const QString &name, const QString &user, SetRevisionWizard *wizard);
    ~SetRevisionConfirmationWizardPage() override;

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
    SetRevisionWizard *m_wizard; // not owned
    QTextEdit *m_summary;
};

#endif // SETREVISIONCONFIRMATIONWIZARDPAGE_H
