#include "createfolderkeywizard.h"

#include "createfolderkeyconfirmationwizardpage.h"
#include "createfolderkeyintroductionwizardpage.h"
#include "currenttimestamp.h"
#include "dbtimestamp.h"
#include "folderkeyreader.h"
#include "folderkeywriter.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "keyrules.h"
#include "selectactivedayswizardpage.h"
#include "selectactivehourswizardpage.h"
#include "selectactivemonthswizardpage.h"
#include "selectactivestatuswizardpage.h"
#include "selectexpirationdatewizardpage.h"
#include "selectfolderkeypermissionswizardpage.h"
#include "selectfolderkeyuserwizardpage.h"
#include "selectpasscodewizardpage.h"
#include "selectsessiondurationwizardpage.h"

#include "user3.pb.h"

#include <QDate>
#include <QDateTime>
#include <QIcon>
#include <QListWidgetItem>

namespace
{
constexpr int MinimumWidth = 800;
constexpr int MinimumHeight = 600;
}

CreateFolderKeyWizard::CreateFolderKeyWizard(int folderId, const QString &folderName, QWidget *parent)
    : QWizard(parent)
    , m_folderId(folderId)
    , m_folderName(folderName)
{
    // The user page asks this wizard for the folder id, so it is set before
    // any page is built.
    m_createFolderKeyIntroductionWizardPage = new CreateFolderKeyIntroductionWizardPage(this);
    m_selectFolderKeyPermissionsWizardPage = new SelectFolderKeyPermissionsWizardPage(this);
    m_selectActiveStatusWizardPage = new SelectActiveStatusWizardPage(this);
    m_selectActiveMonthsWizardPage = new SelectActiveMonthsWizardPage(this);
    m_selectActiveDaysWizardPage = new SelectActiveDaysWizardPage(this);
    m_selectActiveHoursWizardPage = new SelectActiveHoursWizardPage(this);
    m_selectSessionDurationWizardPage = new SelectSessionDurationWizardPage(this);
    m_selectExpirationDateWizardPage = new SelectExpirationDateWizardPage(this);
    m_selectPasscodeWizardPage = new SelectPasscodeWizardPage(this);
    m_selectFolderKeyUserWizardPage = new SelectFolderKeyUserWizardPage(this);
    m_createFolderKeyConfirmationWizardPage = new CreateFolderKeyConfirmationWizardPage(this);

    setWindowTitle(tr("CreateFolderKeyWizardTitle"));
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/folder_key.png")));
    setMinimumWidth(MinimumWidth);
    setMinimumHeight(MinimumHeight);
    setWizardStyle(QWizard::ModernStyle);

    addPage(m_createFolderKeyIntroductionWizardPage);
    addPage(m_selectFolderKeyPermissionsWizardPage);
    addPage(m_selectActiveStatusWizardPage);
    addPage(m_selectActiveMonthsWizardPage);
    addPage(m_selectActiveDaysWizardPage);
    addPage(m_selectActiveHoursWizardPage);
    addPage(m_selectSessionDurationWizardPage);
    addPage(m_selectExpirationDateWizardPage);
    addPage(m_selectPasscodeWizardPage);
    addPage(m_selectFolderKeyUserWizardPage);
    addPage(m_createFolderKeyConfirmationWizardPage);
}

CreateFolderKeyWizard::~CreateFolderKeyWizard() = default;

int CreateFolderKeyWizard::getFolderId() const
{
    return m_folderId;
}

QString CreateFolderKeyWizard::getFolderName() const
{
    return m_folderName;
}

CreateFolderKeyIntroductionWizardPage *CreateFolderKeyWizard::getCreateFolderKeyIntroductionWizardPage() const
{
    return m_createFolderKeyIntroductionWizardPage;
}

SelectFolderKeyPermissionsWizardPage *CreateFolderKeyWizard::getSelectFolderKeyPermissionsWizardPage() const
{
    return m_selectFolderKeyPermissionsWizardPage;
}

SelectActiveStatusWizardPage *CreateFolderKeyWizard::getSelectActiveStatusWizardPage() const
{
    return m_selectActiveStatusWizardPage;
}

SelectActiveMonthsWizardPage *CreateFolderKeyWizard::getSelectActiveMonthsWizardPage() const
{
    return m_selectActiveMonthsWizardPage;
}

SelectActiveDaysWizardPage *CreateFolderKeyWizard::getSelectActiveDaysWizardPage() const
{
    return m_selectActiveDaysWizardPage;
}

SelectActiveHoursWizardPage *CreateFolderKeyWizard::getSelectActiveHoursWizardPage() const
{
    return m_selectActiveHoursWizardPage;
}

