#include "abstractcreatekeywizard.h"

#include "documentkeywriter.h"
#include "folderkeywriter.h"
#include "keyrules.h"
#include "resourceicon.h"
#include "selectactivedayswizardpage.h"
#include "selectactivehourswizardpage.h"
#include "selectactivemonthswizardpage.h"
#include "selectactivestatuswizardpage.h"
#include "selectexpirationdatewizardpage.h"
#include "selectpasscodewizardpage.h"
#include "selectsessiondurationwizardpage.h"

#include <QDate>
#include <QDateTime>
#include <QIcon>

namespace
{
constexpr int MinimumWidth = 800;
constexpr int MinimumHeight = 600;
}

AbstractCreateKeyWizard::AbstractCreateKeyWizard(const QString &title, const QString &iconPath, QWidget *parent)
    : QWizard(parent)
    , m_selectActiveStatusWizardPage(new SelectActiveStatusWizardPage(this))
    , m_selectActiveMonthsWizardPage(new SelectActiveMonthsWizardPage(this))
    , m_selectActiveDaysWizardPage(new SelectActiveDaysWizardPage(this))
    , m_selectActiveHoursWizardPage(new SelectActiveHoursWizardPage(this))
    , m_selectSessionDurationWizardPage(new SelectSessionDurationWizardPage(this))
    , m_selectExpirationDateWizardPage(new SelectExpirationDateWizardPage(this))
    , m_selectPasscodeWizardPage(new SelectPasscodeWizardPage(this))
{
    setWindowTitle(title);
    setWindowIcon(utils::ResourceIcon(iconPath));
    setMinimumWidth(MinimumWidth);
    setMinimumHeight(MinimumHeight);
    setWizardStyle(QWizard::ModernStyle);
}

AbstractCreateKeyWizard::~AbstractCreateKeyWizard() = default;

SelectActiveStatusWizardPage *AbstractCreateKeyWizard::getSelectActiveStatusWizardPage() const
{
    return m_selectActiveStatusWizardPage;
}

SelectActiveMonthsWizardPage *AbstractCreateKeyWizard::getSelectActiveMonthsWizardPage() const
{
    return m_selectActiveMonthsWizardPage;
}

SelectActiveDaysWizardPage *AbstractCreateKeyWizard::getSelectActiveDaysWizardPage() const
{
    return m_selectActiveDaysWizardPage;
}

SelectActiveHoursWizardPage *AbstractCreateKeyWizard::getSelectActiveHoursWizardPage() const
{
    return m_selectActiveHoursWizardPage;
}

SelectSessionDurationWizardPage *AbstractCreateKeyWizard::getSelectSessionDurationWizardPage() const
{
    return m_selectSessionDurationWizardPage;
}

SelectExpirationDateWizardPage *AbstractCreateKeyWizard::getSelectExpirationDateWizardPage() const
{
    return m_selectExpirationDateWizardPage;
}

SelectPasscodeWizardPage *AbstractCreateKeyWizard::getSelectPasscodeWizardPage() const
{
    return m_selectPasscodeWizardPage;
}

void AbstractCreateKeyWizard::accept()
{
    QWizard::accept();
}

void AbstractCreateKeyWizard::addRulePages()
{
    addPage(m_selectActiveStatusWizardPage);
    addPage(m_selectActiveMonthsWizardPage);
    addPage(m_selectActiveDaysWizardPage);
    addPage(m_selectActiveHoursWizardPage);
    addPage(m_selectSessionDurationWizardPage);
    addPage(m_selectExpirationDateWizardPage);
    addPage(m_selectPasscodeWizardPage);
}

template <class Writer>
void AbstractCreateKeyWizard::writeRules(Writer &writer) const
{
    writer.setActive(KeyProxy::ActiveStatus, field(QStringLiteral("active")).toBool());
    writer.setActiveDuringJanuary(field(QStringLiteral("january")).toBool());
    writer.setActiveDuringFebruary(field(QStringLiteral("february")).toBool());
    writer.setActiveDuringMarch(field(QStringLiteral("march")).toBool());
    writer.setActiveDuringApril(field(QStringLiteral("april")).toBool());
    writer.setActiveDuringMay(field(QStringLiteral("may")).toBool());
    writer.setActiveDuringJune(field(QStringLiteral("june")).toBool());
    writer.setActiveDuringJuly(field(QStringLiteral("july")).toBool());
    writer.setActiveDuringAugust(field(QStringLiteral("august")).toBool());
    writer.setActiveDuringSeptember(field(QStringLiteral("september")).toBool());
    writer.setActiveDuringOctober(field(QStringLiteral("october")).toBool());
    writer.setActiveDuringNovember(field(QStringLiteral("november")).toBool());
    writer.setActiveDuringDecember(field(QStringLiteral("december")).toBool());
    writer.setActiveOnSunday(field(QStringLiteral("sunday")).toBool());
    writer.setActiveOnMonday(field(QStringLiteral("monday")).toBool());
    writer.setActiveOnTuesday(field(QStringLiteral("tuesday")).toBool());
    writer.setActiveOnWednesday(field(QStringLiteral("wednesday")).toBool());
    writer.setActiveOnThursday(field(QStringLiteral("thursday")).toBool());
    writer.setActiveOnFriday(field(QStringLiteral("friday")).toBool());
    writer.setActiveOnSaturday(field(QStringLiteral("saturday")).toBool());

    const keyrules::ActiveHours hours = keyrules::KeyActiveHours(
        field(QStringLiteral("restrictedHours")).toBool(), field(QStringLiteral("fromTime")).toDateTime().time(),
        field(QStringLiteral("toTime")).toDateTime().time(), field(QStringLiteral("region")).toString());
    writer.setActiveFrom(hours.from);
    writer.setActiveTo(hours.to);
    writer.setActiveRegion(hours.region);

    writer.setSessionDuration(keyrules::SessionDurationSeconds(field(QStringLiteral("restrictedDuration")).toBool(),
                                                               field(QStringLiteral("durationSpinBox")).toUInt(),
                                                               field(QStringLiteral("durationComboBox")).toUInt()));

    const std::string expirationDate =
        keyrules::ExpirationDate(field(QStringLiteral("expirationDateCalendar")).toDate());
    if (!expirationDate.empty())
        writer.setExpirationDate(expirationDate);
    writer.setExpirationAction(KeyProxy::NoAction);
}

template void AbstractCreateKeyWizard::writeRules(DocumentKeyWriter &writer) const;
template void AbstractCreateKeyWizard::writeRules(FolderKeyWriter &writer) const;

std::optional<std::string> AbstractCreateKeyWizard::passcodeToStore() const
{
    if (!field(QStringLiteral("passcodeIsValid")).toBool())
        return std::string();
    return keyrules::StoredPasscode(field(QStringLiteral("passcode")).toString());
}
