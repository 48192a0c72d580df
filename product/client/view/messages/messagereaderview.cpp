#include "messagereaderview.h"

#include "askpasscode.h"
#include "common/majorcode.h"
#include "currenttimestamp.h"
#include "dbtimestamp.h"
#include "directexchange.h"
#include "documentkeyopener.h"
#include "keyopenerwindow.h"
#include "linguist.h"
#include "messageattachmentitem.h"
#include "messageaudit.h"
#include "messagechain.h"
#include "messagedispatcher.h"
#include "messagereader.h"
#include "messagereplyrequest.h"
#include "registry.h"
#include "settings.h"

#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "openmessagerequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "users3.pb.h"
#include "utils.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolBar>

namespace
{
const qorv::data::User &SessionUser()
{
    return RegistrySingleton::instance()->getUser();
}

bool IsChecked(int state)
{
    return state == Qt::Checked;
}
}

MessageReaderView::MessageReaderView(const qorv::data::Message &message, QWidget *parent)
    : AbstractViewWindow(parent)
    , m_message(message)
    , m_closeAction(m_fileMenu->addAction(Linguist::tr("Close"), this, &QWidget::close))
    , m_exportToTextFileAction(
          m_fileMenu->addAction(tr("ExportToTextFile"), this, &MessageReaderView::exportMessageToTextFile))
    , m_exportToPdfFileAction(
          m_fileMenu->addAction(tr("ExportToPdfFile"), this, &MessageReaderView::exportMessageToPdfFile))
    , m_printAction(m_fileMenu->addAction(utils::ActionIcon("printer.png"), Linguist::tr("Print"), this,
                                          &MessageReaderView::printMessage))
    , m_printPreviewAction(
          m_fileMenu->addAction(Linguist::tr("PrintPreview"), this, &MessageReaderView::printPreviewMessage))
    , m_copyAction(m_editMenu->addAction(utils::ActionIcon("copy.png"), Linguist::tr("Copy"), this,
                                         &MessageReaderView::copyMessageToClipboard))
    , m_selectAllAction(m_editMenu->addAction(Linguist::tr("SelectAll"), m_textReader.data(), &QTextEdit::selectAll))
    , m_findAction(m_editMenu->addAction(utils::ActionIcon("magnifying_glass.png"), Linguist::tr("Find"),
                                         m_textReader.data(), &AbstractTextReader::findText))
    , m_aboutAction(m_helpMenu->addAction(Linguist::tr("AboutQORV"), this, &AbstractViewWindow::helpAbout))
    , m_addresseeToolBar(new QToolBar(this))
    , m_replyButton(new QPushButton(tr("ReplyTo"), m_addresseeToolBar))
    , m_fromLineEdit(new QLineEdit(m_addresseeToolBar))
    , m_replyAllButton(new QPushButton(tr("ReplyToAll"), m_addresseeToolBar))
    , m_toLineEdit(new QLineEdit(m_addresseeToolBar))
    , m_forwardButton(new QPushButton(tr("ForwardTo"), m_addresseeToolBar))
    , m_subjectLabel(new QLabel(tr("Subject"), m_addresseeToolBar))
    , m_subjectLineEdit(new QLineEdit(m_addresseeToolBar))
    , m_attachmentList(new QListWidget(m_addresseeToolBar))
{
    m_fileMenu->insertSeparator(m_exportToTextFileAction);
    m_fileMenu->insertSeparator(m_printAction);
    m_editMenu->insertSeparator(m_selectAllAction);
    m_editMenu->insertSeparator(m_findAction);
    for (QAction *action : {m_exportToTextFileAction, m_exportToPdfFileAction, m_printAction, m_printPreviewAction,
                            m_copyAction, m_selectAllAction})
        action->setEnabled(false);
    m_viewMenuAction->setVisible(false);
    m_toolsMenuAction->setVisible(false);

    initializeWindow();
    initializeAddresseeToolBar();

    // The browser hands on the chain it showed, so the window opens without
    // asking the server; the text is not kept, later displays ask anew.
    if (m_message.has_message_chain_cache()) {
        m_textReader->clear();
        m_textReader->setHtml(QString::fromStdString(m_message.message_chain_cache()));
        m_message.clear_message_chain_cache();
    } else {
        displayMessageChain(m_message, false, false, false, false);
    }
    MessageAttachmentItem::addAttachments(m_message.message_id(), m_attachmentList);

    for (QCheckBox *box : {m_filterEditCopyCheckBox.data(), m_filterExportToTextFileCheckBox.data(),
                           m_filterExportToPdfFileCheckBox.data(), m_filterPrintCheckBox.data()})
        connect(box, &QCheckBox::stateChanged, this, &MessageReaderView::filterStateChanged);
    connect(m_filterEditCopyCheckBox, &QCheckBox::stateChanged, this, &MessageReaderView::filterEditCopyStateChanged);
    connect(m_filterExportToTextFileCheckBox, &QCheckBox::stateChanged, this,
            &MessageReaderView::filterExportToTextFileStateChanged);
    connect(m_filterExportToPdfFileCheckBox, &QCheckBox::stateChanged, this,
            &MessageReaderView::filterExportToPdfFileStateChanged);
    connect(m_filterPrintCheckBox, &QCheckBox::stateChanged, this, &MessageReaderView::filterPrintStateChanged);
    connect(m_textReader, &QWidget::customContextMenuRequested, this,
            &MessageReaderView::messageReaderContextMenuEvent);
    connect(this, &MessageReaderView::exportToTextFile, m_textReader, &AbstractTextReader::exportToTextFile);
    connect(this, &MessageReaderView::exportToPdfFile, m_textReader, &AbstractTextReader::exportToPdfFile);
    connect(this, &MessageReaderView::print, m_textReader, &AbstractTextReader::print);
    connect(this, &MessageReaderView::printPreview, m_textReader, &AbstractTextReader::printPreview);
    connect(this, &MessageReaderView::copyToClipboard, m_textReader, &AbstractTextReader::copyToClipboard);
    connect(m_textReader, &AbstractTextReader::exportBytesToTextFile, this, &MessageReaderView::exportBytesToTextFile);
    connect(m_textReader, &AbstractTextReader::exportBytesToPdfFile, this, &MessageReaderView::exportBytesToPdfFile);
    connect(m_textReader, &AbstractTextReader::printBytes, this, &MessageReaderView::printBytes);
    connect(m_textReader, &AbstractTextReader::copyBytesToClipboard, this, &MessageReaderView::copyBytesToClipboard);
    connect(m_replyButton, &QPushButton::clicked, this, &MessageReaderView::replyTo);
    connect(m_replyAllButton, &QPushButton::clicked, this, &MessageReaderView::replyToAll);
    connect(m_forwardButton, &QPushButton::clicked, this, &MessageReaderView::forwardTo);
    connect(m_attachmentList, &QListWidget::itemDoubleClicked, this, &MessageReaderView::documentItemDoubleClicked);

    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
}

