#include "messageeditorview.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "createdocumentkeywizard.h"
#include "currenttimestamp.h"
#include "dbtimestamp.h"
#include "directexchange.h"
#include "edithistoryactions.h"
#include "linguist.h"
#include "messageattachmentitem.h"
#include "messageaudit.h"
#include "messagechain.h"
#include "messagedispatcher.h"
#include "messageeditor.h"
#include "messagerecipientchanges.h"
#include "registry.h"
#include "selectdocumentkeyuserwizardpage.h"
#include "selectdocumentsdialog.h"
#include "selectusersdialog.h"
#include "selectuserswidget.h"
#include "settings.h"
#include "textdocument.h"
#include "utils.h"
#include "waitcursor.h"

#include "deletemessagedocumentrequest3.pb.h"
#include "deletemessagereply3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "documents3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "insertmessagedocumentrequest3.pb.h"
#include "insertmessageuserrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "updatemessagereply3.pb.h"
#include "updatemessagerequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QGridLayout>
#include <QIcon>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStringConverter>
#include <QStringDecoder>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <climits>
#include <optional>

namespace messageeditorview
{
// The recipients of the message (all three fields) who hold no key for the
// document, in the server's order.
qorv::data::Users GetMessageUsersWithoutDocumentKeyForDocument(int messageId, int documentId)
{
    qorv::data::Users users;
    qorv::data::SelectMessageUserRequest recipientsRequest;
    recipientsRequest.set_message_user_message_id(messageId);
    qorv::data::SelectMessageUserReply recipients;
    if (!network::DirectExchange(common::op::SelectMessageUser, recipientsRequest, recipients,
                                 network::ReplyErrorCodes::Ignored))
        return users;
    qorv::data::SelectDocumentKeyRequest keysRequest;
    keysRequest.set_document_key_document_id(documentId);
    qorv::data::SelectDocumentKeyReply keys;
    if (!network::DirectExchange(common::op::SelectDocumentKey, keysRequest, keys, network::ReplyErrorCodes::Ignored))
        keys.Clear();
    for (const qorv::data::Message &row : recipients.message()) {
        const qorv::data::User &recipient = row.message_recipient();
        const bool holdsKey = std::any_of(keys.document_key().begin(), keys.document_key().end(),
                                          [&recipient](const qorv::data::DocumentKey &key) {
                                              return key.document_key_user().user_id() == recipient.user_id();
                                          });
        if (!holdsKey)
            *users.add_user() = recipient;
    }
    return users;
}
}

namespace
{
const qorv::data::User &SessionUser()
{
    return RegistrySingleton::instance()->getUser();
}

bool IsChecked(const QCheckBox *box)
{
    return box->checkState() == Qt::Checked;
}

std::vector<qorv::data::User> ToVector(const qorv::data::Users &users)
{
    return {users.user().begin(), users.user().end()};
}

QString DecodedBody(const std::string &body)
{
    const QByteArray bytes = QByteArray::fromStdString(body);
    std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForHtml(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringConverter::Utf8);
    return decoder.decode(bytes);
}
}

MessageEditorView *MessageEditorView::m_activeView = nullptr;

