#ifndef SETEXPIRATIONDATECONFIRMATIONWIZARDPAGE_H
#define SETEXPIRATIONDATECONFIRMATIONWIZARDPAGE_H

#include "abstractkeychangeconfirmationwizardpage.h"

class SetExpirationDateWizard;

// The last page of SetExpirationDateWizard: the day chosen and how far away it is; a day today is
// shown in red. Finish needs a valid date.
class SetExpirationDateConfirmationWizardPage : public AbstractKeyChangeConfirmationWizardPage
{
    Q_OBJECT

public:
    SetExpirationDateConfirmationWizardPage(const QString &name, const QString &user, SetExpirationDateWizard *wizard);
    ~SetExpirationDateConfirmationWizardPage() override;

    void initializePage() override;
    bool isComplete() const override;
};

#endif // SETEXPIRATIONDATECONFIRMATIONWIZARDPAGE_H
