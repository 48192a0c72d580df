#include "createdocumentkeywizard.h"

#include "createdocumentkeyconfirmationwizardpage.h"
#include "createdocumentkeyintroductionwizardpage.h"
#include "currenttimestamp.h"
#include "dbtimestamp.h"
#include "documentkeyreader.h"
#include "documentkeywriter.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "registry.h"
#include "selectdocumentkeypermissionswizardpage.h"
#include "selectdocumentkeyuserwizardpage.h"
#include "selectrevisionwizardpage.h"

#include "user3.pb.h"

#include <QListWidgetItem>

CreateDocumentKeyWizard::CreateDocumentKeyWizard(int documentId, const QString &documentName, QWidget *parent)
    : AbstractCreateKeyWizard(tr("CreateDocumentKeyWizardTitle"), QStringLiteral(":icons/32x32/key_add.png"), parent)
    , m_documentId(documentId)
    , m_documentName(documentName)
{
    // The revision page needs the id, and the user page asks this wizard
    // for it, so both are set before those pages are built.
    m_createDocumentKeyIntroductionWizardPage = new CreateDocumentKeyIntroductionWizardPage(this);
    m_selectRevisionWizardPage = new SelectRevisionWizardPage(this, m_documentId);
    m_selectDocumentKeyPermissionsWizardPage = new SelectDocumentKeyPermissionsWizardPage(this);
    m_selectDocumentKeyUserWizardPage = new SelectDocumentKeyUserWizardPage(this);
    m_createDocumentKeyConfirmationWizardPage = new CreateDocumentKeyConfirmationWizardPage(this);

    addPage(m_createDocumentKeyIntroductionWizardPage);
    addPage(m_selectRevisionWizardPage);
    addPage(m_selectDocumentKeyPermissionsWizardPage);
    addRulePages();
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
    const std::string revision =
        currentRevision ? std::string() : field(QStringLiteral("revisionSysStart")).toString().toStdString();

    qorv::data::DocumentKey documentKey;
    DocumentKeyWriter writer(documentKey, DocumentKeyProxy::NoDefaults);
    writer.setDocumentName(m_documentName.toStdString());
    // No revision chosen means the current one: a key never names an empty revision.
    writer.setDocumentRevision(DbTimestamp(revision.empty() ? DbTimestamp::m_MaxTimestamp : revision).toDbString());
    writer.setCreationDate(records::CurrentTimestamp().toDbString());

    writeRules(writer);

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
    return documentKey;
}

std::optional<qorv::data::DocumentKey> CreateDocumentKeyWizard::documentKey()
{
    qorv::data::DocumentKey documentKey = documentKeyRules();
    const std::optional<std::string> stored = passcodeToStore();
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
        const qorv::data::User user = itemrecord::Get<qorv::data::User>(item, UserRole);
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