MessageEditorView::MessageEditorView(const qorv::data::Message &message, QWidget *parent)
    : TextEditorView<MessageEditor>(parent)
    , m_message(message)
    , m_attachMenu(new QMenu(tr("Attach"), this))
    , m_attachDocumentAction(m_attachMenu->addAction(utils::ActionIcon("document_empty_add.png"), tr("AttachDocument"),
                                                     this, &MessageEditorView::attachDocument))
    , m_verifyDocumentKeysAction(
          new QAction(utils::ActionIcon("document_empty_keys_ok.png"), tr("VerifyDocumentKeys"), this))
    , m_addresseeToolBar(new QToolBar(this))
    , m_sendButton(new QPushButton(tr("Send"), m_addresseeToolBar))
    , m_discardButton(new QPushButton(tr("Discard"), m_addresseeToolBar))
    , m_toButton(new QPushButton(tr("To"), m_addresseeToolBar))
    , m_toLineEdit(new QLineEdit(m_addresseeToolBar))
    , m_ccButton(new QPushButton(tr("Cc"), m_addresseeToolBar))
    , m_ccLineEdit(new QLineEdit(m_addresseeToolBar))
    , m_bccButton(new QPushButton(tr("Bcc"), m_addresseeToolBar))
    , m_bccLineEdit(new QLineEdit(m_addresseeToolBar))
    , m_subjectButton(new QPushButton(tr("Subject"), m_addresseeToolBar))
    , m_subjectLineEdit(new QLineEdit(m_addresseeToolBar))
    , m_attachmentList(new QListWidget(m_addresseeToolBar))
    , m_attachToolButton(new QToolButton(m_addresseeToolBar))
    , m_detachToolButton(new QToolButton(m_addresseeToolBar))
    , m_verifyToolButton(new QToolButton(m_addresseeToolBar))
    // Save stays enabled: it also stores a changed subject.
    , m_editHistoryActions(new EditHistoryActions(m_undoAction, m_redoAction, nullptr, this))
{
    m_toLineEdit->setObjectName(QStringLiteral("toLineEdit"));
    m_ccLineEdit->setObjectName(QStringLiteral("ccLineEdit"));
    m_bccLineEdit->setObjectName(QStringLiteral("bccLineEdit"));
    m_subjectLineEdit->setObjectName(QStringLiteral("subjectLineEdit"));
    m_attachmentList->setObjectName(QStringLiteral("attachmentsListWidget"));
    connect(m_verifyDocumentKeysAction, &QAction::triggered, this, [this] { verifyDocumentKeys(0); });

    connect(m_toLineEdit, &QLineEdit::textChanged, this, &MessageEditorView::addressLineEditTextChanged);
    connect(m_ccLineEdit, &QLineEdit::textChanged, this, &MessageEditorView::addressLineEditTextChanged);
    connect(m_bccLineEdit, &QLineEdit::textChanged, this, &MessageEditorView::addressLineEditTextChanged);
    connect(m_attachmentList, &QListWidget::itemDoubleClicked, this, &MessageEditorView::openDocument);
    connect(m_textReader, &QWidget::customContextMenuRequested, this,
            &MessageEditorView::messageReaderContextMenuEvent);
    // A message that answers none has no chain to show, and so no reader to
    // switch to.
    const int parentId = m_message.message_parent_id();
    if (parentId != INT_MIN) {
        for (QCheckBox *box : {m_filterEditCopyCheckBox.data(), m_filterExportToTextFileCheckBox.data(),
                               m_filterExportToPdfFileCheckBox.data(), m_filterPrintCheckBox.data()})
            connect(box, &QCheckBox::stateChanged, this, &MessageEditorView::filterStateChanged);
        connect(m_filterEditCopyCheckBox, &QCheckBox::stateChanged, this,
                &MessageEditorView::filterEditCopyStateChanged);
        connect(m_filterExportToTextFileCheckBox, &QCheckBox::stateChanged, this,
                &MessageEditorView::filterExportToTextFileStateChanged);
        connect(m_filterExportToPdfFileCheckBox, &QCheckBox::stateChanged, this,
                &MessageEditorView::filterExportToPdfFileStateChanged);
        connect(m_filterPrintCheckBox, &QCheckBox::stateChanged, this, &MessageEditorView::filterPrintStateChanged);
        connect(m_editor, &AbstractTextReader::focusIn, this, &MessageEditorView::focusInTextEditor);
        connect(m_textReader, &AbstractTextReader::focusIn, this, &MessageEditorView::focusInMessageReader);
    }
    connect(m_saveAction, &QAction::triggered, this, &MessageEditorView::saveMessage);
    connect(m_exportToTextFileAction, &QAction::triggered, this, &MessageEditorView::exportMessageToTextFile);
    connect(m_exportToPdfFileAction, &QAction::triggered, this, &MessageEditorView::exportMessageToPdfFile);
    connect(m_printAction, &QAction::triggered, this, &MessageEditorView::printMessage);
    connect(m_printPreviewAction, &QAction::triggered, this, &MessageEditorView::printPreviewMessage);
    for (AbstractTextReader *widget :
         {static_cast<AbstractTextReader *>(m_editor), static_cast<AbstractTextReader *>(m_textReader.data())}) {
        connect(widget, &AbstractTextReader::exportBytesToTextFile, this, &MessageEditorView::exportBytesToTextFile);
        connect(widget, &AbstractTextReader::exportBytesToPdfFile, this, &MessageEditorView::exportBytesToPdfFile);
        connect(widget, &AbstractTextReader::printBytes, this, &MessageEditorView::printBytes);
        connect(widget, &AbstractTextReader::copyBytesToClipboard, this, &MessageEditorView::copyBytesToClipboard);
    }
    connect(m_cutAction, &QAction::triggered, this, &MessageEditorView::cutMessageToClipboard);
    connect(m_copyAction, &QAction::triggered, this, &MessageEditorView::copyMessageToClipboard);
    connect(m_pasteAction, &QAction::triggered, this, &MessageEditorView::pasteMessageFromClipboard);
    connect(m_editor, &AbstractTextEditor::cutBytesToClipboard, this, &MessageEditorView::cutBytesToClipboard);
    connect(m_editor, &AbstractTextEditor::pasteBytesFromClipboard, this, &MessageEditorView::pasteBytesFromClipboard);
    connect(m_sendButton, &QPushButton::clicked, this, qOverload<>(&MessageEditorView::send));
    connect(m_discardButton, &QPushButton::clicked, this, &MessageEditorView::discard);
    connect(m_toButton, &QPushButton::clicked, this, &MessageEditorView::addUsersTo);
    connect(m_ccButton, &QPushButton::clicked, this, &MessageEditorView::addUsersCc);
    connect(m_bccButton, &QPushButton::clicked, this, &MessageEditorView::addUsersBcc);
    connect(m_subjectButton, &QPushButton::clicked, this, &MessageEditorView::editSubject);
    connect(m_attachToolButton, &QToolButton::clicked, this, &MessageEditorView::attachDocument);
    connect(m_detachToolButton, &QToolButton::clicked, this, &MessageEditorView::detachDocument);
    connect(m_verifyToolButton, &QToolButton::clicked, this, [this] { verifyDocumentKeys(0); });

    initializeWindow();
    initializeMenus();
    initializeStandardToolBar();
    initializeFormattingToolBar();
    initializeIconToolBar();
    initializeAddresseeToolBar();
    initializeMessageEditor();
    MessageAttachmentItem::addAttachments(m_message.message_id(), m_attachmentList);
    initializeMessageReader();
    focusInTextEditor();

    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
}

