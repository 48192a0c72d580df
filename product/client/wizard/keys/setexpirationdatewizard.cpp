#include "setexpirationdatewizard.h"

#include "selectexpirationdatewizardpage.h"
#include "setexpirationdateconfirmationwizardpage.h"
#include "setexpirationdateintroductionwizardpage.h"
#include "wizardpagewidgets.h"

SetExpirationDateWizard::SetExpirationDateWizard(const QString &name, const QString &user, QWidget *parent)
    : QWizard(parent)
    , m_name(name)
    , m_user(user)
    , m_introductionPage(new SetExpirationDateIntroductionWizardPage(name, user, this))
    , m_selectionPage(new SelectExpirationDateWizardPage(this))
    , m_confirmationPage(new SetExpirationDateConfirmationWizardPage(name, user, this))
{
    wizardpage::SetUpKeyChangeWizard(this, tr("SetExpirationDateWizardTitle"),
                                     QStringLiteral(":icons/32x32/hourglass.png"), m_introductionPage, m_selectionPage,
                                     m_confirmationPage);
}

SetExpirationDateWizard::~SetExpirationDateWizard() = default;

QDate SetExpirationDateWizard::expirationDate() const
{
    return field(QStringLiteral("expirationDateCalendar")).toDate();
}
