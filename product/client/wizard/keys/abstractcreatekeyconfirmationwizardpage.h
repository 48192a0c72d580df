#ifndef ABSTRACTCREATEKEYCONFIRMATIONWIZARDPAGE_H
#define ABSTRACTCREATEKEYCONFIRMATIONWIZARDPAGE_H

#include <QList>
#include <QString>
#include <QWizardPage>

class QListWidgetItem;
class QTextEdit;
class QWizard;

namespace qorv::data
{
class SecurityDescriptor;
}

// What the last pages of the create-key wizards share: the checkered flag,
// the read-only HTML summary the subclass rebuilds as the page opens, and the
// part of it that every key has alike, from the active status to the picked
// users, with whatever would make the key useless in red. Going back changes
// nothing.
class AbstractCreateKeyConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    ~AbstractCreateKeyConfirmationWizardPage() override;

    void cleanupPage() override;

protected:
    // The sentences of the shared part; the subclass looks them up in its
    // own context.
    struct RuleTexts
    {
        QString inactive;
        QString active;
        QString noMonths;
        QString months;
        QString noDays;
        QString days;
        QString noHours;
        QString hours;
        QString noDuration;
        QString duration;
        QString noExpiration;
        QString expiresToday;
        QString expiresTomorrow;
        QString expiresLater;
        QString noPasscode;
        QString passcode;
        QString noUsers;
        QString users;
    };

    // What the shared part reads off the key; the rest comes from the
    // wizard's fields.
    struct RuleFacts
    {
        bool active;
        bool hasActiveHours;
        bool limitsSession;
        bool expires;
    };

    // The subclass looks title and subtitle up in its own context.
    AbstractCreateKeyConfirmationWizardPage(const QString &title, const QString &subTitle, QWizard *wizard);

    QString rulesSummary(const RuleTexts &texts, const RuleFacts &facts,
                         const qorv::data::SecurityDescriptor &descriptor,
                         const QList<QListWidgetItem *> &picked) const;
    void setSummary(const QString &html);

private:
    QTextEdit *m_summary;
};

#endif // ABSTRACTCREATEKEYCONFIRMATIONWIZARDPAGE_H