MessageReaderView::~MessageReaderView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
}

const qorv::data::Message &MessageReaderView::getMessage() const
{
    return m_message;
}

void MessageReaderView::initializeWindow()
{
    auto *centralWidget = new QWidget(this);
    auto *layout = new QVBoxLayout(centralWidget);
    layout->addWidget(m_textReader);
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(m_filterLabel);
    filterRow->addWidget(m_filterEditCopyCheckBox);
    filterRow->addWidget(m_filterExportToTextFileCheckBox);
    filterRow->addWidget(m_filterExportToPdfFileCheckBox);
    filterRow->addWidget(m_filterPrintCheckBox);
    filterRow->addStretch();
    layout->addLayout(filterRow);
    setCentralWidget(centralWidget);

    const MessageReader reader(m_message);
    setWindowCaption(QString::fromStdString(m_message.message_subject()),
                     QString::fromStdString(MessageDispatcher::getServerName()), QString());
    setWindowIcon(utils::ActionIcon("mail.png"));

    m_replyButton->setEnabled(reader.permission(MessageProxy::Reply));
    m_replyAllButton->setEnabled(reader.permission(MessageProxy::ReplyAll));
    m_forwardButton->setEnabled(reader.permission(MessageProxy::Forward));

    m_fromLineEdit->setText(QString::fromStdString(reader.senderDisplayNameAlphabetical()));
    m_fromLineEdit->setReadOnly(true);

    // Whom a reply to all reaches: the author, then the other addressees.
    qorv::data::Users everyone;
    *everyone.add_user() = m_message.message_sender();
    for (const auto field : {qorv::data::Message::TO, qorv::data::Message::CC}) {
        const qorv::data::Users recipients = SelectMessageUsers(m_message, field);
        for (const qorv::data::User &user : recipients.user()) {
            if (user.user_id() != SessionUser().user_id())
                *everyone.add_user() = user;
        }
    }
    m_toLineEdit->setText(FormatUserNames(everyone));
    m_toLineEdit->setReadOnly(true);

    m_subjectLabel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_subjectLineEdit->setText(QString::fromStdString(m_message.message_subject()));
    m_subjectLineEdit->setReadOnly(true);
}

