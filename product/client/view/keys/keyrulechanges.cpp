#include "keyrulechanges.h"

#include "dbtimestamp.h"
#include "setactivehourswizard.h"
#include "setexpirationdatewizard.h"
#include "setpasscodewizard.h"
#include "setrevisionwizard.h"
#include "setsessiondurationwizard.h"

#include <QDate>
#include <QDialog>
#include <QTime>

namespace keyrulechanges
{
std::optional<keyrules::ActiveHours> ActiveHours(const QString &name, const QString &user, QWidget *window)
{
    SetActiveHoursWizard wizard(name, user, window);
    if (wizard.exec() != QDialog::Accepted)
        return std::nullopt;
    const bool restricted = wizard.restrictedHours();
    const QTime from = wizard.activeFrom();
    const QTime to = wizard.activeTo();
    const QString region = wizard.activeRegion();
    if (restricted && !(from.isValid() && to.isValid() && from < to && !region.isEmpty()))
        return std::nullopt;
    return keyrules::KeyActiveHours(restricted, from, to, region);
}

std::optional<int> SessionDuration(const QString &name, const QString &user, QWidget *window)
{
    SetSessionDurationWizard wizard(name, user, window);
    if (wizard.exec() != QDialog::Accepted)
        return std::nullopt;
    const int amount = wizard.durationSpinBox();
    return keyrules::SessionDurationSeconds(wizard.restrictedDuration() && amount > 0,
                                            static_cast<unsigned int>(qMax(amount, 0)),
                                            static_cast<unsigned int>(qMax(wizard.durationComboBox(), 0)));
}

std::optional<std::string> ExpirationDate(const QString &name, const QString &user, QWidget *window)
{
    SetExpirationDateWizard wizard(name, user, window);
    if (wizard.exec() != QDialog::Accepted)
        return std::nullopt;
    const std::string expirationDate = keyrules::ExpirationDate(wizard.expirationDate());
    if (expirationDate.empty())
        return std::nullopt;
    return expirationDate;
}

std::optional<std::string> Password(const QString &name, const QString &user, QWidget *window)
{
    SetPasscodeWizard wizard(name, user, window);
    if (wizard.exec() != QDialog::Accepted)
        return std::nullopt;
    if (wizard.noPasscode())
        return std::string();
    if (!wizard.passcodeIsValid())
        return std::nullopt;
    return wizard.passcode();
}

std::optional<std::string> DocumentRevision(const QString &name, const QString &user, QWidget *window, int documentId)
{
    SetRevisionWizard wizard(name, user, window, documentId);
    if (wizard.exec() != QDialog::Accepted)
        return std::nullopt;
    return wizard.currentRevision() ? DbTimestamp::m_MaxTimestamp : wizard.revisionSysStart();
}
}