MessageEditorView::~MessageEditorView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
    setActiveView(false);
}

const qorv::data::Message &MessageEditorView::getMessage() const
{
    return m_message;
}

void MessageEditorView::setActiveView(bool active)
{
    if (active)
        m_activeView = this;
    else if (m_activeView == this)
        m_activeView = nullptr;
}

bool MessageEditorView::isActiveView() const
{
    return m_activeView == this;
}

void MessageEditorView::initializeWindow()
{
    setWindowCaption(QString::fromStdString(m_message.message_subject()),
                     QString::fromStdString(MessageDispatcher::getServerName()), QString());
    setWindowIcon(utils::ActionIcon("mail_edit.png"));

    auto *centralWidget = new QWidget(this);
    auto *layout = new QVBoxLayout(centralWidget);
    // The text being written takes most of the room; the earlier messages
    // of the chain below it are for looking something up.
    layout->addWidget(m_editor, 3);
    layout->addWidget(m_textReader, 1);
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(m_filterLabel);
    filterRow->addWidget(m_filterEditCopyCheckBox);
    filterRow->addWidget(m_filterExportToTextFileCheckBox);
    filterRow->addWidget(m_filterExportToPdfFileCheckBox);
    filterRow->addWidget(m_filterPrintCheckBox);
    filterRow->addStretch();
    layout->addLayout(filterRow);
    setCentralWidget(centralWidget);

    m_toLineEdit->setReadOnly(true);
    m_ccLineEdit->setReadOnly(true);
    m_bccLineEdit->setReadOnly(true);
    m_toLineEdit->setText(FormatUserNames(SelectMessageUsers(m_message, qorv::data::Message::TO)));
    m_ccLineEdit->setText(FormatUserNames(SelectMessageUsers(m_message, qorv::data::Message::CC)));
    m_bccLineEdit->setText(FormatUserNames(SelectMessageUsers(m_message, qorv::data::Message::BCC)));
    m_subjectLineEdit->setReadOnly(true);
    m_subjectLineEdit->setText(QString::fromStdString(m_message.message_subject()));
    addressLineEditTextChanged(QString());
}

void MessageEditorView::initializeMenus()
{
    initializeFileMenu();
    QAction *attachMenuAction = m_attachMenu->menuAction();
    m_fileMenu->insertAction(m_saveAction, attachMenuAction);
    m_fileMenu->insertSeparator(m_saveAction);
    initializeEditMenu();
    initializeViewMenu();
    m_viewMenuAction->setVisible(false);
    initializeTableMenu();
    initializeInsertMenu();
    initializeFormatMenu();
    initializeToolsMenu();
    m_toolsMenu->addSeparator();
    m_toolsMenu->addAction(m_verifyDocumentKeysAction);
}

void MessageEditorView::initializeAddresseeToolBar()
{
    m_sendButton->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    QSizePolicy listPolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    listPolicy.setHeightForWidth(true);
    m_attachmentList->setSizePolicy(listPolicy);
    m_attachmentList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_attachmentList->setSortingEnabled(true);
    m_attachToolButton->setIcon(utils::ActionIcon("document_attachment_add.png"));
    m_attachToolButton->setToolTip(tr("AddDocument"));
    m_detachToolButton->setIcon(utils::ActionIcon("document_attachment_delete.png"));
    m_detachToolButton->setToolTip(tr("RemoveDocument"));
    m_verifyToolButton->setIcon(utils::ActionIcon("document_empty_keys_ok.png"));
    m_verifyToolButton->setToolTip(tr("VerifyDocuments"));

    auto *widget = new QWidget(m_addresseeToolBar);
    auto *row = new QHBoxLayout(widget);
    auto *commands = new QVBoxLayout;
    commands->addWidget(m_sendButton);
    commands->addWidget(m_discardButton);
    row->addLayout(commands);
    auto *grid = new QGridLayout;
    const QList<QPair<QPushButton *, QLineEdit *>> lines = {{m_toButton, m_toLineEdit},
                                                            {m_ccButton, m_ccLineEdit},
                                                            {m_bccButton, m_bccLineEdit},
                                                            {m_subjectButton, m_subjectLineEdit}};
    for (int index = 0; index < lines.size(); ++index) {
        grid->addWidget(lines[index].first, index, 1);
        grid->addWidget(lines[index].second, index, 2);
    }
    row->addLayout(grid);
    row->addWidget(m_attachmentList);
    auto *tools = new QVBoxLayout;
    tools->addStretch();
    tools->addWidget(m_attachToolButton);
    tools->addStretch();
    tools->addWidget(m_detachToolButton);
    tools->addStretch();
    tools->addStretch();
    tools->addWidget(m_verifyToolButton);
    tools->addStretch();
    row->addLayout(tools);
    m_addresseeToolBar->addWidget(widget);
    m_addresseeToolBar->setWindowTitle(tr("AddresseeToolbar"));
    m_addresseeToolBar->setMovable(false);
    m_addresseeToolBar->setFloatable(false);
    // The recipients fill the first row on their own.
    insertToolBar(m_standardToolBar, m_addresseeToolBar);
    insertToolBarBreak(m_standardToolBar);
}

