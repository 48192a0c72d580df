#include "setexpirationdateconfirmationwizardpage.h"

#include "keysummary.h"
#include "setexpirationdatewizard.h"

#include <QDate>

SetExpirationDateConfirmationWizardPage::SetExpirationDateConfirmationWizardPage(const QString &name,
                                                                                 const QString &user,
                                                                                 SetExpirationDateWizard *wizard)
    : AbstractKeyChangeConfirmationWizardPage(name, user, tr("SetExpirationDateConfirmationWizardPageTitle"),
                                              tr("SetExpirationDateConfirmationWizardPageSubTitle"), wizard)
{
}

SetExpirationDateConfirmationWizardPage::~SetExpirationDateConfirmationWizardPage() = default;

void SetExpirationDateConfirmationWizardPage::initializePage()
{
    setSummary(keysummary::Expiration(field(QStringLiteral("expirationDateCalendar")).toDate(), tr("Translation0"),
                                      tr("Translation1"), tr("TranslationN")));
}

bool SetExpirationDateConfirmationWizardPage::isComplete() const
{
    return field(QStringLiteral("expirationDateCalendar")).toDate().isValid();
}
