#ifndef SETPASSCODEWIZARD_H
#define SETPASSCODEWIZARD_H

#include <QString>
#include <QWizard>

#include <optional>
#include <string>

class SetPasscodeConfirmationWizardPage;
class SetPasscodeIntroductionWizardPage;
class SelectPasscodeWizardPage;

// Sets or removes the passcode of an existing key. passcode() gives the
// stored form, freshly salted on every call, or nothing when the passcode
// cannot be hashed now (the key must then be left as it is).
class SetPasscodeWizard : public QWizard
{
    Q_OBJECT

public:
    SetPasscodeWizard(const QString &name, const QString &user, QWidget *parent);
    ~SetPasscodeWizard() override;

    bool noPasscode() const;
    bool passcodeIsValid() const;
    std::optional<std::string> passcode() const;

private:
    const QString m_name;
    const QString m_user;
    SetPasscodeIntroductionWizardPage *m_introductionPage;
    SelectPasscodeWizardPage *m_selectionPage;
    SetPasscodeConfirmationWizardPage *m_confirmationPage;
};

#endif // SETPASSCODEWIZARD_H
