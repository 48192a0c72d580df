#include "documentbrowserview.h"

#include "askpasscode.h"
#include "clock.h"
#include "common/eventcode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "common/sqlc.h"
#include "createdocumentdialog.h"
#include "createfolderdialog.h"
#include "dbid.h"
#include "documentkeyopener.h"
#include "documentwriter.h"
#include "folderancestry.h"
#include "folderdocumentsearchdialog.h"
#include "folderkeydocumentsearchdialog.h"
#include "folderkeyopener.h"
#include "folderkeyreader.h"
#include "folderwriter.h"
#include "groupkeyreader.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "keyopenerwindow.h"
#include "linguist.h"
#include "messagedispatcher.h"
#include "recordmimedata.h"
#include "registry.h"
#include "sessionduration.h"
#include "settings.h"

#include "deletedocumentreply3.pb.h"
#include "deletedocumentrequest3.pb.h"
#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "documentkeys3.pb.h"
#include "documents3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "groupkey3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectgroupkeyreply3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"
#include "updatedocumentreply3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatefolderreply3.pb.h"
#include "updatefolderrequest3.pb.h"
#include "user3.pb.h"
#include "utils.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QIcon>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QToolBar>

#include <algorithm>
#include <chrono>

namespace documentbrowserview
{
namespace
{
// A pasted copy is named "<name> - Copy (hh:mm:ss.zzz)"; the server keeps
// names of at most this many characters.
constexpr int LongestName = 63;

std::string Utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

QString Text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

int SessionUserId()
{
    return RegistrySingleton::instance()->getUser().user_id();
}

int HomeFolderId()
{
    return RegistrySingleton::instance()->getUser().user_folder_id();
}

// The echoed request and the reply of a change, both parsed; false when
// either does not parse.
template <class Request, class Reply>
bool Parse(const std::string &requestPayload, const std::string &replyPayload, Request &request, Reply &reply)
{
    return request.ParseFromString(requestPayload) && reply.ParseFromString(replyPayload);
}

// The server carried a change out when its return code is not 0.
template <class Reply>
bool Done(const Reply &reply)
{
    return reply.return_code() != 0;
}

template <class Reply>
bool Refused(const Reply &reply, std::int32_t sqlc)
{
    return !Done(reply) && reply.sql_diag_rec().sqlc() == sqlc;
}

// Local wall-clock time with milliseconds, from the program's clock.
QString LocalTimeWithMilliseconds()
{
    const auto sinceEpoch = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(sinceEpoch.count()).toLocalTime().toString(QStringLiteral("hh:mm:ss.zzz"));
}
}
}

using namespace documentbrowserview;

DocumentBrowserView::DocumentBrowserView(QWidget *parent)
    : AbstractBrowserView(parent)
    , m_newMenu(m_fileMenu->addMenu(Linguist::tr("New")))
    , m_newFolderAction(m_newMenu->addAction(utils::ActionIcon("folder_add.png"), tr("NewFolder"), this,
                                             &DocumentBrowserView::newFolder))
    , m_newDocumentAction(m_newMenu->addAction(utils::ActionIcon("document_empty_add.png"), tr("NewDocument"), this,
                                               &DocumentBrowserView::newDocument))
    , m_openItemAction(m_fileMenu->addAction(tr("OpenItem"), m_mainPane, qOverload<>(&MainPaneListWidget::openItem)))
    , m_closeAction(m_fileMenu->addAction(Linguist::tr("Close"), this, &QWidget::close))
    , m_copyItemAction(m_editMenu->addAction(utils::ActionIcon("copy.png"), tr("CopyItem"), m_mainPane,
                                             qOverload<>(&MainPaneListWidget::copyItem)))
    , m_pasteItemAction(m_editMenu->addAction(utils::ActionIcon("clipboard_paste.png"), tr("PasteItem"), this,
                                              &DocumentBrowserView::pasteItem))
    , m_deleteItemAction(m_editMenu->addAction(utils::ActionIcon("folder_document_delete.png"), tr("DeleteItem"),
                                               m_mainPane, qOverload<>(&MainPaneListWidget::deleteItem)))
    , m_renameItemAction(m_editMenu->addAction(utils::ActionIcon("text_field.png"), tr("RenameItem"), m_mainPane,
                                               qOverload<>(&MainPaneListWidget::renameItem)))
    , m_redescribeItemAction(m_editMenu->addAction(utils::ActionIcon("tool_tip.png"), tr("RedescribeItem"), m_mainPane,
                                                   qOverload<>(&MainPaneListWidget::redescribeItem)))
    , m_openItemKeyringAction(m_editMenu->addAction(utils::ActionIcon("keys.png"), tr("OpenItemKeyring"), m_mainPane,
                                                    qOverload<>(&MainPaneListWidget::openItemKeyring)))
    , m_folderDocumentSearchAction(m_editMenu->addAction(utils::ActionIcon("magnifying_glass.png"),
                                                         tr("FolderDocumentSearchItem"), this,
                                                         qOverload<>(&DocumentBrowserView::folderDocumentSearch)))
    , m_aboutAction(m_helpMenu->addAction(Linguist::tr("AboutQORV"), this, &AbstractViewWindow::helpAbout))
    , m_sessionDuration(std::make_unique<SessionDuration>(this))
{
    setObjectName(QStringLiteral("DocumentBrowserView"));
    // The panes and tests find the commands by these names.
    m_newFolderAction->setObjectName(QStringLiteral("NewFolder"));
    m_newDocumentAction->setObjectName(QStringLiteral("NewDocument"));
    m_openItemAction->setObjectName(QStringLiteral("OpenItem"));
    m_closeAction->setObjectName(QStringLiteral("Close"));
    m_copyItemAction->setObjectName(QStringLiteral("CopyItem"));
    m_pasteItemAction->setObjectName(QStringLiteral("PasteItem"));
    m_deleteItemAction->setObjectName(QStringLiteral("DeleteItem"));
    m_renameItemAction->setObjectName(QStringLiteral("RenameItem"));
    m_redescribeItemAction->setObjectName(QStringLiteral("RedescribeItem"));
    m_openItemKeyringAction->setObjectName(QStringLiteral("OpenItemKeyring"));
    m_folderDocumentSearchAction->setObjectName(QStringLiteral("FolderDocumentSearchItem"));
    m_aboutAction->setObjectName(QStringLiteral("AboutQORV"));

    initializeWindow();
    initializeSidePane();
    initializeMainPane();
    initializeFileMenu();
    initializeEditMenu();
    initializeViewMenu();
    initializeToolsMenu();
    initializeStandardToolBar();
}

