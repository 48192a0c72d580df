#include "createdocumentkeywizard.h"

#include "createdocumentkeyconfirmationwizardpage.h"
#include "createdocumentkeyintroductionwizardpage.h"
#include "currenttimestamp.h"
#include "dbtimestamp.h"
#include "documentkeyreader.h"
#include "documentkeywriter.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "keyrules.h"
#include "registry.h"
#include "selectactivedayswizardpage.h"
#include "selectactivehourswizardpage.h"
#include "selectactivemonthswizardpage.h"
#include "selectactivestatuswizardpage.h"
#include "selectdocumentkeypermissionswizardpage.h"
#include "selectdocumentkeyuserwizardpage.h"
#include "selectexpirationdatewizardpage.h"
#include "selectpasscodewizardpage.h"
#include "selectrevisionwizardpage.h"
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

CreateDocumentKeyWizard::CreateDocumentKeyWizard(int documentId, const QString &documentName, QWidget *parent)
    : QWizard(parent)
    , m_documentId(documentId)
    , m_documentName(documentName)
{
    // The revision page needs the id, and the user page asks this wizard
    // for it, so both are set before any page is built.
    m_createDocumentKeyIntroductionWizardPage = new CreateDocumentKeyIntroductionWizardPage(this);
    m_selectRevisionWizardPage = new SelectRevisionWizardPage(this, m_documentId);
    m_selectDocumentKeyPermissionsWizardPage = new SelectDocumentKeyPermissionsWizardPage(this);
    m_selectActiveStatusWizardPage = new SelectActiveStatusWizardPage(this);
    m_selectActiveMonthsWizardPage = new SelectActiveMonthsWizardPage(this);
    m_selectActiveDaysWizardPage = new SelectActiveDaysWizardPage(this);
    m_selectActiveHoursWizardPage = new SelectActiveHoursWizardPage(this);
    m_selectSessionDurationWizardPage = new SelectSessionDurationWizardPage(this);
    m_selectExpirationDateWizardPage = new SelectExpirationDateWizardPage(this);
    m_selectPasscodeWizardPage = new SelectPasscodeWizardPage(this);
    m_selectDocumentKeyUserWizardPage = new SelectDocumentKeyUserWizardPage(this);
    m_createDocumentKeyConfirmationWizardPage = new CreateDocumentKeyConfirmationWizardPage(this);

    setWindowTitle(tr("CreateDocumentKeyWizardTitle"));
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/key_add.png")));
    setMinimumWidth(MinimumWidth);
    setMinimumHeight(MinimumHeight);
    setWizardStyle(QWizard::ModernStyle);

    addPage(m_createDocumentKeyIntroductionWizardPage);
    addPage(m_selectRevisionWizardPage);
    addPage(m_selectDocumentKeyPermissionsWizardPage);
    addPage(m_selectActiveStatusWizardPage);
    addPage(m_selectActiveMonthsWizardPage);
    addPage(m_selectActiveDaysWizardPage);
    addPage(m_selectActiveHoursWizardPage);
    addPage(m_selectSessionDurationWizardPage);
    addPage(m_selectExpirationDateWizardPage);
    addPage(m_selectPasscodeWizardPage);
    addPage(m_selectDocumentKeyUserWizardPage);
    addPage(m_createDocumentKeyConfirmationWizardPage);
}

CreateDocumentKeyWizard::~CreateDocumentKeyWizard() = default;

int CreateDocumentKeyWizard::getDocumentId() const
{
    return m_documentId;
}

QString CreateDocumentKeyWizard::getDocumentName() const
{
    return m_documentName;
}

CreateDocumentKeyIntroductionWizardPage *CreateDocumentKeyWizard::getCreateDocumentKeyIntroductionWizardPage() const
{
    return m_createDocumentKeyIntroductionWizardPage;
}

SelectRevisionWizardPage *CreateDocumentKeyWizard::getSelectRevisionWizardPage() const
{
    return m_selectRevisionWizardPage;
}

SelectDocumentKeyPermissionsWizardPage *CreateDocumentKeyWizard::getSelectDocumentKeyPermissionsWizardPage() const
{
    return m_selectDocumentKeyPermissionsWizardPage;
}

SelectActiveStatusWizardPage *CreateDocumentKeyWizard::getSelectActiveStatusWizardPage() const
{
    return m_selectActiveStatusWizardPage;
}

SelectActiveMonthsWizardPage *CreateDocumentKeyWizard::getSelectActiveMonthsWizardPage() const
{
    return m_selectActiveMonthsWizardPage;
}

SelectActiveDaysWizardPage *CreateDocumentKeyWizard::getSelectActiveDaysWizardPage() const
{
    return m_selectActiveDaysWizardPage;
}

SelectActiveHoursWizardPage *CreateDocumentKeyWizard::getSelectActiveHoursWizardPage() const
{
    return m_selectActiveHoursWizardPage;
}

SelectSessionDurationWizardPage *CreateDocumentKeyWizard::getSelectSessionDurationWizardPage() const
{
    return m_selectSessionDurationWizardPage;
}

SelectExpirationDateWizardPage *CreateDocumentKeyWizard::getSelectExpirationDateWizardPage() const
{
    return m_selectExpirationDateWizardPage;
}

SelectPasscodeWizardPage *CreateDocumentKeyWizard::getSelectPasscodeWizardPage() const
{
    return m_selectPasscodeWizardPage;
}

SelectDocumentKeyUserWizardPage *CreateDocumentKeyWizard::getSelectDocumentKeyUserWizardPage() const
{
    return m_selectDocumentKeyUserWizardPage;
}

