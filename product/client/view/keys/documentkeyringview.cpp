#include "documentkeyringview.h"

#include "common/majorcode.h"
#include "createdocumentkeywizard.h"
#include "documentkeyreader.h"
#include "documentkeyringpanetreewidget.h"
#include "documentkeywriter.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "keyrulechanges.h"
#include "messagedispatcher.h"
#include "securitydescriptorequality.h"
#include "selectdocumentkeyuserwizardpage.h"
#include "settings.h"
#include "utils.h"

#include "deletedocumentkeyreply3.pb.h"
#include "deletedocumentkeyrequest3.pb.h"
#include "insertdocumentkeyreply3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "updatedocumentkeyreply3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"

#include <QAction>
#include <QIcon>
#include <QListWidgetItem>
#include <QMenu>
#include <QMessageBox>
#include <QToolBar>

namespace
{
bool IsModified(QTreeWidgetItem *item)
{
    return GetDocumentKey(item).document_key_security_descriptor()
           != GetDocumentKeyBase(item).document_key_security_descriptor();
}

QString UserName(const qorv::data::DocumentKey &documentKey)
{
    return QString::fromStdString(DocumentKeyReader(documentKey).userDisplayName());
}
}

DocumentKeyringView::DocumentKeyringView(int documentId, const QString &documentName, QWidget *parent)
    : KeyringView(parent)
    , m_documentId(documentId)
    , m_documentName(documentName)
    , m_documentKeyringPaneTreeWidget(new DocumentKeyringPaneTreeWidget(this))
    , m_newAction(
          m_fileMenu->addAction(utils::ActionIcon("key_add.png"), tr("New"), this, &DocumentKeyringView::newKey))
    , m_setRevisionAction(m_editMenu->addAction(utils::ActionIcon("document_empty_clock_back.png"), tr("SetRevision"),
                                                this, &DocumentKeyringView::setRevision))
{
    initializeWindow();
    initializeFileMenu();
    initializeEditMenu();
    KeyringView::initializeViewMenu();
    KeyringView::initializeToolsMenu();
    initializeStandardToolBar();
    initializeDocumentKeyringPaneTreeWidget();
}

DocumentKeyringView::~DocumentKeyringView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
}

int DocumentKeyringView::getDocumentId() const
{
    return m_documentId;
}

QString DocumentKeyringView::getDocumentName() const
{
    return m_documentName;
}

bool DocumentKeyringView::isModified() const
{
    for (int index = 0; index < m_documentKeyringPaneTreeWidget->topLevelItemCount(); ++index) {
        if (IsModified(m_documentKeyringPaneTreeWidget->topLevelItem(index)))
            return true;
    }
    return false;
}