DocumentBrowserView::~DocumentBrowserView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
}

bool DocumentBrowserView::currentFolderId(int &folderId) const
{
    const QListWidgetItem *item = m_sidePane->getSelectedListWidgetItem();
    if (!item || (item->type() != HomeFolderItemType && item->type() != FolderItemType))
        return false;
    folderId = itemrecord::Get<qorv::data::Folder>(item, FolderRole).folder_id();
    return true;
}

void DocumentBrowserView::receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode, const std::string &event)
{
    if (majorEvcode == common::ev::ClockTick)
        timeoutEventHandler(majorEvcode, minorEvcode, event);
}

void DocumentBrowserView::receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                       const std::string &request, common::Ercode majorErcode,
                                       common::Ercode minorErcode, const std::string &reply)
{
    const bool succeeded = majorErcode == 0 && minorErcode == 0;
    switch (majorOpcode) {
    case common::op::DeleteDocument:
        if (succeeded)
            deleteDocumentReplyHandler(minorOpcode, request, reply);
        return;
    case common::op::DeleteFolder:
        deleteFolderReplyHandler(request, reply);
        return;
    case common::op::InsertDocument:
        insertDocumentReplyHandler(request, reply);
        return;
    case common::op::InsertFolder:
        insertFolderReplyHandler(request, reply);
        return;
    case common::op::UpdateDocumentKey:
        if (succeeded)
            updateDocumentKeyReplyHandler(minorOpcode, request);
        return;
    case common::op::UpdateDocument:
        updateDocumentReplyHandler(minorOpcode, request, reply);
        return;
    case common::op::UpdateFolder:
        updateFolderReplyHandler(minorOpcode, request, reply);
        return;
    case common::op::SelectDocumentKey:
    case common::op::SelectDocument:
    case common::op::SelectFolderKey:
    case common::op::SelectFolder:
    case common::op::SelectGroupKey:
    case common::op::SelectUser:
        break;
    default:
        return;
    }

    if (!takesSelectReply() || !succeeded)
        return;
    switch (majorOpcode) {
    case common::op::SelectDocumentKey:
        selectDocumentKeyReplyHandler(minorOpcode, reply);
        break;
    case common::op::SelectDocument:
        selectDocumentReplyHandler(minorOpcode, reply);
        break;
    case common::op::SelectFolderKey:
        selectFolderKeyReplyHandler(minorOpcode, reply);
        break;
    case common::op::SelectFolder:
        selectFolderReplyHandler(minorOpcode, reply);
        break;
    case common::op::SelectGroupKey:
        selectGroupKeyReplyHandler(minorOpcode, reply);
        break;
    case common::op::SelectUser:
        selectUserReplyHandler(minorOpcode, reply);
        break;
    default:
        break;
    }
}

void DocumentBrowserView::receiveRequest(common::Opcode, common::Opcode, const std::string &)
{
}

void DocumentBrowserView::openHomeFolder()
{
    qorv::data::Folder homeFolder;
    homeFolder.set_folder_id(HomeFolderId());
    QPointer<DocumentBrowserView> self(this);
    openFolder(homeFolder);
    if (!self)
        return;
    setActionsEnabled({m_newFolderAction, m_newDocumentAction}, true);
    setActionsEnabled(
        {m_openItemAction, m_deleteItemAction, m_renameItemAction, m_redescribeItemAction, m_openItemKeyringAction},
        false);
}

void DocumentBrowserView::openHomeGroups()
{
    reset();
    qorv::data::SelectGroupKeyRequest request;
    request.set_group_key_user_id(SessionUserId());
    QPointer<DocumentBrowserView> self(this);
    send(common::op::SelectGroupKey, common::tag::Plain, request);
    if (!self)
        return;
    setActionsEnabled({m_newFolderAction, m_newDocumentAction, m_openItemAction, m_deleteItemAction, m_renameItemAction,
                       m_redescribeItemAction, m_openItemKeyringAction},
                      false);
}

void DocumentBrowserView::newFolder()
{
    int folderId = 0;
    if (!currentFolderId(folderId))
        return;
    CreateFolderDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = dialog.getFolderName();
    const QString description = dialog.getFolderDescription();
    if (name.isEmpty()) {
        QMessageBox::warning(this, tr("NewFolder"), tr("FolderNameIsEmptyWarning"), QMessageBox::Ok);
        return;
    }
    qorv::data::InsertFolderRequest request;
    qorv::data::Folder *folder = request.mutable_folder();
    const FolderWriter defaults(*folder, FolderWriter::PermissiveDefaults);
    folder->set_folder_user_id(SessionUserId());
    folder->set_folder_parent_id(folderId);
    folder->set_folder_name(Utf8(name));
    folder->set_folder_description(Utf8(description));
    send(common::op::InsertFolder, common::tag::Plain, request);
}

void DocumentBrowserView::noItemSelected()
{
    setActionsEnabled({m_openItemAction, m_copyItemAction, m_pasteItemAction, m_deleteItemAction, m_renameItemAction,
                       m_redescribeItemAction, m_openItemKeyringAction},
                      false);
    int folderId = 0;
    if (currentFolderId(folderId)) {
        m_folderDocumentSearchAction->setEnabled(true);
        clipboardChanged(QClipboard::Clipboard);
    } else {
        m_folderDocumentSearchAction->setEnabled(false);
    }
}