CreateDocumentKeyConfirmationWizardPage *CreateDocumentKeyWizard::getCreateDocumentKeyConfirmationWizardPage() const
{
    return m_createDocumentKeyConfirmationWizardPage;
}

qorv::data::DocumentKey CreateDocumentKeyWizard::documentKeyRules() const
{
    const bool currentRevision = field(QStringLiteral("currentRevision")).toBool();
    const bool restrictedHours = field(QStringLiteral("restrictedHours")).toBool();
    const bool restrictedDuration = field(QStringLiteral("restrictedDuration")).toBool();
    const std::string revision =
        currentRevision ? std::string() : field(QStringLiteral("revisionSysStart")).toString().toStdString();

    qorv::data::DocumentKey documentKey;
    DocumentKeyWriter writer(documentKey, DocumentKeyProxy::NoDefaults);
    writer.setDocumentName(m_documentName.toStdString());
    // No revision chosen means the current one: a key never names an empty revision.
    writer.setDocumentRevision(DbTimestamp(revision.empty() ? DbTimestamp::m_MaxTimestamp : revision).toDbString());
    writer.setCreationDate(records::CurrentTimestamp().toDbString());

    const QTime from = field(QStringLiteral("fromTime")).toDateTime().time();
    const QTime to = field(QStringLiteral("toTime")).toDateTime().time();
    const QString region = field(QStringLiteral("region")).toString();

    writer.setActive(DocumentKeyProxy::ActiveStatus, field(QStringLiteral("active")).toBool());
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

    documentKey.mutable_document_key_security_descriptor()->set_audits(0);
    writer.setPassword(std::string());

    writer.setPermission(DocumentKeyProxy::View, field(QStringLiteral("permissionViewDocumentContents")).toBool());
    writer.setPermission(DocumentKeyProxy::Update, field(QStringLiteral("permissionUpdateDocument")).toBool());
    writer.setPermission(DocumentKeyProxy::CopyFromClipboard,
                         field(QStringLiteral("permissionCopyDocumentContentsFromClipboard")).toBool());
    writer.setPermission(DocumentKeyProxy::CopyToClipboard,
                         field(QStringLiteral("permissionCopyDocumentContentsToClipboard")).toBool());
    writer.setPermission(DocumentKeyProxy::ExportToTextFile,
                         field(QStringLiteral("permissionExportDocumentContentsToTextFile")).toBool());
    writer.setPermission(DocumentKeyProxy::ExportToPdfFile,
                         field(QStringLiteral("permissionExportDocumentContentsToPdfFile")).toBool());
    writer.setPermission(DocumentKeyProxy::Print, field(QStringLiteral("permissionPrintDocumentContents")).toBool());
    writer.setPermission(DocumentKeyProxy::Search, field(QStringLiteral("permissionSearchDocumentContents")).toBool());

    writer.setSessionDuration(keyrules::SessionDurationSeconds(restrictedDuration,
                                                               field(QStringLiteral("durationSpinBox")).toUInt(),
                                                               field(QStringLiteral("durationComboBox")).toUInt()));

    const std::string expirationDate =
        keyrules::ExpirationDate(field(QStringLiteral("expirationDateCalendar")).toDate());
    if (!expirationDate.empty())
        writer.setExpirationDate(expirationDate);
    writer.setExpirationAction(DocumentKeyProxy::NoAction);
    return documentKey;
}

std::optional<qorv::data::DocumentKey> CreateDocumentKeyWizard::documentKey()
{
    qorv::data::DocumentKey documentKey = documentKeyRules();
    if (!field(QStringLiteral("passcodeIsValid")).toBool())
        return documentKey;
    const std::optional<std::string> stored = keyrules::StoredPasscode(field(QStringLiteral("passcode")).toString());
    if (!stored)
        return std::nullopt;
    DocumentKeyWriter(documentKey, DocumentKeyProxy::NoDefaults).setPassword(*stored);
    return documentKey;
}

QList<qorv::data::DocumentKey> CreateDocumentKeyWizard::documentKeys()
{
    const QList<QListWidgetItem *> items = m_selectDocumentKeyUserWizardPage->selectedItems();
    const std::optional<qorv::data::DocumentKey> documentKeyTemplate = documentKey();
    if (!documentKeyTemplate)
        return {};
    const DocumentKeyReader reader(*documentKeyTemplate);
    const qorv::data::User &owner = RegistrySingleton::instance()->getUser();

    QList<qorv::data::DocumentKey> documentKeys;
    for (const QListWidgetItem *item : items) {
        qorv::data::DocumentKey documentKey;
        DocumentKeyWriter writer(documentKey, DocumentKeyProxy::NoDefaults);
        writer = reader;
        writer.setDescription(std::string());
        writer.setProperties(0);
        writer.setDocumentId(m_documentId);
        writer.setDocumentName(m_documentName.toStdString());
        const qorv::data::User user =
            itemrecord::FromVariant<qorv::data::User>(item->data(UserRole)).value_or(qorv::data::User());
        writer.setUserId(user.user_id());
        writer.setUserLastName(user.user_last_name());
        writer.setUserFirstName(user.user_first_name());
        writer.setUserMiddleName(user.user_middle_name());
        *documentKey.mutable_document_key_user() = user;
        *documentKey.mutable_document_key_owner() = owner;
        documentKeys.append(documentKey);
    }
    return documentKeys;
}

void CreateDocumentKeyWizard::accept()
{
    QWizard::accept();
}
