#include "createfolderkeywizard.h"

#include "createfolderkeyconfirmationwizardpage.h"
#include "createfolderkeyintroductionwizardpage.h"
#include "currenttimestamp.h"
#include "dbtimestamp.h"
#include "folderkeyreader.h"
#include "folderkeywriter.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "selectfolderkeypermissionswizardpage.h"
#include "selectfolderkeyuserwizardpage.h"

#include "user3.pb.h"

#include <QListWidgetItem>

CreateFolderKeyWizard::CreateFolderKeyWizard(int folderId, const QString &folderName, QWidget *parent)
    : AbstractCreateKeyWizard(tr("CreateFolderKeyWizardTitle"), QStringLiteral(":icons/32x32/folder_key.png"), parent)
    , m_folderId(folderId)
    , m_folderName(folderName)
{
    // The user page asks this wizard for the folder id, so it is set before
    // that page is built.
    m_createFolderKeyIntroductionWizardPage = new CreateFolderKeyIntroductionWizardPage(this);
    m_selectFolderKeyPermissionsWizardPage = new SelectFolderKeyPermissionsWizardPage(this);
    m_selectFolderKeyUserWizardPage = new SelectFolderKeyUserWizardPage(this);
    m_createFolderKeyConfirmationWizardPage = new CreateFolderKeyConfirmationWizardPage(this);

    addPage(m_createFolderKeyIntroductionWizardPage);
    addPage(m_selectFolderKeyPermissionsWizardPage);
    addRulePages();
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
    qorv::data::FolderKey folderKey;
    FolderKeyWriter writer(folderKey);

    // A document key gets these in its copies; a folder key has them from
    // the start.
    writer.setDescription(std::string());
    writer.setProperties(0);
    writer.setCreationDate(records::CurrentTimestamp().toDbString());

    writeRules(writer);

    folderKey.mutable_folder_key_security_descriptor()->set_audits(0);
    writer.setPassword(std::string());

    writer.setPermission(FolderKeyProxy::View, field(QStringLiteral("permissionViewFolderContents")).toBool());
    writer.setPermission(FolderKeyProxy::Search, field(QStringLiteral("permissionSearchFolderContents")).toBool());
    return folderKey;
}

std::optional<qorv::data::FolderKey> CreateFolderKeyWizard::folderKey()
{
    qorv::data::FolderKey folderKey = folderKeyRules();
    const std::optional<std::string> stored = passcodeToStore();
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
        const qorv::data::User user = itemrecord::Get<qorv::data::User>(item, UserRole);
        writer.setUserId(user.user_id());
        writer.setUserLastName(user.user_last_name());
        writer.setUserFirstName(user.user_first_name());
        writer.setUserMiddleName(user.user_middle_name());
        folderKeys.append(folderKey);
    }
    return folderKeys;
}