void MessageEditorView::initializeMessageEditor()
{
    auto *document = new TextDocument(this);
    document->setHtml(DecodedBody(m_message.message_body()));
    document->setModified(false);
    m_editor->setDocument(document);
    connect(document, &QTextDocument::modificationChanged, this, &MessageEditorView::modificationChanged);
    m_editHistoryActions->setDocument(document);
    m_editHistoryActions->setPermitted(true);
    m_editor->setFocus();
    modificationChanged(false);
}

void MessageEditorView::initializeMessageReader()
{
    // The browser's chain text saves a query when the window opens; it is
    // never sent back with the message.
    if (m_message.has_message_parent_chain_cache()) {
        m_textReader->clear();
        m_textReader->setHtml(QString::fromStdString(m_message.message_parent_chain_cache()));
        m_message.clear_message_parent_chain_cache();
        return;
    }
    displayMessageParentChain();
}

void MessageEditorView::displayMessageParentChain()
{
    if (!m_message.has_message_parent_id() || m_message.message_parent_relation() == 0)
        return;
    qorv::data::SelectMessageRequest request;
    request.set_message_id(m_message.message_parent_id());
    qorv::data::SelectMessageReply reply;
    if (!network::DirectExchange(common::op::SelectMessage, request, reply, network::ReplyErrorCodes::Ignored)
        || reply.message_size() != 1)
        return;
    displayMessageChain(reply.message(0), IsChecked(m_filterEditCopyCheckBox),
                        IsChecked(m_filterExportToTextFileCheckBox), IsChecked(m_filterExportToPdfFileCheckBox),
                        IsChecked(m_filterPrintCheckBox));
}

void MessageEditorView::routeToEditor()
{
    for (QAction *action : {m_selectAllAction, m_findAction, m_replaceAction})
        disconnect(action, &QAction::triggered, nullptr, nullptr);
    disconnect(this, &MessageEditorView::exportToTextFile, nullptr, nullptr);
    disconnect(this, &MessageEditorView::exportToPdfFile, nullptr, nullptr);
    disconnect(this, &MessageEditorView::print, nullptr, nullptr);
    disconnect(this, &MessageEditorView::printPreview, nullptr, nullptr);
    disconnect(this, &MessageEditorView::cutToClipboard, nullptr, nullptr);
    disconnect(this, &MessageEditorView::copyToClipboard, nullptr, nullptr);
    disconnect(this, &MessageEditorView::pasteFromClipboard, nullptr, nullptr);
    connect(this, &MessageEditorView::exportToTextFile, m_editor, &AbstractTextReader::exportToTextFile);
    connect(this, &MessageEditorView::exportToPdfFile, m_editor, &AbstractTextReader::exportToPdfFile);
    connect(this, &MessageEditorView::print, m_editor, &AbstractTextReader::print);
    connect(this, &MessageEditorView::printPreview, m_editor, &AbstractTextReader::printPreview);
    connect(this, &MessageEditorView::cutToClipboard, m_editor, &AbstractTextEditor::cutToClipboard);
    connect(this, &MessageEditorView::copyToClipboard, m_editor, &AbstractTextReader::copyToClipboard);
    connect(this, &MessageEditorView::pasteFromClipboard, m_editor, &AbstractTextEditor::pasteFromClipboard);
    connect(m_selectAllAction, &QAction::triggered, m_editor, &QTextEdit::selectAll);
    connect(m_findAction, &QAction::triggered, m_editor, &MessageEditor::findText);
    connect(m_replaceAction, &QAction::triggered, m_editor, &MessageEditor::replaceText);
}