void DocumentBrowserView::folderItemSelected(const qorv::data::Folder &)
{
    setActionsEnabled({m_newFolderAction, m_newDocumentAction, m_openItemAction, m_deleteItemAction, m_renameItemAction,
                       m_redescribeItemAction, m_openItemKeyringAction},
                      true);
    setActionsEnabled({m_copyItemAction, m_pasteItemAction, m_folderDocumentSearchAction}, false);
}

void DocumentBrowserView::folderShortcutItemSelected(const qorv::data::Folder &)
{
    setActionsEnabled({m_newFolderAction, m_newDocumentAction, m_folderDocumentSearchAction}, true);
    setActionsEnabled({m_openItemAction, m_copyItemAction, m_deleteItemAction, m_renameItemAction,
                       m_redescribeItemAction, m_openItemKeyringAction},
                      false);
    m_pasteItemAction->setEnabled(clipboardHoldsDocument());
}

void DocumentBrowserView::folderKeyShortcutItemSelected(const qorv::data::FolderKey &folderKey)
{
    setActionsEnabled({m_newFolderAction, m_newDocumentAction, m_openItemAction, m_copyItemAction, m_pasteItemAction,
                       m_deleteItemAction, m_renameItemAction, m_redescribeItemAction, m_openItemKeyringAction},
                      false);
    m_folderDocumentSearchAction->setEnabled(FolderKeyReader(folderKey).permission(FolderKeyReader::Search));
}

void DocumentBrowserView::documentItemSelected(const qorv::data::Document &)
{
    setActionsEnabled({m_openItemAction, m_copyItemAction, m_deleteItemAction, m_renameItemAction,
                       m_redescribeItemAction, m_openItemKeyringAction},
                      true);
    setActionsEnabled({m_pasteItemAction, m_folderDocumentSearchAction}, false);
}

void DocumentBrowserView::groupKeyItemSelected(const qorv::data::GroupKey &)
{
    m_openItemAction->setEnabled(true);
    setActionsEnabled({m_newFolderAction, m_newDocumentAction, m_copyItemAction, m_pasteItemAction, m_deleteItemAction,
                       m_renameItemAction, m_redescribeItemAction, m_openItemKeyringAction,
                       m_folderDocumentSearchAction},
                      false);
}

void DocumentBrowserView::userItemSelected(const qorv::data::User &)
{
    groupKeyItemSelected(qorv::data::GroupKey());
}

void DocumentBrowserView::folderKeyItemSelected(const qorv::data::FolderKey &folderKey)
{
    m_openItemAction->setEnabled(true);
    setActionsEnabled({m_newFolderAction, m_newDocumentAction, m_copyItemAction, m_pasteItemAction, m_deleteItemAction,
                       m_renameItemAction, m_redescribeItemAction, m_openItemKeyringAction},
                      false);
    m_folderDocumentSearchAction->setEnabled(FolderKeyReader(folderKey).permission(FolderKeyReader::Search));
}

void DocumentBrowserView::documentKeyItemSelected(const qorv::data::DocumentKey &)
{
    groupKeyItemSelected(qorv::data::GroupKey());
}

void DocumentBrowserView::openFolder(const qorv::data::Folder &folder)
{
    reset();
    qorv::data::SelectFolderRequest folders;
    folders.set_folder_parent_id(folder.folder_id());
    QPointer<DocumentBrowserView> self(this);
    send(common::op::SelectFolder, common::tag::OpenFolder, folders);
    if (!self)
        return;
    // Every subfolder is listed by now, since the bus answers before the
    // send returns: the documents follow them.
    qorv::data::SelectDocumentRequest documents;
    documents.set_document_folder_id(folder.folder_id());
    send(common::op::SelectDocument, common::tag::OpenFolder, documents);
}

void DocumentBrowserView::deleteFolder(const qorv::data::Folder &folder)
{
    if (!confirmDeletion(tr("DeleteFolderWindowTitle"), "folder3_delete.png", tr("DeleteFolderConfirmation"),
                         Text(folder.folder_name())))
        return;
    qorv::data::DeleteFolderRequest request;
    request.set_folder_id(folder.folder_id());
    send(common::op::DeleteFolder, common::tag::Plain, request);
}

void DocumentBrowserView::renameFolder(const qorv::data::Folder &folder)
{
    const QString name = askText(tr("RenameFolderDialogWindowTitle"), tr("NewFolderName:"), Text(folder.folder_name()),
                                 tr("RenameFolder"), tr("FolderNameIsEmptyWarning"));
    if (name.isEmpty())
        return;
    qorv::data::UpdateFolderRequest request;
    request.mutable_folder()->set_folder_id(folder.folder_id());
    request.mutable_folder()->set_folder_name(Utf8(name));
    send(common::op::UpdateFolder, common::tag::RenameFolder, request);
}

void DocumentBrowserView::redescribeFolder(const qorv::data::Folder &folder)
{
    const QString description =
        askText(tr("RedescribeFolderDialogWindowTitle"), tr("NewFolderDescription:"), Text(folder.folder_description()),
                tr("RedescribeFolder"), tr("FolderDescriptionIsEmptyWarning"));
    if (description.isEmpty())
        return;
    qorv::data::UpdateFolderRequest request;
    request.mutable_folder()->set_folder_id(folder.folder_id());
    request.mutable_folder()->set_folder_description(Utf8(description));
    send(common::op::UpdateFolder, common::tag::ChangeFolderDescription, request);
}

void DocumentBrowserView::openFolderKeyring(const qorv::data::Folder &folder)
{
    selectFolderKey(folder);
}

void DocumentBrowserView::moveFolder(const qorv::data::Folder &folder)
{
    int folderId = 0;
    if (currentFolderId(folderId))
        moveFolder(folder, folderId);
}

void DocumentBrowserView::moveFolder(const qorv::data::Folder &folder, int folderId)
{
    // A folder moved into itself or below itself would leave the tree.
    if (FolderAncestry::onServer(HomeFolderId()).contains(folder.folder_id(), folderId))
        return;
    qorv::data::UpdateFolderRequest request;
    *request.mutable_folder() = folder;
    request.mutable_folder()->set_folder_parent_id(folderId);
    send(common::op::UpdateFolder, common::tag::MoveFolder, request);
}

