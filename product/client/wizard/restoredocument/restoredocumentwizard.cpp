#include "restoredocumentwizard.h"

#include "common/majorcode.h"
#include "directexchange.h"
#include "registry.h"
#include "restoredocumentconfirmationwizardpage.h"
#include "restoredocumentintroductionwizardpage.h"
#include "restoredocumentselectdocumentwizardpage.h"
#include "restoredocumentselectfolderwizardpage.h"
#include "utils.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "user3.pb.h"

#include <QIcon>

namespace
{
constexpr int MinimumWidth = 1280;
constexpr int MinimumHeight = 720;

qorv::data::SelectDocumentReply DocumentsOfFolder(int folderId)
{
    qorv::data::SelectDocumentRequest request;
    request.set_document_folder_id(folderId);
    qorv::data::SelectDocumentReply reply;
    if (!network::DirectExchange(common::op::SelectDocument, request, reply, network::ReplyErrorCodes::Ignored))
        reply.Clear();
    return reply;
}
}

RestoreDocumentWizard::RestoreDocumentWizard(QWidget *parent)
    : QWizard(parent)
    , m_documentFolderId(DbId::m_NullId)
    , m_introductionPage(new RestoreDocumentIntroductionWizardPage(this))
    , m_selectDocumentPage(new RestoreDocumentSelectDocumentWizardPage(this))
    , m_selectFolderPage(new RestoreDocumentSelectFolderWizardPage(this))
    , m_confirmationPage(new RestoreDocumentConfirmationWizardPage(this))
{
    setPage(IntroductionPage, m_introductionPage);
    setPage(SelectDocumentPage, m_selectDocumentPage);
    setPage(SelectFolderPage, m_selectFolderPage);
    setPage(ConfirmationPage, m_confirmationPage);
    setWindowTitle(tr("RestoreDocumentWizardTitle"));
    setWindowIcon(utils::ActionIcon("recycle.png"));
    setMinimumSize(MinimumWidth, MinimumHeight);
    setWizardStyle(QWizard::ModernStyle);
}

RestoreDocumentWizard::~RestoreDocumentWizard() = default;

qorv::data::Document RestoreDocumentWizard::getDocument() const
{
    return m_document;
}

void RestoreDocumentWizard::setDocument(const qorv::data::Document &document)
{
    m_document = document;
}

int RestoreDocumentWizard::getDocumentFolderId() const
{
    return m_documentFolderId;
}

void RestoreDocumentWizard::setDocumentFolderId(DbId documentFolderId)
{
    if (static_cast<int>(m_documentFolderId) != static_cast<int>(documentFolderId))
        m_documentFolderId = documentFolderId;
}

QString RestoreDocumentWizard::getDocumentFolderName() const
{
    return m_documentFolderName;
}

void RestoreDocumentWizard::setDocumentFolderName(const QString &documentFolderName)
{
    if (m_documentFolderName != documentFolderName)
        m_documentFolderName = documentFolderName;
}

int RestoreDocumentWizard::HomeFolderId()
{
    return RegistrySingleton::instance()->getUser().user_folder_id();
}

qorv::data::Folder RestoreDocumentWizard::GetFolder(int folderId)
{
    qorv::data::SelectFolderRequest request;
    request.set_folder_id(folderId);
    qorv::data::SelectFolderReply reply;
    if (!network::DirectExchange(common::op::SelectFolder, request, reply, network::ReplyErrorCodes::Ignored)
        || reply.folder_size() != 1)
        return qorv::data::Folder();
    return reply.folder(0);
}

bool RestoreDocumentWizard::IsFolderParentOfDocumentName(int folderId, const std::string &name)
{
    const qorv::data::SelectDocumentReply reply = DocumentsOfFolder(folderId);
    for (const qorv::data::Document &document : reply.document())
        if (document.document_name() == name)
            return true;
    return false;
}

bool RestoreDocumentWizard::IsFolderParentOfDocument(int folderId, int documentId)
{
    const qorv::data::SelectDocumentReply reply = DocumentsOfFolder(folderId);
    for (const qorv::data::Document &document : reply.document())
        if (document.document_id() == documentId)
            return true;
    return false;
}