void MessageEditorView::routeToReader()
{
    for (QAction *action : {m_selectAllAction, m_findAction, m_replaceAction})
        disconnect(action, &QAction::triggered, nullptr, nullptr);
    disconnect(this, &MessageEditorView::exportToTextFile, nullptr, nullptr);
    disconnect(this, &MessageEditorView::exportToPdfFile, nullptr, nullptr);
    disconnect(this, &MessageEditorView::print, nullptr, nullptr);
    disconnect(this, &MessageEditorView::printPreview, nullptr, nullptr);
    disconnect(this, &MessageEditorView::cutToClipboard, nullptr, nullptr);
    disconnect(this, &MessageEditorView::copyToClipboard, nullptr, nullptr);
    disconnect(this, &MessageEditorView::pasteFromClipboard, nullptr, nullptr);
    TextReader *reader = m_textReader.data();
    connect(this, &MessageEditorView::exportToTextFile, reader, &AbstractTextReader::exportToTextFile);
    connect(this, &MessageEditorView::exportToPdfFile, reader, &AbstractTextReader::exportToPdfFile);
    connect(this, &MessageEditorView::print, reader, &AbstractTextReader::print);
    connect(this, &MessageEditorView::printPreview, reader, &AbstractTextReader::printPreview);
    connect(this, &MessageEditorView::copyToClipboard, reader, &AbstractTextReader::copyToClipboard);
    connect(m_selectAllAction, &QAction::triggered, reader, &QTextEdit::selectAll);
    connect(m_findAction, &QAction::triggered, reader, &AbstractTextReader::findText);
}

void MessageEditorView::focusInTextEditor(QFocusEvent *)
{
    setActionsEnabled(true);
    m_editHistoryActions->setPermitted(true);
    for (QWidget *widget :
         std::initializer_list<QWidget *>{m_filterLabel, m_filterEditCopyCheckBox, m_filterExportToTextFileCheckBox,
                                          m_filterExportToPdfFileCheckBox, m_filterPrintCheckBox})
        widget->setEnabled(false);
    routeToEditor();
}

void MessageEditorView::focusInMessageReader(QFocusEvent *)
{
    setActionsEnabled(false);
    m_editHistoryActions->setPermitted(false);
    for (QWidget *widget :
         std::initializer_list<QWidget *>{m_filterLabel, m_filterEditCopyCheckBox, m_filterExportToTextFileCheckBox,
                                          m_filterExportToPdfFileCheckBox, m_filterPrintCheckBox})
        widget->setEnabled(true);
    m_findAction->setEnabled(true);
    routeToReader();
    applyFilterRules();
}

void MessageEditorView::applyFilterRules()
{
    filterEditCopyStateChanged(m_filterEditCopyCheckBox->checkState());
    filterExportToTextFileStateChanged(m_filterExportToTextFileCheckBox->checkState());
    filterExportToPdfFileStateChanged(m_filterExportToPdfFileCheckBox->checkState());
    filterPrintStateChanged(m_filterPrintCheckBox->checkState());
}

void MessageEditorView::filterStateChanged(int)
{
    displayMessageParentChain();
}

void MessageEditorView::filterEditCopyStateChanged(int state)
{
    const bool on = state == Qt::Checked;
    m_selectAllAction->setEnabled(on);
    m_copyAction->setEnabled(on);
    m_textReader->setTextInteractionFlags(on ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                             : Qt::NoTextInteraction);
}

void MessageEditorView::filterExportToTextFileStateChanged(int state)
{
    m_exportToTextFileAction->setEnabled(state == Qt::Checked);
}

void MessageEditorView::filterExportToPdfFileStateChanged(int state)
{
    m_exportToPdfFileAction->setEnabled(state == Qt::Checked);
}

void MessageEditorView::filterPrintStateChanged(int state)
{
    m_printAction->setEnabled(state == Qt::Checked);
    m_printPreviewAction->setEnabled(state == Qt::Checked);
}

void MessageEditorView::messageReaderContextMenuEvent(const QPoint &point)
{
    QMenu menu(this);
    menu.addAction(m_copyAction);
    menu.addSeparator();
    menu.addAction(m_selectAllAction);
    menu.addSeparator();
    menu.addAction(m_findAction);
    menu.exec(m_textReader->mapToGlobal(point));
}

void MessageEditorView::exportMessageToTextFile()
{
    emit exportToTextFile(QString::fromStdString(m_message.message_subject()));
}

void MessageEditorView::exportMessageToPdfFile()
{
    emit exportToPdfFile(QString::fromStdString(m_message.message_subject()));
}

void MessageEditorView::printMessage()
{
    emit print(QString::fromStdString(m_message.message_subject()));
}

void MessageEditorView::printPreviewMessage()
{
    emit printPreview(QString::fromStdString(m_message.message_subject()));
}

void MessageEditorView::cutMessageToClipboard()
{
    emit cutToClipboard();
}

void MessageEditorView::copyMessageToClipboard()
{
    emit copyToClipboard();
}

void MessageEditorView::pasteMessageFromClipboard()
{
    emit pasteFromClipboard();
}

void MessageEditorView::exportBytesToTextFile(unsigned bytesOut)
{
    DeliverMessageAudit(*this, common::op::LogEventExportMessageToTextFile, m_message, bytesOut);
}

void MessageEditorView::exportBytesToPdfFile(unsigned bytesOut)
{
    DeliverMessageAudit(*this, common::op::LogEventExportMessageToPdfFile, m_message, bytesOut);
}

