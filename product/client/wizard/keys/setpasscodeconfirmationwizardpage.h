#ifndef SETPASSCODECONFIRMATIONWIZARDPAGE_H
#define SETPASSCODECONFIRMATIONWIZARDPAGE_H

#include "abstractkeychangeconfirmationwizardpage.h"

class SetPasscodeWizard;

// The last page of SetPasscodeWizard: no passcode, a confirmed one, or (in red, with Finish
// disabled) one that was never confirmed.
class SetPasscodeConfirmationWizardPage : public AbstractKeyChangeConfirmationWizardPage
{
    Q_OBJECT

public:
    SetPasscodeConfirmationWizardPage(const QString &name, const QString &user, SetPasscodeWizard *wizard);
    ~SetPasscodeConfirmationWizardPage() override;

    void initializePage() override;
    bool isComplete() const override;
};

#endif // SETPASSCODECONFIRMATIONWIZARDPAGE_H