void DocumentBrowserView::newDocument()
{
    int folderId = 0;
    if (!currentFolderId(folderId))
        return;
    CreateDocumentDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = dialog.getDocumentName();
    const QString description = dialog.getDocumentDescription();
    if (name.isEmpty()) {
        QMessageBox::warning(this, tr("NewDocument"), tr("DocumentNameIsEmptyWarning"), QMessageBox::Ok);
        return;
    }
    qorv::data::InsertDocumentRequest request;
    qorv::data::Document *document = request.mutable_document();
    const DocumentWriter defaults(*document, DocumentWriter::PermissiveDefaults);
    document->set_document_user_id(SessionUserId());
    document->set_document_folder_id(folderId);
    document->set_document_name(Utf8(name));
    document->set_document_description(Utf8(description));
    send(common::op::InsertDocument, common::tag::Plain, request);
}

void DocumentBrowserView::openDocument(const qorv::data::Document &document)
{
    qorv::data::SelectDocumentRequest request;
    request.set_document_id(document.document_id());
    send(common::op::SelectDocument, common::tag::OpenDocumentEditor, request);
}

void DocumentBrowserView::copyDocument(const qorv::data::Document &document)
{
    if (QMimeData *mimeData = recordmime::ToMimeData(document))
        QApplication::clipboard()->setMimeData(mimeData, QClipboard::Clipboard);
}

void DocumentBrowserView::pasteItem()
{
    const std::optional<qorv::data::Document> pasted =
        recordmime::DocumentFrom(QApplication::clipboard()->mimeData(QClipboard::Clipboard));
    if (!pasted)
        return;
    int folderId = 0;
    if (!currentFolderId(folderId) || DbId(folderId).null())
        return;
    const QString name =
        QStringLiteral("%1 - Copy (%2)").arg(Text(pasted->document_name()), LocalTimeWithMilliseconds());
    if (name.size() > LongestName)
        return;

    // The copy is a new document of the logged-on user, made like any other
    // (new rules that open everything, created now); only what the user sees
    // of the document comes from the clipboard, since the clipboard can hold
    // anything another program put there.
    qorv::data::InsertDocumentRequest request;
    qorv::data::Document *copy = request.mutable_document();
    const DocumentWriter defaults(*copy, DocumentWriter::PermissiveDefaults);
    copy->clear_document_id();
    copy->set_document_user_id(SessionUserId());
    copy->set_document_folder_id(folderId);
    copy->set_document_name(Utf8(name));
    copy->set_document_description(pasted->document_description());
    copy->set_document_properties(pasted->document_properties());
    copy->set_document_body(pasted->document_body());
    copy->set_document_body_format(pasted->document_body_format());
    send(common::op::InsertDocument, common::tag::Plain, request);
}

void DocumentBrowserView::deleteDocument(const qorv::data::Document &document)
{
    if (!confirmDeletion(tr("DeleteDocumentWindowTitle"), "document_empty_delete.png", tr("DeleteDocumentConfirmation"),
                         Text(document.document_name())))
        return;
    qorv::data::DeleteDocumentRequest request;
    request.set_document_id(document.document_id());
    request.set_document_name(document.document_name());
    send(common::op::DeleteDocument, common::tag::Plain, request);
}

void DocumentBrowserView::renameDocument(const qorv::data::Document &document)
{
    const QString name =
        askText(tr("RenameDocumentDialogWindowTitle"), tr("NewDocumentName:"), Text(document.document_name()),
                tr("RenameDocument"), tr("DocumentNameIsEmptyWarning"));
    if (name.isEmpty())
        return;
    qorv::data::UpdateDocumentRequest request;
    request.mutable_document()->set_document_id(document.document_id());
    request.mutable_document()->set_document_name(Utf8(name));
    send(common::op::UpdateDocument, common::tag::RenameDocument, request);
}

void DocumentBrowserView::redescribeDocument(const qorv::data::Document &document)
{
    const QString description = askText(tr("RedescribeDocumentDialogWindowTitle"), tr("NewDocumentDescription:"),
                                        Text(document.document_description()), tr("RedescribeDocument"),
                                        tr("DocumentDescriptionIsEmptyWarning"));
    if (description.isEmpty())
        return;
    qorv::data::UpdateDocumentRequest request;
    *request.mutable_document() = document;
    request.mutable_document()->set_document_description(Utf8(description));
    send(common::op::UpdateDocument, common::tag::ChangeDocumentDescription, request);
}

void DocumentBrowserView::openDocumentKeyring(const qorv::data::Document &document)
{
    selectDocumentKey(document);
}

void DocumentBrowserView::moveDocument(const qorv::data::Document &document)
{
    int folderId = 0;
    if (currentFolderId(folderId))
        moveDocument(document, folderId);
}

void DocumentBrowserView::moveDocument(const qorv::data::Document &document, int folderId)
{
    qorv::data::UpdateDocumentRequest request;
    *request.mutable_document() = document;
    request.mutable_document()->set_document_folder_id(folderId);
    send(common::op::UpdateDocument, common::tag::MoveDocument, request);
}

void DocumentBrowserView::openGroupKey(const qorv::data::GroupKey &groupKey)
{
    reset();
    qorv::data::SelectUserRequest request;
    request.set_user_group_id(GroupKeyReader(groupKey).groupId());
    send(common::op::SelectUser, common::tag::Plain, request);
}

void DocumentBrowserView::openUser(const qorv::data::User &user)
{
    reset();
    QPointer<DocumentBrowserView> self(this);
    selectFolderKey(user);
    if (self)
        selectDocumentKey(user);
}

void DocumentBrowserView::openFolderKey(const qorv::data::FolderKey &folderKey)
{
    reset();
    QPointer<DocumentBrowserView> self(this);
    if (!FolderKeyOpener(folderKey).open(KeyOpenerWindow<DocumentBrowserView>(this), AskPasscode) || !self)
        return;
    selectDocumentKey(folderKey);
    if (!self)
        return;
    const FolderKeyReader reader(folderKey);
    m_sessionDuration->initializeStatus(static_cast<unsigned>(std::max(reader.sessionDuration(), 0)));
    m_folderDocumentSearchAction->setEnabled(reader.permission(FolderKeyReader::Search));
    QCoreApplication::processEvents();
}