void MessageEditorView::printBytes(unsigned bytesOut)
{
    DeliverMessageAudit(*this, common::op::LogEventPrintMessage, m_message, bytesOut);
}

void MessageEditorView::cutBytesToClipboard(unsigned bytesOut)
{
    // The log knows copies only; what was cut left the message all the same.
    DeliverMessageAudit(*this, common::op::LogEventCopyMessageToClipboard, m_message, bytesOut);
}

void MessageEditorView::copyBytesToClipboard(unsigned bytesOut)
{
    DeliverMessageAudit(*this, common::op::LogEventCopyMessageToClipboard, m_message, bytesOut);
}

void MessageEditorView::pasteBytesFromClipboard(unsigned bytesIn)
{
    DeliverMessageAudit(*this, common::op::LogEventPasteMessageFromClipboard, m_message, bytesIn);
}

void MessageEditorView::addressLineEditTextChanged(const QString &)
{
    m_sendButton->setEnabled(!m_toLineEdit->text().isEmpty() || !m_ccLineEdit->text().isEmpty()
                             || !m_bccLineEdit->text().isEmpty());
}

void MessageEditorView::modificationChanged(bool changed)
{
    const QString title = QStringLiteral("%1%2").arg(QString::fromStdString(m_message.message_subject()),
                                                     changed ? QStringLiteral("*") : QString());
    setWindowCaption(title, QString::fromStdString(MessageDispatcher::getServerName()), QString());
}

bool MessageEditorView::bodyWithinLimit(std::string &body) const
{
    body = m_editor->document()->toHtml().toStdString();
    if (body.size() <= static_cast<std::size_t>(MaximumBodySize))
        return true;
    QString text = tr("MessageContainsExcessCharacters");
    if (text.contains(QLatin1String("%1")))
        text = text.arg(static_cast<qulonglong>(body.size() - MaximumBodySize));
    QMessageBox box;
    box.setText(text);
    box.exec();
    return false;
}

bool MessageEditorView::send(common::Opcode majorOpcode, const google::protobuf::MessageLite &request)
{
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    emit deliverRequest(majorOpcode, 1, payload);
    return true;
}

void MessageEditorView::sendUpdate(const qorv::data::Message &message)
{
    qorv::data::UpdateMessageRequest request;
    *request.mutable_message() = message;
    std::string payload;
    if (!request.SerializeToString(&payload))
        return;
    m_pendingUpdate = message;
    emit deliverRequest(common::op::UpdateMessage, 1, payload);
    m_pendingUpdate.reset();
}

void MessageEditorView::saveMessage()
{
    qorv::data::Message message = m_message;
    if (m_editor->document()->isModified()) {
        std::string body;
        if (!bodyWithinLimit(body))
            return;
        message.set_message_body(body);
    }
    sendUpdate(message);
}

void MessageEditorView::send()
{
    saveMessage();
    if (!m_editor->document()->isModified())
        close();
}

void MessageEditorView::editSubject()
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(this, tr("EditMessageInputDialog"), tr("MessageSubject:"),
                                                 QLineEdit::Normal, m_subjectLineEdit->text(), &accepted)
                               .trimmed();
    if (!accepted || answer.isEmpty())
        return;
    std::string body;
    if (!bodyWithinLimit(body))
        return;
    qorv::data::Message message = m_message;
    message.set_message_subject(answer.toStdString());
    message.set_message_body(body);
    sendUpdate(message);
}

void MessageEditorView::discard()
{
    if (!m_editor->document()->isEmpty()) {
        QMessageBox box(this);
        box.setWindowTitle(tr("DeleteMessageDialogTitle"));
        box.setWindowIcon(utils::ActionIcon("mail_delete.png"));
        box.setText(tr("DeleteMessageDialogText"));
        box.setInformativeText(QString::fromStdString(m_message.message_subject()));
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        if (box.exec() != QMessageBox::Ok)
            return;
    }
    qorv::data::DeleteMessageRequest request;
    request.set_message_id(m_message.message_id());
    // The audit line of a deletion names who deleted the message.
    request.set_message_user_id(SessionUser().user_id());
    request.set_message_subject(m_message.message_subject());
    m_discarding = true;
    setActiveView(true);
    send(common::op::DeleteMessage, request);
    setActiveView(false);
    m_discarding = false;
}

void MessageEditorView::closeEvent(QCloseEvent *event)
{
    // The manager closes the window of a message the user just discarded.
    if (m_discarding) {
        event->accept();
        return;
    }
    verifyDocumentKeys(1);
    if (!m_editor->document()->isModified()) {
        event->accept();
        return;
    }
    QMessageBox box(this);
    box.setWindowTitle(QApplication::applicationName());
    box.setText(QStringLiteral("%1 %2%3").arg(tr("DoYouWantToSaveChangesYouMadeTo"),
                                              QString::fromStdString(m_message.message_subject()),
                                              Linguist::tr("QuestionMark")));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        saveMessage();
        if (m_editor->document()->isModified())
            event->ignore();
        else
            event->accept();
        break;
    case QMessageBox::Discard:
        event->accept();
        break;
    default:
        event->ignore();
        break;
    }
}

