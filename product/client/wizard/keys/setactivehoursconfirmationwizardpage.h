#ifndef SETACTIVEHOURSCONFIRMATIONWIZARDPAGE_H
#define SETACTIVEHOURSCONFIRMATIONWIZARDPAGE_H

#include "abstractkeychangeconfirmationwizardpage.h"

class SetActiveHoursWizard;

// The last page of SetActiveHoursWizard: the hours chosen, or that there are none. Finish needs
// valid times and a region when the hours are restricted.
class SetActiveHoursConfirmationWizardPage : public AbstractKeyChangeConfirmationWizardPage
{
    Q_OBJECT

public:
    SetActiveHoursConfirmationWizardPage(const QString &name, const QString &user, SetActiveHoursWizard *wizard);
    ~SetActiveHoursConfirmationWizardPage() override;

    void initializePage() override;
    bool isComplete() const override;
};

#endif // SETACTIVEHOURSCONFIRMATIONWIZARDPAGE_H
