#ifndef SETSESSIONDURATIONCONFIRMATIONWIZARDPAGE_H
#define SETSESSIONDURATIONCONFIRMATIONWIZARDPAGE_H

#include "abstractkeychangeconfirmationwizardpage.h"

class SetSessionDurationWizard;

// The last page of SetSessionDurationWizard: the session length chosen, or that there is none.
class SetSessionDurationConfirmationWizardPage : public AbstractKeyChangeConfirmationWizardPage
{
    Q_OBJECT

public:
    SetSessionDurationConfirmationWizardPage(const QString &name, const QString &user,
                                             SetSessionDurationWizard *wizard);
    ~SetSessionDurationConfirmationWizardPage() override;

    void initializePage() override;
    bool isComplete() const override;
};

#endif // SETSESSIONDURATIONCONFIRMATIONWIZARDPAGE_H
