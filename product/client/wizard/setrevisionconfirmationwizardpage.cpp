#include "setrevisionconfirmationwizardpage.h"

#include "setrevisionwizard.h"

#include <QDateTime>

SetRevisionConfirmationWizardPage::SetRevisionConfirmationWizardPage(const QString &name, const QString &user,
                                                                     SetRevisionWizard *wizard)
    : AbstractKeyChangeConfirmationWizardPage(name, user, tr("SetRevisionConfirmationWizardPageTitle"),
                                              tr("SetRevisionConfirmationWizardPageSubTitle"), wizard)
{
}

SetRevisionConfirmationWizardPage::~SetRevisionConfirmationWizardPage() = default;

void SetRevisionConfirmationWizardPage::initializePage()
{
    const QString revisionDateTime = field(QStringLiteral("revisionDateTime")).toString();
    // Nothing selected counts as the current revision, as the wizard reports it.
    if (field(QStringLiteral("currentRevision")).toBool()
        || field(QStringLiteral("revisionSysStart")).toString().isEmpty()) {
        setSummary(tr("CurrentRevision"));
        return;
    }
    const QDateTime revision = QDateTime::fromString(revisionDateTime, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    setSummary(tr("PreviousRevision").arg(revision.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
}

bool SetRevisionConfirmationWizardPage::isComplete() const
{
    return true;
}