void MessageEditorView::processReply(common::Opcode majorOpcode, common::Opcode, const std::string &request,
                                     const std::string &reply)
{
    if (majorOpcode == common::op::DeleteMessageDocument)
        handleDeleteMessageDocument(request);
    else if (majorOpcode == common::op::UpdateMessage)
        handleUpdateMessage(request, reply);
    setActiveView(false);
}

void MessageEditorView::handleUpdateMessage(const std::string &requestPayload, const std::string &replyPayload)
{
    // Another window's save of this message (the browser's permissions, a
    // move) carries its own copy of the body: it must not pass for a save of
    // what was typed here. The link stamps the modification date on the way,
    // so the echo is compared without it.
    if (!m_pendingUpdate)
        return;
    qorv::data::UpdateMessageRequest request;
    qorv::data::UpdateMessageReply reply;
    if (!request.ParseFromString(requestPayload) || !reply.ParseFromString(replyPayload) || reply.return_code() == 0)
        return;
    qorv::data::Message echoed = request.message();
    qorv::data::Message sent = *m_pendingUpdate;
    echoed.clear_message_modification_date();
    sent.clear_message_modification_date();
    if (echoed.SerializeAsString() != sent.SerializeAsString())
        return;
    m_message.set_message_subject(request.message().message_subject());
    m_message.set_message_body(request.message().message_body());
    m_message.set_message_modification_date(request.message().message_modification_date());
    m_subjectLineEdit->setText(QString::fromStdString(m_message.message_subject()));
    m_editor->document()->setModified(false);
    modificationChanged(false);
}

void MessageEditorView::processError(common::Opcode majorOpcode, common::Opcode, const std::string &, common::Ercode,
                                     common::Ercode, const std::string &reply)
{
    if (majorOpcode != common::op::DeleteMessage || !isActiveView())
        return;
    qorv::data::DeleteMessageReply deleteReply;
    if (deleteReply.ParseFromString(reply) && deleteReply.sql_diag_rec().sqls() == "23504")
        statusBar()->showMessage(tr("DeleteMessageWarning"), 4000);
}

bool MessageEditorView::addUsers(const qorv::data::Message &message, QString &text, qorv::data::Message_ufield field)
{
    const qorv::data::Users to = SelectMessageUsers(message, qorv::data::Message::TO);
    const qorv::data::Users cc = SelectMessageUsers(message, qorv::data::Message::CC);
    const qorv::data::Users bcc = SelectMessageUsers(message, qorv::data::Message::BCC);
    const qorv::data::Users &current = field == qorv::data::Message::TO   ? to
                                       : field == qorv::data::Message::CC ? cc
                                                                          : bcc;

    SelectUsersDialog dialog(this);
    for (const qorv::data::User &user : current.user())
        dialog.addUser(user);
    // A user stands in one field only: the picker offers nobody of the others.
    for (const qorv::data::Users *other : {&to, &cc, &bcc}) {
        if (other == &current)
            continue;
        for (const qorv::data::User &user : other->user())
            dialog.addExcludedUser(user.user_id());
    }
    dialog.init();
    if (dialog.exec() != QDialog::Accepted)
        return false;

    const qorv::data::Users picked = dialog.selectedUsers();
    const MessageRecipientChanges changes(ToVector(picked), ToVector(current));
    // Inserts first: a user moved between two picks never stands nowhere.
    insertUsers(message, changes.inserted(), field);
    deleteUsers(message, changes.removed());

    QStringList names;
    for (const qorv::data::User &user : picked.user())
        names.append(
            utils::GetAlphabeticalName(user.user_first_name(), user.user_middle_name(), user.user_last_name()));
    text = names.join(QStringLiteral("; "));
    return true;
}

void MessageEditorView::insertUsers(const qorv::data::Message &message, const std::vector<qorv::data::User> &users,
                                    qorv::data::Message_ufield field)
{
    for (const qorv::data::User &user : users) {
        qorv::data::InsertMessageUserRequest request;
        qorv::data::Message *row = request.mutable_message();
        *row = message;
        *row->mutable_message_recipient() = user;
        *row->mutable_message_sender() = SessionUser();
        row->set_message_user_message_id(message.message_id());
        row->set_message_user_user_id(user.user_id());
        row->set_message_user_message_folder_id(user.user_message_folder_id());
        row->set_message_user_field(field);
        row->set_message_user_properties(0);
        row->set_message_user_creation_date(records::CurrentTimestamp().toDbString());
        send(common::op::InsertMessageUser, request);
    }
}

void MessageEditorView::deleteUsers(const qorv::data::Message &message, const std::vector<qorv::data::User> &users)
{
    for (const qorv::data::User &user : users) {
        qorv::data::DeleteMessageUserRequest request;
        request.set_message_user_message_id(message.message_id());
        request.set_message_user_user_id(user.user_id());
        send(common::op::DeleteMessageUser, request);
    }
}