void MessageReaderView::initializeAddresseeToolBar()
{
    auto *widget = new QWidget(m_addresseeToolBar);
    auto *box = new QHBoxLayout(widget);
    auto *grid = new QGridLayout;
    grid->addWidget(m_replyButton, 0, 0);
    grid->addWidget(m_fromLineEdit, 0, 1);
    grid->addWidget(m_replyAllButton, 1, 0);
    grid->addWidget(m_toLineEdit, 1, 1);
    grid->addWidget(m_forwardButton, 2, 0);
    grid->addWidget(m_subjectLabel, 3, 0);
    grid->addWidget(m_subjectLineEdit, 3, 1);
    box->addLayout(grid);
    m_attachmentList->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    box->addWidget(m_attachmentList);
    m_addresseeToolBar->addWidget(widget);
    m_addresseeToolBar->setWindowTitle(tr("AddresseeToolbar"));
    m_addresseeToolBar->setMovable(false);
    m_addresseeToolBar->setFloatable(false);
    addToolBar(Qt::TopToolBarArea, m_addresseeToolBar);
}

void MessageReaderView::messageReaderContextMenuEvent(const QPoint &point)
{
    QMenu menu(this);
    menu.addAction(m_copyAction);
    menu.addSeparator();
    menu.addAction(m_selectAllAction);
    menu.addSeparator();
    menu.addAction(m_findAction);
    menu.exec(m_textReader->mapToGlobal(point));
}

void MessageReaderView::exportMessageToTextFile()
{
    emit exportToTextFile(QString::fromStdString(m_message.message_subject()));
}

void MessageReaderView::exportMessageToPdfFile()
{
    emit exportToPdfFile(QString::fromStdString(m_message.message_subject()));
}

void MessageReaderView::printMessage()
{
    emit print(QString::fromStdString(m_message.message_subject()));
}

void MessageReaderView::printPreviewMessage()
{
    emit printPreview(QString::fromStdString(m_message.message_subject()));
}

void MessageReaderView::copyMessageToClipboard()
{
    emit copyToClipboard();
}

void MessageReaderView::exportBytesToTextFile(uint bytesOut)
{
    DeliverMessageAudit(*this, common::op::LogEventExportMessageToTextFile, m_message, bytesOut);
}

void MessageReaderView::exportBytesToPdfFile(uint bytesOut)
{
    DeliverMessageAudit(*this, common::op::LogEventExportMessageToPdfFile, m_message, bytesOut);
}

void MessageReaderView::printBytes(uint bytesOut)
{
    DeliverMessageAudit(*this, common::op::LogEventPrintMessage, m_message, bytesOut);
}

void MessageReaderView::copyBytesToClipboard(uint bytesOut)
{
    DeliverMessageAudit(*this, common::op::LogEventCopyMessageToClipboard, m_message, bytesOut);
}

void MessageReaderView::replyTo()
{
    answer(qorv::data::Message::PARENT_RELATION_REPLY);
}

void MessageReaderView::replyToAll()
{
    answer(qorv::data::Message::PARENT_RELATION_REPLY_ALL);
}

void MessageReaderView::forwardTo()
{
    answer(qorv::data::Message::PARENT_RELATION_FORWARD);
}

