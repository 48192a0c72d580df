#include "setrevisionwizard.h"

#include "selectrevisionwizardpage.h"
#include "setrevisionconfirmationwizardpage.h"
#include "setrevisionintroductionwizardpage.h"
#include "wizardpagewidgets.h"

SetRevisionWizard::SetRevisionWizard(const QString &name, const QString &user, QWidget *parent, int documentId)
    : QWizard(parent)
    , m_name(name)
    , m_user(user)
    , m_introductionPage(new SetRevisionIntroductionWizardPage(name, user, this))
    , m_selectionPage(new SelectRevisionWizardPage(this, documentId))
    , m_confirmationPage(new SetRevisionConfirmationWizardPage(name, user, this))
{
    wizardpage::SetUpKeyChangeWizard(this, tr("SetRevisionWizardTitle"),
                                     QStringLiteral(":icons/32x32/document_empty_clock_back.png"), m_introductionPage,
                                     m_selectionPage, m_confirmationPage);
}

SetRevisionWizard::~SetRevisionWizard() = default;

bool SetRevisionWizard::currentRevision() const
{
    return field(QStringLiteral("currentRevision")).toBool()
           || field(QStringLiteral("revisionSysStart")).toString().isEmpty();
}

std::string SetRevisionWizard::revisionDateTime() const
{
    return field(QStringLiteral("revisionDateTime")).toString().toStdString();
}

std::string SetRevisionWizard::revisionSysStart() const
{
    return field(QStringLiteral("revisionSysStart")).toString().toStdString();
}