void MessageEditorView::addUsersTo()
{
    QString text;
    if (addUsers(m_message, text, qorv::data::Message::TO))
        m_toLineEdit->setText(text);
}

void MessageEditorView::addUsersCc()
{
    QString text;
    if (addUsers(m_message, text, qorv::data::Message::CC))
        m_ccLineEdit->setText(text);
}

void MessageEditorView::addUsersBcc()
{
    QString text;
    if (addUsers(m_message, text, qorv::data::Message::BCC))
        m_bccLineEdit->setText(text);
}

void MessageEditorView::attachDocument()
{
    SelectDocumentsDialog dialog(this);
    dialog.setUserId(SessionUser().user_id());
    for (int row = 0; row < m_attachmentList->count(); ++row)
        dialog.addExcludedDocument(MessageAttachmentItem::document(m_attachmentList->item(row)).document_id());
    dialog.init();
    if (dialog.exec() != QDialog::Accepted)
        return;
    const qorv::data::Documents documents = dialog.selectedDocuments();
    utils::WaitCursor waitCursor(true);
    for (const qorv::data::Document &document : documents.document()) {
        qorv::data::InsertMessageDocumentRequest request;
        qorv::data::MessageDocument *attachment = request.mutable_message_document();
        attachment->set_message_document_message_id(m_message.message_id());
        attachment->set_message_document_document_id(document.document_id());
        attachment->set_message_document_properties(0);
        attachment->set_message_document_creation_date(records::CurrentTimestamp().toDbString());
        std::string payload;
        if (!request.SerializeToString(&payload))
            continue;
        new MessageAttachmentItem(document, m_attachmentList);
        emit deliverRequest(common::op::InsertMessageDocument, 1, payload);
    }
}

void MessageEditorView::detachDocument()
{
    const QList<QListWidgetItem *> selected = m_attachmentList->selectedItems();
    if (selected.isEmpty())
        return;
    qorv::data::DeleteMessageDocumentRequest request;
    request.set_message_document_message_id(m_message.message_id());
    request.set_message_document_document_id(MessageAttachmentItem::document(selected.first()).document_id());
    send(common::op::DeleteMessageDocument, request);
}

void MessageEditorView::handleDeleteMessageDocument(const std::string &requestPayload)
{
    qorv::data::DeleteMessageDocumentRequest request;
    if (!request.ParseFromString(requestPayload) || request.message_document_message_id() != m_message.message_id())
        return;
    for (int row = 0; row < m_attachmentList->count(); ++row) {
        if (MessageAttachmentItem::document(m_attachmentList->item(row)).document_id()
            == request.message_document_document_id()) {
            delete m_attachmentList->takeItem(row);
            return;
        }
    }
}

void MessageEditorView::openDocument(QListWidgetItem *item)
{
    qorv::data::SelectDocumentRequest request;
    request.set_document_id(MessageAttachmentItem::document(item).document_id());
    std::string payload;
    if (request.SerializeToString(&payload))
        emit deliverRequest(common::op::SelectDocument, common::tag::OpenDocumentEditor, payload);
}

void MessageEditorView::verifyDocumentKeys(int confirmation)
{
    if (m_attachmentList->count() == 0)
        return;
    bool allHeld = true;
    for (int row = 0; row < m_attachmentList->count(); ++row) {
        const qorv::data::Document document = MessageAttachmentItem::document(m_attachmentList->item(row));
        const qorv::data::Users lacking = messageeditorview::GetMessageUsersWithoutDocumentKeyForDocument(
            m_message.message_id(), document.document_id());
        if (lacking.user_size() == 0)
            continue;
        allHeld = false;
        const QString name = QString::fromStdString(document.document_name());
        QMessageBox box(this);
        box.setWindowTitle(tr("CreateDocumentKeysForMessageUsersConfirmationWindowTitle"));
        box.setWindowIcon(utils::ActionIcon("document_empty_keys_ok.png"));
        box.setText(tr("CreateDocumentKeysForMessageUsersConfirmation"));
        box.setInformativeText(name);
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() != QMessageBox::Yes)
            continue;
        CreateDocumentKeyWizard wizard(document.document_id(), name, this);
        for (const qorv::data::User &user : lacking.user())
            wizard.getSelectDocumentKeyUserWizardPage()->getSelectUsersWidget()->addUser(user);
        if (wizard.exec() != QDialog::Accepted)
            continue;
        for (const qorv::data::DocumentKey &key : wizard.documentKeys()) {
            qorv::data::InsertDocumentKeyRequest request;
            *request.mutable_document_key() = key;
            send(common::op::InsertDocumentKey, request);
        }
    }
    if (confirmation == 0 && allHeld)
        QMessageBox::information(this, tr("AllDocumentKeysVerifiedWindowTitle"), tr("AllDocumentKeysVerified"),
                                 QMessageBox::Ok);
}