void MessageReaderView::answer(qorv::data::Message_rfield relation)
{
    qorv::data::Users others;
    if (relation == qorv::data::Message::PARENT_RELATION_REPLY_ALL) {
        for (const auto field : {qorv::data::Message::TO, qorv::data::Message::CC})
            others.MergeFrom(SelectMessageUsers(m_message, field));
    }
    const qorv::data::InsertMessageRequest request =
        MessageReplyRequest::make(m_message, relation, SessionUser(), others, records::CurrentTimestamp().toDbString());
    std::string payload;
    if (!request.SerializeToString(&payload))
        return;
    // Every window sees the reply; the echoed request tells this window's
    // answer from another reader's.
    m_pendingInsert = payload;
    m_answerOpened = false;
    emit deliverRequest(common::op::InsertMessage, 1, payload);
    m_pendingInsert.clear();
    if (m_answerOpened) {
        close();
        return;
    }
    // Closing now would lose the message the user meant to answer without
    // any answer to show for it.
    QMessageBox::warning(this, QApplication::applicationName(), tr("AnswerNotCreated"));
}

void MessageReaderView::filterStateChanged(int)
{
    displayMessageChain(m_message, IsChecked(m_filterEditCopyCheckBox->checkState()),
                        IsChecked(m_filterExportToTextFileCheckBox->checkState()),
                        IsChecked(m_filterExportToPdfFileCheckBox->checkState()),
                        IsChecked(m_filterPrintCheckBox->checkState()));
}

void MessageReaderView::filterEditCopyStateChanged(int state)
{
    const bool on = IsChecked(state);
    m_copyAction->setEnabled(on);
    m_selectAllAction->setEnabled(on);
    m_textReader->setTextInteractionFlags(on ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

void MessageReaderView::filterExportToTextFileStateChanged(int state)
{
    m_exportToTextFileAction->setEnabled(IsChecked(state));
}

void MessageReaderView::filterExportToPdfFileStateChanged(int state)
{
    m_exportToPdfFileAction->setEnabled(IsChecked(state));
}

void MessageReaderView::filterPrintStateChanged(int state)
{
    m_printAction->setEnabled(IsChecked(state));
    m_printPreviewAction->setEnabled(IsChecked(state));
}

void MessageReaderView::documentItemDoubleClicked(QListWidgetItem *item)
{
    openDocument(MessageAttachmentItem::document(item));
}

void MessageReaderView::openDocument(const qorv::data::Document &document)
{
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(document.document_id());
    request.set_document_key_user_id(SessionUser().user_id());
    qorv::data::SelectDocumentKeyReply reply;
    if (!network::DirectExchange(common::op::SelectDocumentKey, request, reply, network::ReplyErrorCodes::Ignored))
        return;
    if (reply.document_key_size() == 1) {
        static_cast<void>(DocumentKeyOpener(reply.document_key(0)).open(KeyOpenerWindow(this), AskPasscode));
        return;
    }
    const QString name = QString::fromStdString(document.document_name());
    QMessageBox box(this);
    box.setText(tr("HandleSelectDocumentKeyFailureText").arg(name));
    box.setInformativeText(tr("HandleSelectDocumentKeyFailureInformativeText").arg(name));
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

void MessageReaderView::processReply(common::Opcode majorOpcode, common::Opcode, const std::string &request,
                                     const std::string &reply)
{
    // (56, -33), the opened key's cleared mark, needs nothing here.
    if (majorOpcode == common::op::InsertMessage)
        handleInsertMessage(request, reply);
}

void MessageReaderView::processError(common::Opcode, common::Opcode, const std::string &, common::Ercode,
                                     common::Ercode, const std::string &)
{
}

void MessageReaderView::handleInsertMessage(const std::string &requestPayload, const std::string &replyPayload)
{
    if (m_pendingInsert.empty() || requestPayload != m_pendingInsert)
        return;
    qorv::data::InsertMessageRequest request;
    qorv::data::InsertMessageReply reply;
    if (!request.ParseFromString(requestPayload) || !reply.ParseFromString(replyPayload) || reply.return_code() == 0)
        return;
    qorv::data::OpenMessageRequest open;
    *open.mutable_message() = request.message();
    open.mutable_message()->set_message_id(reply.message_id());
    std::string payload;
    if (!open.SerializeToString(&payload))
        return;
    m_answerOpened = true;
    emit deliverRequest(common::op::OpenMessageEditor, 1, payload);
}