void DocumentBrowserView::openDocumentKey(const qorv::data::DocumentKey &documentKey)
{
    // A refusal has been explained to the user by the opener, and the editor
    // opens from the reply to a key that was taken: nothing is left to do here
    // either way.
    static_cast<void>(DocumentKeyOpener(documentKey).open(KeyOpenerWindow<DocumentBrowserView>(this), AskPasscode));
}

void DocumentBrowserView::clipboardChanged(QClipboard::Mode mode)
{
    if (mode == QClipboard::Clipboard)
        m_pasteItemAction->setEnabled(clipboardHoldsDocument());
}

void DocumentBrowserView::folderDocumentSearch()
{
    const QListWidgetItem *item = m_sidePane->getSelectedListWidgetItem();
    if (!item)
        return;
    if (item->type() == HomeFolderItemType || item->type() == FolderItemType)
        folderDocumentSearch(itemrecord::Get<qorv::data::Folder>(item, FolderRole));
    else if (item->type() == FolderKeyItemType)
        folderKeyDocumentSearch(itemrecord::Get<qorv::data::FolderKey>(item, FolderKeyRole));
}

void DocumentBrowserView::closeEvent(QCloseEvent *event)
{
    AbstractBrowserView::closeEvent(event);
    m_closed = event->isAccepted();
}

void DocumentBrowserView::reset()
{
    m_sessionDuration->reset();
    m_mainPane->hide();
    m_mainPane->clear();
    m_mainPane->show();
}

void DocumentBrowserView::initializeWindow()
{
    setWindowCaption(tr("DocumentBrowserWindowTitle"), Text(MessageDispatcher::getServerName()), QString());
    setWindowIcon(utils::ActionIcon("folder_document.png"));
    connect(QApplication::clipboard(), &QClipboard::changed, this, &DocumentBrowserView::clipboardChanged);

    using Main = MainPaneListWidget;
    using Side = SidePaneListWidget;
    connect(this, &DocumentBrowserView::addFolderItem, m_mainPane, &Main::addFolderItem);
    connect(this, &DocumentBrowserView::renameFolderItem, m_mainPane, &Main::renameFolderItem);
    connect(this, &DocumentBrowserView::redescribeFolderItem, m_mainPane, &Main::redescribeFolderItem);
    connect(this, &DocumentBrowserView::removeFolderItem, m_mainPane, &Main::removeFolderItem);
    connect(this, &DocumentBrowserView::addDocumentItem, m_mainPane, &Main::addDocumentItem);
    connect(this, &DocumentBrowserView::updateDocumentItem, m_mainPane, &Main::updateDocumentItem);
    connect(this, &DocumentBrowserView::removeDocumentItem, m_mainPane, &Main::removeDocumentItem);
    connect(this, &DocumentBrowserView::addGroupKeyItem, m_mainPane, &Main::addGroupKeyItem);
    connect(this, &DocumentBrowserView::addUserItem, m_mainPane, &Main::addUserItem);
    connect(this, &DocumentBrowserView::addFolderKeyItem, m_mainPane, &Main::addFolderKeyItem);
    connect(this, &DocumentBrowserView::addFolderKeyShortcutItem, m_sidePane, &Side::addFolderKeyShortcutItem);
    connect(this, &DocumentBrowserView::updateFolderKeyShortcutItem, m_sidePane, &Side::updateFolderKeyShortcutItem);
    connect(this, &DocumentBrowserView::addDocumentKeyItem, m_mainPane, &Main::addDocumentKeyItem);
    connect(this, &DocumentBrowserView::updateDocumentKeyItem, m_mainPane, &Main::updateDocumentKeyItem);

    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
}

void DocumentBrowserView::initializeSidePane()
{
    using Side = SidePaneListWidget;
    using View = DocumentBrowserView;
    connect(m_sidePane, &Side::folderShortcutItemSelected, this, &View::folderShortcutItemSelected);
    connect(m_sidePane, &Side::folderKeyShortcutItemSelected, this, &View::folderKeyShortcutItemSelected);
    connect(m_sidePane, &Side::groupKeyItemSelected, this, &View::groupKeyItemSelected);
    connect(m_sidePane, &Side::userItemSelected, this, &View::userItemSelected);
    connect(m_sidePane, &Side::openHomeFolder, this, &View::openHomeFolder);
    connect(m_sidePane, &Side::openHomeGroups, this, &View::openHomeGroups);
    connect(m_sidePane, &Side::openGroupKey, this, &View::openGroupKey);
    connect(m_sidePane, &Side::openFolder, this, &View::openFolder);
    connect(m_sidePane, &Side::openUser, this, &View::openUser);
    connect(m_sidePane, &Side::openFolderKey, this, &View::openFolderKey);
    connect(m_sidePane, &Side::moveDocument, this, qOverload<const qorv::data::Document &, int>(&View::moveDocument));
    connect(m_sidePane, &Side::moveFolder, this, qOverload<const qorv::data::Folder &, int>(&View::moveFolder));
}

