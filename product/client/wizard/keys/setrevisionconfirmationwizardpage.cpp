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
    // Nothing selected counts as the current revision, as the wizard reports it.
    const auto *revisionWizard = qobject_cast<const SetRevisionWizard *>(wizard());
    if (revisionWizard == nullptr || revisionWizard->currentRevision()) {
        setSummary(tr("CurrentRevision"));
        return;
    }
    const QDateTime revision = QDateTime::fromString(field(QStringLiteral("revisionDateTime")).toString(),
                                                     QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    setSummary(tr("PreviousRevision").arg(revision.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
}

bool SetRevisionConfirmationWizardPage::isComplete() const
{
    return true;
}
