#ifndef SETREVISIONCONFIRMATIONWIZARDPAGE_H
#define SETREVISIONCONFIRMATIONWIZARDPAGE_H

#include "abstractkeychangeconfirmationwizardpage.h"

class SetRevisionWizard;

// The last page of SetRevisionWizard: the current revision or the earlier one chosen.
class SetRevisionConfirmationWizardPage : public AbstractKeyChangeConfirmationWizardPage
{
    Q_OBJECT

public:
    SetRevisionConfirmationWizardPage(const QString &name, const QString &user, SetRevisionWizard *wizard);
    ~SetRevisionConfirmationWizardPage() override;

    void initializePage() override;
    bool isComplete() const override;
};

#endif // SETREVISIONCONFIRMATIONWIZARDPAGE_H