void DocumentBrowserView::initializeMainPane()
{
    using Main = MainPaneListWidget;
    using Side = SidePaneListWidget;
    using View = DocumentBrowserView;
    using qorv::data::Document;
    using qorv::data::Folder;
    connect(m_mainPane, &Main::noItemSelected, this, &View::noItemSelected);
    connect(m_mainPane, &Main::folderItemSelected, this, &View::folderItemSelected);
    connect(m_mainPane, &Main::documentItemSelected, this, &View::documentItemSelected);
    connect(m_mainPane, &Main::groupKeyItemSelected, this, &View::groupKeyItemSelected);
    connect(m_mainPane, &Main::userItemSelected, this, &View::userItemSelected);
    connect(m_mainPane, &Main::folderKeyItemSelected, this, &View::folderKeyItemSelected);
    connect(m_mainPane, &Main::documentKeyItemSelected, this, &View::documentKeyItemSelected);
    connect(m_mainPane, &Main::renameFolder, this, &View::renameFolder);
    connect(m_mainPane, &Main::redescribeFolder, this, &View::redescribeFolder);
    connect(m_mainPane, qOverload<const Folder &>(&Main::moveFolder), this,
            qOverload<const Folder &>(&View::moveFolder));
    connect(m_mainPane, qOverload<const Folder &, int>(&Main::moveFolder), this,
            qOverload<const Folder &, int>(&View::moveFolder));
    connect(m_mainPane, &Main::openFolder, this, &View::openFolder);
    connect(m_mainPane, &Main::openFolderKeyring, this, &View::openFolderKeyring);
    connect(m_mainPane, &Main::openDocumentKeyring, this, &View::openDocumentKeyring);
    connect(m_mainPane, &Main::deleteFolder, this, &View::deleteFolder);
    connect(m_mainPane, &Main::openDocument, this, &View::openDocument);
    connect(m_mainPane, &Main::copyDocument, this, &View::copyDocument);
    connect(m_mainPane, &Main::deleteDocument, this, &View::deleteDocument);
    connect(m_mainPane, &Main::renameDocument, this, &View::renameDocument);
    connect(m_mainPane, &Main::redescribeDocument, this, &View::redescribeDocument);
    connect(m_mainPane, qOverload<const Document &>(&Main::moveDocument), this,
            qOverload<const Document &>(&View::moveDocument));
    connect(m_mainPane, qOverload<const Document &, int>(&Main::moveDocument), this,
            qOverload<const Document &, int>(&View::moveDocument));
    connect(m_mainPane, &Main::openGroupKey, this, &View::openGroupKey);
    connect(m_mainPane, &Main::openUser, this, &View::openUser);
    connect(m_mainPane, &Main::openFolderKey, this, &View::openFolderKey);
    connect(m_mainPane, &Main::openDocumentKey, this, &View::openDocumentKey);

    connect(m_mainPane, &Main::addFolderShortcutItem, m_sidePane, &Side::addFolderShortcutItem);
    connect(m_mainPane, &Main::addGroupKeyShortcutItem, m_sidePane, &Side::addGroupKeyShortcutItem);
    connect(m_mainPane, &Main::addUserShortcutItem, m_sidePane, &Side::addUserShortcutItem);
    connect(m_mainPane, &Main::addFolderKeyShortcutItem, m_sidePane, &Side::addFolderKeyShortcutItem);
    connect(m_mainPane, &Main::renameFolderShortcutItem, m_sidePane, &Side::renameFolderShortcutItem);
    connect(m_mainPane, &Main::redescribeFolderShortcutItem, m_sidePane, &Side::redescribeFolderShortcutItem);
    connect(m_mainPane, &Main::removeFolderShortcutItem, m_sidePane, &Side::removeFolderShortcutItem);
}

void DocumentBrowserView::initializeFileMenu()
{
    m_newFolderAction->setIconVisibleInMenu(true);
    m_newDocumentAction->setIconVisibleInMenu(true);
    m_newFolderAction->setStatusTip(tr("NewFolderStatusTip"));
    m_newDocumentAction->setStatusTip(tr("NewDocumentStatusTip"));
    m_openItemAction->setStatusTip(tr("OpenItemStatusTip"));
    m_closeAction->setStatusTip(tr("CloseStatusTip"));
    setActionsEnabled({m_newFolderAction, m_newDocumentAction, m_openItemAction}, false);
    m_fileMenu->insertSeparator(m_openItemAction);
    m_fileMenu->insertSeparator(m_closeAction);
}

void DocumentBrowserView::initializeEditMenu()
{
    const std::initializer_list<QAction *> edits = {
        m_copyItemAction,       m_pasteItemAction,       m_deleteItemAction,          m_renameItemAction,
        m_redescribeItemAction, m_openItemKeyringAction, m_folderDocumentSearchAction};
    for (QAction *action : edits)
        action->setIconVisibleInMenu(true);
    m_copyItemAction->setStatusTip(tr("CopyItemStatusTip"));
    m_pasteItemAction->setStatusTip(tr("PasteItemStatusTip"));
    m_deleteItemAction->setStatusTip(tr("DeleteItemStatusTip"));
    m_renameItemAction->setStatusTip(tr("RenameItemStatusTip"));
    m_redescribeItemAction->setStatusTip(tr("RedescribeItemStatusTip"));
    m_openItemKeyringAction->setStatusTip(tr("OpenItemKeyringStatusTip"));
    m_folderDocumentSearchAction->setStatusTip(tr("FolderDocumentSearchStatusTip"));
    setActionsEnabled(edits, false);
    m_editMenu->insertSeparator(m_deleteItemAction);
    m_editMenu->insertSeparator(m_renameItemAction);
    m_editMenu->insertSeparator(m_openItemKeyringAction);
    m_editMenu->insertSeparator(m_folderDocumentSearchAction);
}

void DocumentBrowserView::initializeViewMenu()
{
    m_viewMenuAction->setVisible(false);
}

void DocumentBrowserView::initializeToolsMenu()
{
    m_toolsMenuAction->setVisible(false);
}

void DocumentBrowserView::initializeStandardToolBar()
{
    m_newFolderAction->setToolTip(tr("NewFolderToolTip"));
    m_newDocumentAction->setToolTip(tr("NewDocumentToolTip"));
    m_copyItemAction->setToolTip(tr("CopyItemToolTip"));
    m_pasteItemAction->setToolTip(tr("PasteItemToolTip"));
    m_deleteItemAction->setToolTip(tr("DeleteItemToolTip"));
    m_renameItemAction->setToolTip(tr("RenameItemToolTip"));
    m_redescribeItemAction->setToolTip(tr("RedescribeItemToolTip"));
    m_openItemKeyringAction->setToolTip(tr("OpenItemKeyringToolTip"));
    m_folderDocumentSearchAction->setToolTip(tr("FolderDocumentSearchToolTip"));
    m_standardToolBar->addAction(m_newFolderAction);
    m_standardToolBar->addAction(m_newDocumentAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_copyItemAction);
    m_standardToolBar->addAction(m_pasteItemAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_deleteItemAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_renameItemAction);
    m_standardToolBar->addAction(m_redescribeItemAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_openItemKeyringAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_folderDocumentSearchAction);
    AbstractViewWindow::initializeStandardToolBar();
}

