#ifndef ABSTRACTCREATEKEYWIZARD_H
#define ABSTRACTCREATEKEYWIZARD_H

#include <QString>
#include <QWizard>

#include <optional>
#include <string>

class SelectActiveDaysWizardPage;
class SelectActiveHoursWizardPage;
class SelectActiveMonthsWizardPage;
class SelectActiveStatusWizardPage;
class SelectExpirationDateWizardPage;
class SelectPasscodeWizardPage;
class SelectSessionDurationWizardPage;

// What the create-key wizards share: the window, the pages for the rules
// that every kind of key has (status, months, days, hours, session
// duration, expiration, passcode) and the writing of those rules into a key.
// The subclass builds and adds its own pages around the shared ones.
class AbstractCreateKeyWizard : public QWizard
{
    Q_OBJECT

public:
    ~AbstractCreateKeyWizard() override;

    SelectActiveStatusWizardPage *getSelectActiveStatusWizardPage() const;
    SelectActiveMonthsWizardPage *getSelectActiveMonthsWizardPage() const;
    SelectActiveDaysWizardPage *getSelectActiveDaysWizardPage() const;
    SelectActiveHoursWizardPage *getSelectActiveHoursWizardPage() const;
    SelectSessionDurationWizardPage *getSelectSessionDurationWizardPage() const;
    SelectExpirationDateWizardPage *getSelectExpirationDateWizardPage() const;
    SelectPasscodeWizardPage *getSelectPasscodeWizardPage() const;

    void accept() override;

protected:
    // The subclass looks the title up in its own context.
    AbstractCreateKeyWizard(const QString &title, const QString &iconPath, QWidget *parent);

    // Adds the shared pages, in the order the user goes through them.
    void addRulePages();

    // The status, months, days and hours, the session duration and the
    // expiration as the pages describe them now. Made for the key writers
    // of this program (instantiated for each).
    template <class Writer>
    void writeRules(Writer &writer) const;

    // The passcode as it is to be stored: the empty text when none is
    // chosen; absent when the chosen one cannot be stored.
    std::optional<std::string> passcodeToStore() const;

private:
    SelectActiveStatusWizardPage *m_selectActiveStatusWizardPage;
    SelectActiveMonthsWizardPage *m_selectActiveMonthsWizardPage;
    SelectActiveDaysWizardPage *m_selectActiveDaysWizardPage;
    SelectActiveHoursWizardPage *m_selectActiveHoursWizardPage;
    SelectSessionDurationWizardPage *m_selectSessionDurationWizardPage;
    SelectExpirationDateWizardPage *m_selectExpirationDateWizardPage;
    SelectPasscodeWizardPage *m_selectPasscodeWizardPage;
};

#endif // ABSTRACTCREATEKEYWIZARD_H