SelectSessionDurationWizardPage *CreateFolderKeyWizard::getSelectSessionDurationWizardPage() const
{
    return m_selectSessionDurationWizardPage;
}

SelectExpirationDateWizardPage *CreateFolderKeyWizard::getSelectExpirationDateWizardPage() const
{
    return m_selectExpirationDateWizardPage;
}

SelectPasscodeWizardPage *CreateFolderKeyWizard::getSelectPasscodeWizardPage() const
{
    return m_selectPasscodeWizardPage;
}

SelectFolderKeyUserWizardPage *CreateFolderKeyWizard::getSelectFolderKeyUserWizardPage() const
{
    return m_selectFolderKeyUserWizardPage;
}

CreateFolderKeyConfirmationWizardPage *CreateFolderKeyWizard::getCreateFolderKeyConfirmationWizardPage() const
{
    return m_createFolderKeyConfirmationWizardPage;
}

qorv::data::FolderKey CreateFolderKeyWizard::folderKeyRules() const
{
    const bool restrictedHours = field(QStringLiteral("restrictedHours")).toBool();
    const bool restrictedDuration = field(QStringLiteral("restrictedDuration")).toBool();

    qorv::data::FolderKey folderKey;
    FolderKeyWriter writer(folderKey);

    const QTime from = field(QStringLiteral("fromTime")).toDateTime().time();
    const QTime to = field(QStringLiteral("toTime")).toDateTime().time();
    const QString region = field(QStringLiteral("region")).toString();

    // A document key gets these in its copies; a folder key has them from
    // the start.
    writer.setDescription(std::string());
    writer.setProperties(0);
    writer.setCreationDate(records::CurrentTimestamp().toDbString());

    writer.setActive(field(QStringLiteral("active")).toBool());
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

    const keyrules::ActiveHours hours = keyrules::KeyActiveHours(restrictedHours, from, to, region);
    writer.setActiveFrom(hours.from);
    writer.setActiveTo(hours.to);
    writer.setActiveRegion(hours.region);

    folderKey.mutable_folder_key_security_descriptor()->set_audits(0);
    writer.setPassword(std::string());

    writer.setPermission(FolderKeyProxy::View, field(QStringLiteral("permissionViewFolderContents")).toBool());
    writer.setPermission(FolderKeyProxy::Search, field(QStringLiteral("permissionSearchFolderContents")).toBool());

    writer.setSessionDuration(keyrules::SessionDurationSeconds(restrictedDuration,
                                                               field(QStringLiteral("durationSpinBox")).toUInt(),
                                                               field(QStringLiteral("durationComboBox")).toUInt()));

    const std::string expirationDate =
        keyrules::ExpirationDate(field(QStringLiteral("expirationDateCalendar")).toDate());
    if (!expirationDate.empty())
        writer.setExpirationDate(expirationDate);
    writer.setExpirationAction(FolderKeyProxy::NoAction);
    return folderKey;
}

std::optional<qorv::data::FolderKey> CreateFolderKeyWizard::folderKey()
{
    qorv::data::FolderKey folderKey = folderKeyRules();
    if (!field(QStringLiteral("passcodeIsValid")).toBool())
        return folderKey;
    const std::optional<std::string> stored = keyrules::StoredPasscode(field(QStringLiteral("passcode")).toString());
    if (!stored)
        return std::nullopt;
    FolderKeyWriter(folderKey).setPassword(*stored);
    return folderKey;
}

QList<qorv::data::FolderKey> CreateFolderKeyWizard::folderKeys()
{
    const QList<QListWidgetItem *> items = m_selectFolderKeyUserWizardPage->selectedItems();
    const std::optional<qorv::data::FolderKey> folderKeyTemplate = folderKey();
    if (!folderKeyTemplate)
        return {};
    const FolderKeyReader reader(*folderKeyTemplate);

    // Unlike a document key's, a folder key's user carries only the id and
    // the names, and the key names no owner.
    QList<qorv::data::FolderKey> folderKeys;
    for (const QListWidgetItem *item : items) {
        qorv::data::FolderKey folderKey;
        FolderKeyWriter writer(folderKey);
        writer = reader;
        writer.setFolderId(m_folderId);
        writer.setFolderName(m_folderName.toStdString());
        const qorv::data::User user =
            itemrecord::FromVariant<qorv::data::User>(item->data(UserRole)).value_or(qorv::data::User());
        writer.setUserId(user.user_id());
        writer.setUserLastName(user.user_last_name());
        writer.setUserFirstName(user.user_first_name());
        writer.setUserMiddleName(user.user_middle_name());
        folderKeys.append(folderKey);
    }
    return folderKeys;
}

void CreateFolderKeyWizard::accept()
{
    QWizard::accept();
}