void DocumentBrowserView::timeoutEventHandler(common::Evcode, common::Evcode minorEvcode, const std::string &event)
{
    m_sessionDuration->timeoutEventHandler(minorEvcode, event);
}

void DocumentBrowserView::folderDocumentSearch(const qorv::data::Folder &folder)
{
    FolderDocumentSearchDialog dialog(folder, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const qorv::data::Documents documents = dialog.selectedDocuments();
    QPointer<DocumentBrowserView> self(this);
    for (const qorv::data::Document &document : documents.document()) {
        if (!self)
            return;
        openDocument(document);
    }
}

void DocumentBrowserView::folderKeyDocumentSearch(const qorv::data::FolderKey &folderKey)
{
    FolderKeyDocumentSearchDialog dialog(folderKey, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const qorv::data::DocumentKeys documentKeys = dialog.selectedDocumentKeys();
    QPointer<DocumentBrowserView> self(this);
    for (const qorv::data::DocumentKey &documentKey : documentKeys.document_key()) {
        if (!self)
            return;
        openDocumentKey(documentKey);
    }
}

void DocumentBrowserView::selectFolderKey(const qorv::data::Folder &folder)
{
    qorv::data::SelectFolderKeyRequest request;
    request.set_folder_key_folder_id(folder.folder_id());
    request.set_folder_key_folder_name(folder.folder_name());
    send(common::op::SelectFolderKey, common::tag::OpenFolderKeyring, request);
}

void DocumentBrowserView::selectFolderKey(const qorv::data::User &user)
{
    qorv::data::SelectFolderKeyRequest request;
    request.set_folder_parent_id(user.user_folder_id());
    request.set_folder_key_user_id(SessionUserId());
    send(common::op::SelectFolderKey, common::tag::ListFolderKeys, request);
}

void DocumentBrowserView::selectDocumentKey(const qorv::data::Document &document)
{
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(document.document_id());
    request.set_document_key_document_name(document.document_name());
    send(common::op::SelectDocumentKey, common::tag::OpenDocumentKeyring, request);
}

void DocumentBrowserView::selectDocumentKey(const qorv::data::User &user)
{
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_user_id(SessionUserId());
    request.set_document_folder_id(user.user_folder_id());
    send(common::op::SelectDocumentKey, common::tag::ListDocumentKeys, request);
}

void DocumentBrowserView::selectDocumentKey(const qorv::data::FolderKey &folderKey)
{
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_user_id(SessionUserId());
    request.set_document_folder_id(FolderKeyReader(folderKey).folderId());
    send(common::op::SelectDocumentKey, common::tag::ListDocumentKeys, request);
}

bool DocumentBrowserView::takesSelectReply()
{
    // The pending events may close this window, or delete it; neither may
    // be used afterwards.
    QPointer<DocumentBrowserView> self(this);
    QCoreApplication::processEvents();
    return self && !m_closed && QApplication::activeWindow() == this;
}

void DocumentBrowserView::selectDocumentKeyReplyHandler(common::Opcode minorOpcode, const std::string &payload)
{
    qorv::data::SelectDocumentKeyReply reply;
    if (minorOpcode != common::tag::ListDocumentKeys || !reply.ParseFromString(payload))
        return;
    for (const qorv::data::DocumentKey &documentKey : reply.document_key())
        emit addDocumentKeyItem(documentKey);
}

void DocumentBrowserView::selectDocumentReplyHandler(common::Opcode minorOpcode, const std::string &payload)
{
    qorv::data::SelectDocumentReply reply;
    if (minorOpcode != common::tag::OpenFolder || !reply.ParseFromString(payload))
        return;
    for (const qorv::data::Document &document : reply.document())
        emit addDocumentItem(document);
}

void DocumentBrowserView::selectFolderKeyReplyHandler(common::Opcode minorOpcode, const std::string &payload)
{
    qorv::data::SelectFolderKeyReply reply;
    if (minorOpcode != common::tag::ListFolderKeys || !reply.ParseFromString(payload))
        return;
    for (const qorv::data::FolderKey &folderKey : reply.folder_key()) {
        emit addFolderKeyItem(folderKey);
        emit updateFolderKeyShortcutItem(folderKey);
    }
}

void DocumentBrowserView::selectFolderReplyHandler(common::Opcode minorOpcode, const std::string &payload)
{
    qorv::data::SelectFolderReply reply;
    if (minorOpcode != common::tag::OpenFolder || !reply.ParseFromString(payload))
        return;
    for (const qorv::data::Folder &folder : reply.folder())
        emit addFolderItem(folder);
}

void DocumentBrowserView::selectGroupKeyReplyHandler(common::Opcode minorOpcode, const std::string &payload)
{
    qorv::data::SelectGroupKeyReply reply;
    if (minorOpcode != common::tag::Plain || !reply.ParseFromString(payload))
        return;
    for (const qorv::data::GroupKey &groupKey : reply.group_key())
        emit addGroupKeyItem(groupKey);
}

void DocumentBrowserView::selectUserReplyHandler(common::Opcode minorOpcode, const std::string &payload)
{
    qorv::data::SelectUserReply reply;
    if (minorOpcode != common::tag::Plain || !reply.ParseFromString(payload))
        return;
    for (const qorv::data::User &user : reply.user())
        emit addUserItem(user);
}

void DocumentBrowserView::updateDocumentKeyReplyHandler(common::Opcode minorOpcode, const std::string &payload)
{
    // The echoed request is the key as it stands now.
    qorv::data::UpdateDocumentKeyRequest request;
    if (minorOpcode == common::tag::ClearEmphasizeName && request.ParseFromString(payload))
        emit updateDocumentKeyItem(request.document_key());
}

void DocumentBrowserView::insertFolderReplyHandler(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::InsertFolderRequest request;
    qorv::data::InsertFolderReply reply;
    if (!Parse(requestPayload, replyPayload, request, reply))
        return;
    if (Done(reply)) {
        int folderId = 0;
        if (!currentFolderId(folderId) || request.folder().folder_parent_id() != folderId)
            return;
        qorv::data::Folder folder = request.folder();
        folder.set_folder_id(reply.folder_id());
        emit addFolderItem(folder);
    } else if (Refused(reply, common::SqlcUniqueViolation)) {
        informRefusal(tr("FolderAlreadyExists").arg(Text(request.folder().folder_name())));
    }
}

void DocumentBrowserView::insertDocumentReplyHandler(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::InsertDocumentRequest request;
    qorv::data::InsertDocumentReply reply;
    if (!Parse(requestPayload, replyPayload, request, reply))
        return;
    if (Done(reply)) {
        int folderId = 0;
        if (!currentFolderId(folderId) || request.document().document_folder_id() != folderId)
            return;
        qorv::data::Document document = request.document();
        document.set_document_id(reply.document_id());
        emit addDocumentItem(document);
    } else if (Refused(reply, common::SqlcUniqueViolation)) {
        informRefusal(tr("DocumentAlreadyExists").arg(Text(request.document().document_name())));
    }
}

void DocumentBrowserView::updateFolderReplyHandler(common::Opcode minorOpcode, const std::string &requestPayload,
                                                   const std::string &replyPayload)
{
    qorv::data::UpdateFolderRequest request;
    qorv::data::UpdateFolderReply reply;
    if (!Parse(requestPayload, replyPayload, request, reply))
        return;
    const qorv::data::Folder &folder = request.folder();
    if (Done(reply)) {
        if (minorOpcode == common::tag::RenameFolder && folder.has_folder_name())
            emit renameFolderItem(folder);
        else if (minorOpcode == common::tag::ChangeFolderDescription && folder.has_folder_description())
            emit redescribeFolderItem(folder);
        else if (minorOpcode == common::tag::MoveFolder)
            moveFolderHandler(folder);
    } else if (Refused(reply, common::SqlcUniqueViolation)) {
        informRefusal(tr("FolderAlreadyExists").arg(Text(folder.folder_name())));
    }
}

void DocumentBrowserView::updateDocumentReplyHandler(common::Opcode minorOpcode, const std::string &requestPayload,
                                                     const std::string &replyPayload)
{
    qorv::data::UpdateDocumentRequest request;
    qorv::data::UpdateDocumentReply reply;
    if (!Parse(requestPayload, replyPayload, request, reply))
        return;
    const qorv::data::Document &document = request.document();
    if (Done(reply)) {
        QPointer<DocumentBrowserView> self(this);
        emit updateDocumentItem(document);
        if (self && minorOpcode == common::tag::MoveDocument)
            moveDocumentHandler(document);
    } else if (Refused(reply, common::SqlcUniqueViolation)) {
        informRefusal(tr("DocumentAlreadyExists").arg(Text(document.document_name())));
    }
}

void DocumentBrowserView::deleteFolderReplyHandler(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::DeleteFolderRequest request;
    qorv::data::DeleteFolderReply reply;
    if (!Parse(requestPayload, replyPayload, request, reply))
        return;
    if (Done(reply))
        emit removeFolderItem(request.folder_id());
    else if (Refused(reply, common::SqlcForeignKeyViolation))
        informRefusal(tr("CannotDeleteNonEmptyFolder"));
}

void DocumentBrowserView::deleteDocumentReplyHandler(common::Opcode minorOpcode, const std::string &requestPayload,
                                                     const std::string &replyPayload)
{
    // Only a deletion that the server carried out takes the item away.
    qorv::data::DeleteDocumentRequest request;
    qorv::data::DeleteDocumentReply reply;
    if (minorOpcode != common::tag::Plain || !Parse(requestPayload, replyPayload, request, reply) || !Done(reply))
        return;
    emit removeDocumentItem(request.document_id());
}

void DocumentBrowserView::moveFolderHandler(const qorv::data::Folder &folder)
{
    int folderId = 0;
    if (!currentFolderId(folderId) || folder.folder_id() == folderId)
        return;
    if (folder.folder_parent_id() == folderId)
        emit addFolderItem(folder);
    else
        emit removeFolderItem(folder.folder_id());
}

void DocumentBrowserView::moveDocumentHandler(const qorv::data::Document &document)
{
    int folderId = 0;
    if (!currentFolderId(folderId))
        return;
    if (document.document_folder_id() == folderId)
        emit addDocumentItem(document);
    else
        emit removeDocumentItem(document.document_id());
}

void DocumentBrowserView::send(common::Opcode majorOpcode, common::Opcode minorOpcode,
                               const google::protobuf::MessageLite &message)
{
    std::string payload;
    if (message.SerializeToString(&payload))
        emit deliverRequest(majorOpcode, minorOpcode, payload);
}

QString DocumentBrowserView::askText(const QString &title, const QString &label, const QString &oldText,
                                     const QString &warningTitle, const QString &warningText)
{
    QInputDialog dialog(this);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextEchoMode(QLineEdit::Normal);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(oldText);
    dialog.setWindowIcon(utils::ActionIcon("edit.png"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QString text = dialog.textValue().trimmed();
    if (text.isEmpty())
        QMessageBox::warning(this, warningTitle, warningText, QMessageBox::Ok);
    return text;
}

bool DocumentBrowserView::confirmDeletion(const QString &title, const char *icon, const QString &text,
                                          const QString &name)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setWindowIcon(utils::ActionIcon(icon));
    box.setInformativeText(name);
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void DocumentBrowserView::informRefusal(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(), text, QMessageBox::Ok, this);
    box.exec();
}

void DocumentBrowserView::setActionsEnabled(std::initializer_list<QAction *> actions, bool enabled)
{
    for (QAction *action : actions)
        action->setEnabled(enabled);
}

bool DocumentBrowserView::clipboardHoldsDocument() const
{
    const QMimeData *mimeData = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return mimeData && mimeData->hasFormat(recordmime::DocumentFormat);
}
