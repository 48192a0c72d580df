#ifndef ABSTRACTKEYCHANGECONFIRMATIONWIZARDPAGE_H
#define ABSTRACTKEYCHANGECONFIRMATIONWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

class QTextEdit;
class QWizard;

// What the last pages of the wizards that change one rule of a key share:
// the checkered flag, the read-only summary the subclass writes as the page
// opens, and the key's name and holder escaped for that summary. Going back
// resets nothing.
class AbstractKeyChangeConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    ~AbstractKeyChangeConfirmationWizardPage() override;

    void cleanupPage() override;

protected:
    // The subclass looks title and subtitle up in its own context.
    AbstractKeyChangeConfirmationWizardPage(const QString &name, const QString &user, const QString &title,
                                            const QString &subTitle, QWizard *wizard);

    void setSummary(const QString &html);
    // The two texts as they go into the summary: the user's data, never markup.
    QString name() const;
    QString user() const;

private:
    const QString m_name;
    const QString m_user;
    QTextEdit *m_summary;
};

#endif // ABSTRACTKEYCHANGECONFIRMATIONWIZARDPAGE_H