void DocumentKeyringView::receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                       const std::string &request, common::Ercode majorErcode,
                                       common::Ercode minorErcode, const std::string &reply)
{
    switch (majorOpcode) {
    case common::op::InsertDocumentKey:
        insertDocumentKeyReplyHandler(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
        break;
    case common::op::UpdateDocumentKey:
        updateDocumentKeyReplyHandler(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
        break;
    case common::op::DeleteDocumentKey:
        deleteDocumentKeyReplyHandler(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
        break;
    default:
        break;
    }
}

void DocumentKeyringView::receiveRequest(common::Opcode, common::Opcode, const std::string &)
{
}

void DocumentKeyringView::newKey()
{
    CreateDocumentKeyWizard wizard(m_documentId, m_documentName, this);
    if (wizard.exec() != QDialog::Accepted)
        return;
    const QList<qorv::data::DocumentKey> documentKeys = wizard.documentKeys();
    QStringList notCreated;
    if (documentKeys.isEmpty()) {
        // Users were picked, but the key could not be made (its passcode
        // could not be stored): none of them has a key.
        for (const QListWidgetItem *item : wizard.getSelectDocumentKeyUserWizardPage()->selectedItems())
            notCreated.append(item->text());
    }
    // Each reply adds its key to the pane before the next request goes out.
    for (const qorv::data::DocumentKey &documentKey : documentKeys) {
        qorv::data::InsertDocumentKeyRequest request;
        *request.mutable_document_key() = documentKey;
        if (!sendKeyRequest(common::op::InsertDocumentKey, request))
            notCreated.append(UserName(documentKey));
    }
    if (!notCreated.isEmpty())
        reportNotCreated(notCreated);
}

void DocumentKeyringView::saveKey()
{
    QTreeWidgetItem *item = currentKeyItem();
    if (item != nullptr && !saveKey(item))
        reportNotSaved({UserName(GetDocumentKey(item))});
}

void DocumentKeyringView::saveAllKeys()
{
    // Every key goes out, changed or not.
    QStringList notSaved;
    for (int index = 0; index < m_documentKeyringPaneTreeWidget->topLevelItemCount(); ++index) {
        QTreeWidgetItem *item = m_documentKeyringPaneTreeWidget->topLevelItem(index);
        if (!saveKey(item))
            notSaved.append(UserName(GetDocumentKey(item)));
    }
    if (!notSaved.isEmpty())
        reportNotSaved(notSaved);
}

void DocumentKeyringView::revertKey()
{
    if (QTreeWidgetItem *item = currentKeyItem())
        revertKey(item);
}

void DocumentKeyringView::revertAllKeys()
{
    for (int index = 0; index < m_documentKeyringPaneTreeWidget->topLevelItemCount(); ++index)
        revertKey(m_documentKeyringPaneTreeWidget->topLevelItem(index));
}

void DocumentKeyringView::deleteKey()
{
    if (QTreeWidgetItem *item = currentKeyItem())
        deleteKey(item);
}

void DocumentKeyringView::setActiveHours()
{
    changeKey([this](qorv::data::DocumentKey &documentKey, const QString &userName) {
        const std::optional<keyrules::ActiveHours> hours = keyrulechanges::ActiveHours(m_documentName, userName, this);
        if (!hours)
            return false;
        DocumentKeyWriter writer(documentKey, DocumentKeyProxy::NoDefaults);
        writer.setActiveFrom(hours->from);
        writer.setActiveTo(hours->to);
        writer.setActiveRegion(hours->region);
        return true;
    });
}

void DocumentKeyringView::setRevision()
{
    changeKey([this](qorv::data::DocumentKey &documentKey, const QString &userName) {
        // The revisions are those of the key's own document.
        const DocumentKeyReader reader(documentKey);
        const std::optional<std::string> revision = keyrulechanges::DocumentRevision(
            QString::fromStdString(reader.documentName()), userName, this, reader.documentId());
        if (!revision)
            return false;
        DocumentKeyWriter(documentKey, DocumentKeyProxy::NoDefaults).setDocumentRevision(*revision);
        return true;
    });
}

void DocumentKeyringView::setSessionDuration()
{
    changeKey([this](qorv::data::DocumentKey &documentKey, const QString &userName) {
        const std::optional<int> seconds = keyrulechanges::SessionDuration(m_documentName, userName, this);
        if (!seconds)
            return false;
        DocumentKeyWriter(documentKey, DocumentKeyProxy::NoDefaults).setSessionDuration(*seconds);
        return true;
    });
}

void DocumentKeyringView::setExpirationDate()
{
    changeKey([this](qorv::data::DocumentKey &documentKey, const QString &userName) {
        const std::optional<std::string> date = keyrulechanges::ExpirationDate(m_documentName, userName, this);
        if (!date)
            return false;
        DocumentKeyWriter(documentKey, DocumentKeyProxy::NoDefaults).setExpirationDate(*date);
        return true;
    });
}

void DocumentKeyringView::setPasscode()
{
    changeKey([this](qorv::data::DocumentKey &documentKey, const QString &userName) {
        const std::optional<std::string> password = keyrulechanges::Password(m_documentName, userName, this);
        if (!password)
            return false;
        DocumentKeyWriter(documentKey, DocumentKeyProxy::NoDefaults).setPassword(*password);
        return true;
    });
}

void DocumentKeyringView::initializeWindow()
{
    setWindowCaption(QStringLiteral("%1 Document Keyring").arg(m_documentName),
                     QString::fromStdString(MessageDispatcher::getServerName()), QString());
    setWindowIcon(utils::ActionIcon("keys.png"));
    setCentralWidget(m_documentKeyringPaneTreeWidget);
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
}

void DocumentKeyringView::initializeFileMenu()
{
    KeyringView::initializeFileMenu();
    m_newAction->setIconVisibleInMenu(true);
    m_newAction->setToolTip(tr("NewToolTip"));
    m_newAction->setStatusTip(tr("NewStatusTip"));
    m_fileMenu->insertAction(m_revertAction, m_newAction);
    m_fileMenu->insertSeparator(m_revertAction);
}

void DocumentKeyringView::initializeEditMenu()
{
    KeyringView::initializeEditMenu();
    m_setRevisionAction->setIconVisibleInMenu(true);
    m_setRevisionAction->setToolTip(tr("SetRevisionToolTip"));
    m_setRevisionAction->setStatusTip(tr("SetRevisionStatusTip"));
    m_editMenu->insertAction(m_setActiveHoursAction, m_setRevisionAction);
}

void DocumentKeyringView::initializeStandardToolBar()
{
    KeyringView::initializeStandardToolBar();
    m_standardToolBar->insertAction(m_setActiveHoursAction, m_setRevisionAction);
    m_standardToolBar->insertAction(m_saveAction, m_newAction);
    m_standardToolBar->insertSeparator(m_saveAction);
}

void DocumentKeyringView::initializeDocumentKeyringPaneTreeWidget()
{
    DocumentKeyringPaneTreeWidget *pane = m_documentKeyringPaneTreeWidget;
    connect(this, &DocumentKeyringView::addDocumentKey, pane, &DocumentKeyringPaneTreeWidget::addDocumentKey);
    connect(this, &DocumentKeyringView::updateDocumentKey, pane, &DocumentKeyringPaneTreeWidget::updateDocumentKey);
    connect(this, &DocumentKeyringView::revertDocumentKey, pane, &DocumentKeyringPaneTreeWidget::revertDocumentKey);
    connect(this, &DocumentKeyringView::deleteDocumentKey, pane, &DocumentKeyringPaneTreeWidget::deleteDocumentKey);
    connect(m_viewPermissionsAction, &QAction::toggled, pane, &DocumentKeyringPaneTreeWidget::viewPermissionsToggled);
    connect(m_viewDaysAction, &QAction::toggled, pane, &DocumentKeyringPaneTreeWidget::viewDaysToggled);
    connect(m_viewMonthsAction, &QAction::toggled, pane, &DocumentKeyringPaneTreeWidget::viewMonthsToggled);
    followPane(pane,
               [this] {
                   QTreeWidgetItem *item = currentKeyItem();
                   return CurrentKey{item != nullptr, item != nullptr && IsModified(item)};
               },
               {m_setRevisionAction});
}

bool DocumentKeyringView::saveKey(QTreeWidgetItem *item)
{
    if (item == nullptr || !IsDocumentKeyTreeWidgetItem(item))
        return true;
    qorv::data::UpdateDocumentKeyRequest request;
    *request.mutable_document_key() = GetDocumentKey(item);
    return sendKeyRequest(common::op::UpdateDocumentKey, request);
}

void DocumentKeyringView::revertKey(QTreeWidgetItem *item)
{
    if (item != nullptr && IsModified(item))
        emit revertDocumentKey(GetDocumentKeyBase(item));
}

void DocumentKeyringView::deleteKey(QTreeWidgetItem *item)
{
    if (item == nullptr || !IsDocumentKeyTreeWidgetItem(item))
        return;
    const qorv::data::DocumentKey documentKey = GetDocumentKey(item);
    const QString userName = UserName(documentKey);
    QMessageBox confirmation(this);
    confirmation.setText(tr("DeleteDocumentKeyConfirmationWindowTitle"));
    confirmation.setInformativeText(InformativeText(tr("DeleteDocumentKeyConfirmation").arg(userName)));
    confirmation.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    confirmation.setDefaultButton(QMessageBox::Cancel);
    if (confirmation.exec() != QMessageBox::Ok)
        return;
    qorv::data::DeleteDocumentKeyRequest request;
    request.set_document_key_document_id(documentKey.document_key_document().document_id());
    request.set_document_key_user_id(documentKey.document_key_user().user_id());
    if (!sendKeyRequest(common::op::DeleteDocumentKey, request))
        reportNotDeleted(userName);
}

void DocumentKeyringView::changeKey(const KeyChange &change)
{
    QTreeWidgetItem *current = m_documentKeyringPaneTreeWidget->currentItem();
    if (current == nullptr)
        return;
    QTreeWidgetItem *item = GetDocumentKeyTreeWidgetItem(current);
    qorv::data::DocumentKey documentKey = GetDocumentKey(item);
    if (!change(documentKey, UserName(documentKey)))
        return;
    item->setData(0, EditedRecordRole, itemrecord::ToVariant(documentKey));
    if (!saveKey(item))
        reportNotSaved({UserName(documentKey)});
}

QTreeWidgetItem *DocumentKeyringView::currentKeyItem() const
{
    QTreeWidgetItem *current = m_documentKeyringPaneTreeWidget->currentItem();
    return current != nullptr ? GetDocumentKeyTreeWidgetItem(current) : nullptr;
}

void DocumentKeyringView::insertDocumentKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                                        const std::string &request, common::Ercode majorErcode,
                                                        common::Ercode minorErcode, const std::string &reply)
{
    qorv::data::InsertDocumentKeyRequest insertRequest;
    qorv::data::InsertDocumentKeyReply insertReply;
    if (!CarriedOut(minorOpcode, majorErcode, minorErcode, request, reply, insertRequest, insertReply))
        return;
    acknowledge(majorOpcode, request);
    if (DocumentKeyReader(insertRequest.document_key()).documentId() == m_documentId)
        emit addDocumentKey(insertRequest.document_key());
}

void DocumentKeyringView::updateDocumentKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                                        const std::string &request, common::Ercode majorErcode,
                                                        common::Ercode minorErcode, const std::string &reply)
{
    qorv::data::UpdateDocumentKeyRequest updateRequest;
    qorv::data::UpdateDocumentKeyReply updateReply;
    if (!CarriedOut(minorOpcode, majorErcode, minorErcode, request, reply, updateRequest, updateReply))
        return;
    acknowledge(majorOpcode, request);
    if (DocumentKeyReader(updateRequest.document_key()).documentId() == m_documentId)
        emit updateDocumentKey(updateRequest.document_key());
}

void DocumentKeyringView::deleteDocumentKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                                        const std::string &request, common::Ercode majorErcode,
                                                        common::Ercode minorErcode, const std::string &reply)
{
    qorv::data::DeleteDocumentKeyRequest deleteRequest;
    qorv::data::DeleteDocumentKeyReply deleteReply;
    if (!CarriedOut(minorOpcode, majorErcode, minorErcode, request, reply, deleteRequest, deleteReply))
        return;
    acknowledge(majorOpcode, request);
    if (deleteRequest.document_key_document_id() == m_documentId)
        emit deleteDocumentKey(deleteRequest.document_key_user_id());
}
