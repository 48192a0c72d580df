#include "documenteditorview.h"

#include "common/eventcode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "crypto.h"
#include "dbtimestamp.h"
#include "directexchange.h"
#include "documenteditoroptionkeys.h"
#include "documenteditoroptionsdialog.h"
#include "documentkeyreader.h"
#include "edithistoryactions.h"
#include "icontoolbar.h"
#include "linearwrap.h"
#include "linguist.h"
#include "listfillguard.h"
#include "messagedispatcher.h"
#include "registry.h"
#include "sessionduration.h"
#include "settings.h"
#include "settingssingleton.h"
#include "textdocument.h"
#include "urldockwidget.h"
#include "urllistwidget.h"
#include "utils.h"
#include "waitcursor.h"

#include "deletedocumentwebpagerequest3.pb.h"
#include "documentkey3.pb.h"
#include "documentwebpage3.pb.h"
#include "insertdocumentwebpagerequest3.pb.h"
#include "logeventcopydocumenttoclipboardrequest3.pb.h"
#include "logeventexportdocumenttopdffilerequest3.pb.h"
#include "logeventexportdocumenttotextfilerequest3.pb.h"
#include "logeventpastedocumentfromclipboardrequest3.pb.h"
#include "logeventprintdocumentrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectdocumentwebpagereply3.pb.h"
#include "selectdocumentwebpagerequest3.pb.h"
#include "updatedocumentreply3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatedocumentwebpagerequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDockWidget>
#include <QFontComboBox>
#include <QIcon>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QStringConverter>
#include <QToolBar>

namespace
{
namespace options = documenteditoroptions;

constexpr qsizetype BodyLimitBytes = 1048576;
const char RevisionsFrom[] = "1400-01-01 00:00:00";
const char RevisionsTo[] = "9999-12-31 00:00:00";

// The permissions of a descriptor, read as a key's.
class Permissions
{
public:
    explicit Permissions(const qorv::data::SecurityDescriptor &securityDescriptor)
    {
        *m_key.mutable_document_key_security_descriptor() = securityDescriptor;
    }

    bool has(DocumentKeyProxy::Permission permission) const { return DocumentKeyReader(m_key).permission(permission); }

    int sessionDuration() const { return DocumentKeyReader(m_key).sessionDuration(); }

private:
    qorv::data::DocumentKey m_key;
};

// The body as the HTML declares its own encoding; UTF-8 when it declares
// none or one that is not known.
QString DecodeBody(const std::string &body)
{
    const QByteArray bytes = QByteArray::fromStdString(body);
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForHtml(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    return decoder.decode(bytes);
}

bool ValidArea(int area)
{
    return area == options::LeftArea || area == options::RightArea || area == options::TopArea
           || area == options::BottomArea;
}

std::string UrlHash(const Url &url)
{
    return crypto::HashUrl(static_cast<std::string>(url));
}

template <class Request>
std::string Serialized(const Request &request)
{
    std::string payload;
    request.SerializeToString(&payload);
    return payload;
}
}

DocumentEditorView::DocumentEditorView(const qorv::data::Document &document, QWidget *parent)
    : TextEditorView<DocumentEditor>(parent)
    , m_document(document)
    , m_mainTextDocument(new TextDocument(this))
    , m_urlAttachmentsDockWidget(new UrlDockWidget(this))
    , m_revisionHistoryDockWidget(new QDockWidget(this))
    , m_revisionListWidget(new QListWidget(m_revisionHistoryDockWidget))
    , m_sessionDuration(std::make_unique<SessionDuration>(this))
    , m_revisionTextDocument(new TextDocument(this))
    , m_optionsAction(m_toolsMenu->addAction(Linguist::tr("Options"), this, &DocumentEditorView::options))
    , m_editHistoryActions(new EditHistoryActions(m_undoAction, m_redoAction, m_saveAction, this))
{
    setObjectName(QStringLiteral("DocumentEditorView"));
    initializeWindow();
    initializeFileMenu();
    initializeEditMenu();
    initializeViewMenu();
    initializeTableMenu();
    initializeInsertMenu();
    initializeFormatMenu();
    initializeToolsMenu();
    initializeStandardToolBar();
    initializeFormattingToolBar();
    initializeIconToolBar();
    initializeDocumentEditor();
    initializeUrlAttachmentsDockWidget();
    initializeRevisionHistoryDockWidget();
    initializeRevisionTextSecurityDescriptor();
    updateOptions();
    setSecurity(m_document.document_security_descriptor());
}

DocumentEditorView::~DocumentEditorView()
{
    // Hiding the docks while the bases tear the window down must not reach
    // this window's slots any more.
    disconnect(m_urlAttachmentsDockWidget->toggleViewAction(), nullptr, this, nullptr);
    disconnect(m_revisionHistoryDockWidget->toggleViewAction(), nullptr, this, nullptr);
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
    m_sessionDuration.reset();
}

const qorv::data::Document &DocumentEditorView::getDocument() const
{
    return m_document;
}

void DocumentEditorView::initializeWindow()
{
    setWindowCaption(QString::fromStdString(m_document.document_name()),
                     QString::fromStdString(MessageDispatcher::getServerName()), QString());
    setWindowIcon(utils::ActionIcon("document_text.png"));
    setCentralWidget(m_editor);
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
}

void DocumentEditorView::initializeFileMenu()
{
    AbstractTextEditorView::initializeFileMenu();
    connect(m_saveAction, &QAction::triggered, this, [this](bool checked) { saveDocument(checked ? 1 : 0); });
    connect(m_exportToTextFileAction, &QAction::triggered, this, &DocumentEditorView::exportDocumentToTextFile);
    connect(m_exportToPdfFileAction, &QAction::triggered, this, &DocumentEditorView::exportDocumentToPdfFile);
    connect(m_printAction, &QAction::triggered, this, &DocumentEditorView::printDocument);
    connect(m_printPreviewAction, &QAction::triggered, this, &DocumentEditorView::printPreviewDocument);
    connect(this, &DocumentEditorView::exportToTextFile, m_editor, &DocumentEditor::exportToTextFile);
    connect(this, &DocumentEditorView::exportToPdfFile, m_editor, &DocumentEditor::exportToPdfFile);
    connect(this, &DocumentEditorView::print, m_editor, &DocumentEditor::print);
    connect(this, &DocumentEditorView::printPreview, m_editor, &DocumentEditor::printPreview);
    connect(m_editor, &DocumentEditor::exportBytesToTextFile, this, &DocumentEditorView::exportBytesToTextFile);
    connect(m_editor, &DocumentEditor::exportBytesToPdfFile, this, &DocumentEditorView::exportBytesToPdfFile);
    connect(m_editor, &DocumentEditor::printBytes, this, &DocumentEditorView::printBytes);
}

void DocumentEditorView::initializeEditMenu()
{
    AbstractTextEditorView::initializeEditMenu();
    connect(m_cutAction, &QAction::triggered, this, &DocumentEditorView::cutDocumentToClipboard);
    connect(m_copyAction, &QAction::triggered, this, &DocumentEditorView::copyDocumentToClipboard);
    connect(m_pasteAction, &QAction::triggered, this, &DocumentEditorView::pasteDocumentFromClipboard);
    connect(this, &DocumentEditorView::cutToClipboard, m_editor, &DocumentEditor::cutToClipboard);
    connect(this, &DocumentEditorView::copyToClipboard, m_editor, &DocumentEditor::copyToClipboard);
    connect(this, &DocumentEditorView::pasteFromClipboard, m_editor, &DocumentEditor::pasteFromClipboard);
    connect(m_editor, &DocumentEditor::cutBytesToClipboard, this, &DocumentEditorView::cutBytesToClipboard);
    connect(m_editor, &DocumentEditor::copyBytesToClipboard, this, &DocumentEditorView::copyBytesToClipboard);
    connect(m_editor, &DocumentEditor::pasteBytesFromClipboard, this, &DocumentEditorView::pasteBytesFromClipboard);
}

void DocumentEditorView::initializeViewMenu()
{
    AbstractTextEditorView::initializeViewMenu();
    const struct
    {
        QAction *action;
        const char *statusTip;
    } toggles[] = {
        {m_standardToolBar->toggleViewAction(), "ViewStandardToolBarStatusTip"},
        {m_formattingToolBar->toggleViewAction(), "ViewFormattingToolBarStatusTip"},
        {m_iconToolBar->toggleViewAction(), "ViewIconToolBarStatusTip"},
        {m_urlAttachmentsDockWidget->toggleViewAction(), "ViewUrlAttachmentsDockWidgetStatusTip"},
        {m_revisionHistoryDockWidget->toggleViewAction(), "ViewRevisionHistoryDockWidgetStatusTip"},
    };
    for (const auto &toggle : toggles) {
        toggle.action->setStatusTip(tr(toggle.statusTip));
        m_viewMenu->addAction(toggle.action);
    }
}

void DocumentEditorView::initializeToolsMenu()
{
    AbstractTextEditorView::initializeToolsMenu();
    m_optionsAction->setMenuRole(QAction::PreferencesRole);
    m_toolsMenu->insertSeparator(m_optionsAction);
}

void DocumentEditorView::initializeDocumentEditor()
{
    m_editor->setDocument(m_mainTextDocument);
    const QString body = DecodeBody(m_document.document_body());
    m_mainWrapMode = SetHtmlInLinearTime(m_editor, body);
    m_editor->setFocus(Qt::OtherFocusReason);
    // Only now: loading the body is no edit.
    connect(m_mainTextDocument, &QTextDocument::modificationChanged, this, &DocumentEditorView::modificationChanged);
    m_editHistoryActions->setDocument(m_mainTextDocument);
}

void DocumentEditorView::initializeUrlAttachmentsDockWidget()
{
    m_urlAttachmentsDockWidget->setWindowTitle(
        QStringLiteral("%1 %2 %3")
            .arg(tr("UrlAttachments"), tr("for"), QString::fromStdString(m_document.document_name())));
    m_urlAttachmentsDockWidget->setAllowedAreas(Qt::BottomDockWidgetArea);
    m_urlAttachmentsDockWidget->setFeatures(QDockWidget::DockWidgetClosable);
    addDockWidget(Qt::BottomDockWidgetArea, m_urlAttachmentsDockWidget);
    connect(m_urlAttachmentsDockWidget->toggleViewAction(), &QAction::toggled, this,
            &DocumentEditorView::toggleUrlAttachments);
    connect(m_urlAttachmentsDockWidget, qOverload<Url>(&UrlDockWidget::loadUrl), this, &DocumentEditorView::loadUrl);
    connect(m_urlAttachmentsDockWidget, &UrlDockWidget::newUrl, this, &DocumentEditorView::newUrl);
    connect(m_urlAttachmentsDockWidget, qOverload<Url>(&UrlDockWidget::editUrl), this, &DocumentEditorView::editUrl);
    connect(m_urlAttachmentsDockWidget, qOverload<QListWidgetItem *>(&UrlDockWidget::removeUrl), this,
            &DocumentEditorView::removeUrl);
    connect(this, &DocumentEditorView::addUrl, m_urlAttachmentsDockWidget, qOverload<Url>(&UrlDockWidget::addUrl));
}

void DocumentEditorView::initializeRevisionHistoryDockWidget()
{
    m_revisionHistoryDockWidget->setWindowTitle(
        QStringLiteral("%1 %2 %3")
            .arg(tr("RevisionHistory"), tr("for"), QString::fromStdString(m_document.document_name())));
    m_revisionHistoryDockWidget->setWidget(m_revisionListWidget);
    m_revisionHistoryDockWidget->setFeatures(QDockWidget::DockWidgetClosable);
    connect(m_revisionHistoryDockWidget->toggleViewAction(), &QAction::toggled, this,
            &DocumentEditorView::toggleRevisionHistory);
    connect(m_revisionListWidget, &QListWidget::itemClicked, this, &DocumentEditorView::revisionClicked);
}

void DocumentEditorView::initializeRevisionTextSecurityDescriptor()
{
    // A revision can be read and copied, nothing else.
    m_revisionTextSecurityDescriptor.set_permissions((1u << DocumentKeyProxy::View)
                                                     | (1u << DocumentKeyProxy::CopyToClipboard));
}

bool DocumentEditorView::userOwnsDocument() const
{
    return RegistrySingleton::instance()->getUser().user_id() == m_document.document_user_id();
}

void DocumentEditorView::updateOptions()
{
    const QSettings &settings = *SettingsSingleton::instance();
    auto area = [&settings](const char *key, int fallback) { return settings.value(key, fallback).toInt(); };
    auto flag = [&settings](const char *key, bool fallback) { return settings.value(key, fallback).toBool(); };

    const struct
    {
        QToolBar *toolBar;
        int area;
        bool display;
        bool lineBreak;
    } toolBars[] = {
        {m_standardToolBar, area(options::StandardToolBarArea, options::StandardToolBarAreaDefault),
         flag(options::StandardToolBarDisplay, options::StandardToolBarDisplayDefault),
         flag(options::StandardToolBarBreak, options::StandardToolBarBreakDefault)},
        {m_formattingToolBar, area(options::FormattingToolBarArea, options::FormattingToolBarAreaDefault),
         flag(options::FormattingToolBarDisplay, options::FormattingToolBarDisplayDefault),
         flag(options::FormattingToolBarBreak, options::FormattingToolBarBreakDefault)},
        {m_iconToolBar, area(options::IconToolBarArea, options::IconToolBarAreaDefault),
         flag(options::IconToolBarDisplay, options::IconToolBarDisplayDefault),
         flag(options::IconToolBarBreak, options::IconToolBarBreakDefault)},
    };
    const int urlArea = area(options::UrlAttachmentsDockWidgetArea, options::UrlAttachmentsDockWidgetAreaDefault);
    const int revisionArea =
        area(options::RevisionHistoryDockWidgetArea, options::RevisionHistoryDockWidgetAreaDefault);

    for (const auto &toolBar : toolBars)
        removeToolBar(toolBar.toolBar);
    removeDockWidget(m_urlAttachmentsDockWidget);
    removeDockWidget(m_revisionHistoryDockWidget);

    for (const auto &toolBar : toolBars) {
        if (!ValidArea(toolBar.area))
            continue;
        addToolBar(static_cast<Qt::ToolBarArea>(toolBar.area), toolBar.toolBar);
        if (toolBar.lineBreak)
            addToolBarBreak(static_cast<Qt::ToolBarArea>(toolBar.area));
    }
    if (ValidArea(urlArea))
        addDockWidget(static_cast<Qt::DockWidgetArea>(urlArea), m_urlAttachmentsDockWidget);
    if (ValidArea(revisionArea))
        addDockWidget(static_cast<Qt::DockWidgetArea>(revisionArea), m_revisionHistoryDockWidget);

    for (const auto &toolBar : toolBars)
        toolBar.toolBar->setVisible(toolBar.display);
    m_urlAttachmentsDockWidget->setVisible(
        flag(options::UrlAttachmentsDockWidgetDisplay, options::UrlAttachmentsDockWidgetDisplayDefault));
    m_revisionHistoryDockWidget->hide();
}

void DocumentEditorView::setSecurity(const qorv::data::SecurityDescriptor &securityDescriptor)
{
    const Permissions permissions(securityDescriptor);
    const bool view = permissions.has(DocumentKeyProxy::View);
    const bool update = permissions.has(DocumentKeyProxy::Update);
    m_editor->setVisible(view);
    m_editor->setReadOnly(!(view && update));
    if (view && update)
        m_editor->setTextInteractionFlags(Qt::TextEditorInteraction);
    else if (view && permissions.has(DocumentKeyProxy::CopyToClipboard))
        m_editor->setTextInteractionFlags(Qt::TextSelectableByMouse);
    else
        m_editor->setTextInteractionFlags(Qt::NoTextInteraction);

    setToolBarsEnabled(false);
    enableToolBars(securityDescriptor);
    setDockWidgetsEnabled(false);
    enableDockWidgets(securityDescriptor);
    setActionsEnabled(false);
    enableActions(securityDescriptor);
    // Within what the key permits, Save, Undo and Redo wait for something to
    // save, undo or redo.
    m_editHistoryActions->setPermitted(view && update);
    m_sessionDuration->initializeStatus(static_cast<unsigned>(std::max(0, permissions.sessionDuration())));
}

void DocumentEditorView::enableToolBars(const qorv::data::SecurityDescriptor &securityDescriptor)
{
    const Permissions permissions(securityDescriptor);
    if (!permissions.has(DocumentKeyProxy::View))
        return;
    const QSettings &settings = *SettingsSingleton::instance();
    auto enable = [&settings](QToolBar *toolBar, const char *key, bool fallback) {
        toolBar->setEnabled(true);
        toolBar->setVisible(settings.value(key, fallback).toBool());
    };
    if (permissions.has(DocumentKeyProxy::Update)) {
        enable(m_standardToolBar, options::StandardToolBarDisplay, options::StandardToolBarDisplayDefault);
        enable(m_formattingToolBar, options::FormattingToolBarDisplay, options::FormattingToolBarDisplayDefault);
        enable(m_iconToolBar, options::IconToolBarDisplay, options::IconToolBarDisplayDefault);
    } else if (permissions.has(DocumentKeyProxy::CopyFromClipboard)
               || permissions.has(DocumentKeyProxy::CopyToClipboard) || permissions.has(DocumentKeyProxy::Print)) {
        enable(m_standardToolBar, options::StandardToolBarDisplay, options::StandardToolBarDisplayDefault);
    }
}

void DocumentEditorView::setDockWidgetsEnabled(bool enabled)
{
    m_urlAttachmentsDockWidget->setEnabled(enabled);
    m_revisionHistoryDockWidget->setEnabled(enabled);
}

void DocumentEditorView::enableDockWidgets(const qorv::data::SecurityDescriptor &securityDescriptor)
{
    const bool owner = userOwnsDocument();
    m_revisionHistoryDockWidget->setEnabled(owner);
    m_revisionHistoryDockWidget->toggleViewAction()->setEnabled(owner);
    m_urlAttachmentsDockWidget->setReadOnly(!owner);
    m_urlAttachmentsDockWidget->setAcceptDrops(owner);

    const bool view = Permissions(securityDescriptor).has(DocumentKeyProxy::View);
    m_urlAttachmentsDockWidget->setEnabled(view);
    m_urlAttachmentsDockWidget->toggleViewAction()->setEnabled(view);
    const QSettings &settings = *SettingsSingleton::instance();
    m_urlAttachmentsDockWidget->setVisible(
        view
        && settings.value(options::UrlAttachmentsDockWidgetDisplay, options::UrlAttachmentsDockWidgetDisplayDefault)
               .toBool());
}

void DocumentEditorView::enableActions(const qorv::data::SecurityDescriptor &securityDescriptor)
{
    const Permissions permissions(securityDescriptor);
    m_optionsAction->setEnabled(userOwnsDocument());
    if (!permissions.has(DocumentKeyProxy::View))
        return;
    const bool update = permissions.has(DocumentKeyProxy::Update);
    const bool copyTo = permissions.has(DocumentKeyProxy::CopyToClipboard);
    m_findAction->setEnabled(true);
    m_selectAllAction->setEnabled(copyTo);
    m_copyAction->setEnabled(copyTo);
    m_exportToTextFileAction->setEnabled(permissions.has(DocumentKeyProxy::ExportToTextFile));
    m_exportToPdfFileAction->setEnabled(permissions.has(DocumentKeyProxy::ExportToPdfFile));
    m_printAction->setEnabled(permissions.has(DocumentKeyProxy::Print));
    m_printPreviewAction->setEnabled(permissions.has(DocumentKeyProxy::Print));
    m_cutAction->setEnabled(update && copyTo);
    m_pasteAction->setEnabled(update && permissions.has(DocumentKeyProxy::CopyFromClipboard));
    if (!update)
        return;
    for (QAction *action : {m_saveAction,
                            m_undoAction,
                            m_redoAction,
                            m_replaceAction,
                            m_insertHorizontalRulerAction,
                            m_insertPictureAction,
                            m_insertTableAction,
                            m_insertTextListCircleAction,
                            m_insertTextListDiscAction,
                            m_insertTextListSquareAction,
                            m_insertTextListDecimalAction,
                            m_insertTextListUpperAlphaAction,
                            m_insertTextListLowerAlphaAction,
                            m_insertTextListUpperRomanAction,
                            m_insertTextListLowerRomanAction,
                            m_boldAction,
                            m_italicAction,
                            m_underlineAction,
                            m_alignLeftAction,
                            m_alignCenterAction,
                            m_alignRightAction,
                            m_alignJustifyAction,
                            m_noTextListAction,
                            m_textListCircleAction,
                            m_textListDiscAction,
                            m_textListSquareAction,
                            m_textListDecimalAction,
                            m_textListUpperAlphaAction,
                            m_textListLowerAlphaAction,
                            m_textListUpperRomanAction,
                            m_textListLowerRomanAction,
                            m_checkSpellingAction})
        action->setEnabled(true);
    m_fontNameComboBox->setEnabled(true);
    m_fontColorComboBox->setEnabled(true);
    m_fontSizeComboBox->setEnabled(true);
    m_iconToolBar->setSelectionEnabled(true);
    setIconMemoryToolButtonsEnabled(true);
}

void DocumentEditorView::modificationChanged(bool changed)
{
    setWindowCaption(QStringLiteral("%1%2").arg(QString::fromStdString(m_document.document_name()),
                                                changed ? QStringLiteral("*") : QString()),
                     QString::fromStdString(MessageDispatcher::getServerName()), QString());
}

void DocumentEditorView::saveDocument(common::Opcode minorOpcode)
{
    // Always the main text: a revision on show is never saved, and the close
    // prompt asks about the main text even then.
    if (!m_mainTextDocument->isModified())
        return;
    const QByteArray body = m_mainTextDocument->toHtml().toUtf8();
    const qsizetype excess = body.size() - BodyLimitBytes;
    if (excess > 0) {
        QMessageBox box;
        box.setText(tr("DocumentContainsExcessCharacters").arg(excess));
        box.exec();
        return;
    }
    // Only the id and the body: the server keeps every field that is not
    // set, so a rename, move or new description made elsewhere since this
    // window opened stays, and a key's descriptor never replaces the
    // document's own.
    qorv::data::UpdateDocumentRequest request;
    request.mutable_document()->set_document_id(m_document.document_id());
    request.mutable_document()->set_document_body(body.toStdString());
    m_pendingSave = Serialized(request);
    const std::string payload = m_pendingSave;
    emit deliverRequest(common::op::UpdateDocument, minorOpcode, payload);
}

bool DocumentEditorView::isOwnSave(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                   const std::string &request) const
{
    return majorOpcode == common::op::UpdateDocument
           && (minorOpcode == common::tag::Save || minorOpcode == common::tag::SaveAndClose
               || minorOpcode == common::tag::Plain)
           && !m_pendingSave.empty() && request == m_pendingSave;
}

void DocumentEditorView::processReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                      const std::string &request, const std::string &reply)
{
    if (!isOwnSave(majorOpcode, minorOpcode, request))
        return;
    m_pendingSave.clear();
    // A reply with the codes (0, 0) can still be the server's refusal: only
    // a return code says that the body was stored.
    qorv::data::UpdateDocumentReply updateDocumentReply;
    if (!updateDocumentReply.ParseFromString(reply) || updateDocumentReply.return_code() == 0) {
        reportUnsavedDocument();
        return;
    }
    setWindowCaption(QString::fromStdString(m_document.document_name()),
                     QString::fromStdString(MessageDispatcher::getServerName()), QString());
    m_mainTextDocument->setModified(false);
    if (minorOpcode == common::tag::SaveAndClose)
        close();
}

void DocumentEditorView::processError(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                      const std::string &request, common::Ercode, common::Ercode, const std::string &)
{
    if (!isOwnSave(majorOpcode, minorOpcode, request))
        return;
    m_pendingSave.clear();
    reportUnsavedDocument();
}

void DocumentEditorView::reportUnsavedDocument()
{
    // The edits stay; the user decides what to do with them.
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(), tr("DocumentNotSaved"),
                    QMessageBox::Ok, this);
    box.exec();
}

void DocumentEditorView::closeEvent(QCloseEvent *event)
{
    if (!m_mainTextDocument->isModified()) {
        event->accept();
        return;
    }
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(),
                    QStringLiteral("%1 %2%3").arg(tr("DoYouWantToSaveChangesYouMadeTo"),
                                                  QString::fromStdString(m_document.document_name()),
                                                  tr("QuestionMark")),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        saveDocument(common::tag::SaveAndClose);
        event->setAccepted(!m_mainTextDocument->isModified());
        break;
    case QMessageBox::Discard:
        event->accept();
        break;
    default:
        event->ignore();
        break;
    }
}

void DocumentEditorView::receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode, const std::string &event)
{
    if (majorEvcode == common::ev::EditorOptionsChanged) {
        if (userOwnsDocument())
            updateOptions();
    } else if (majorEvcode == common::ev::ClockTick) {
        m_sessionDuration->timeoutEventHandler(minorEvcode, event);
    }
}

void DocumentEditorView::options()
{
    DocumentEditorOptionsDialog dialog(nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (QMessageBox::question(this, windowTitle(), tr("ApplyUpdatedOptions?"), QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No)
        == QMessageBox::Yes)
        emit deliverRequest(common::op::EditorOptionsChanged, 1, std::string());
}

void DocumentEditorView::exportDocumentToTextFile()
{
    emit exportToTextFile(QString::fromStdString(m_document.document_name()));
}

void DocumentEditorView::exportDocumentToPdfFile()
{
    emit exportToPdfFile(QString::fromStdString(m_document.document_name()));
}

void DocumentEditorView::printDocument()
{
    emit print(QString::fromStdString(m_document.document_name()));
}

void DocumentEditorView::printPreviewDocument()
{
    emit printPreview(QString::fromStdString(m_document.document_name()));
}

void DocumentEditorView::cutDocumentToClipboard()
{
    emit cutToClipboard();
}

void DocumentEditorView::copyDocumentToClipboard()
{
    emit copyToClipboard();
}

void DocumentEditorView::pasteDocumentFromClipboard()
{
    emit pasteFromClipboard();
}

namespace
{
template <class Request>
std::string AuditPayload(const qorv::data::Document &document, uint bytes)
{
    Request request;
    *request.mutable_document() = document;
    request.set_size(static_cast<std::int32_t>(bytes));
    return Serialized(request);
}
}

void DocumentEditorView::exportBytesToTextFile(uint bytesOut)
{
    emit deliverRequest(common::op::LogEventExportDocumentToTextFile, 1,
                        AuditPayload<qorv::data::LogEventExportDocumentToTextFileRequest>(m_document, bytesOut));
}

void DocumentEditorView::exportBytesToPdfFile(uint bytesOut)
{
    emit deliverRequest(common::op::LogEventExportDocumentToPdfFile, 1,
                        AuditPayload<qorv::data::LogEventExportDocumentToPdfFileRequest>(m_document, bytesOut));
}

void DocumentEditorView::printBytes(uint bytesOut)
{
    emit deliverRequest(common::op::LogEventPrintDocument, 1,
                        AuditPayload<qorv::data::LogEventPrintDocumentRequest>(m_document, bytesOut));
}

void DocumentEditorView::cutBytesToClipboard(uint bytesOut)
{
    copyBytesToClipboard(bytesOut);
}

void DocumentEditorView::copyBytesToClipboard(uint bytesOut)
{
    emit deliverRequest(common::op::LogEventCopyDocumentToClipboard, 1,
                        AuditPayload<qorv::data::LogEventCopyDocumentToClipboardRequest>(m_document, bytesOut));
}

void DocumentEditorView::pasteBytesFromClipboard(uint bytesIn)
{
    emit deliverRequest(common::op::LogEventPasteDocumentFromClipboard, 1,
                        AuditPayload<qorv::data::LogEventPasteDocumentFromClipboardRequest>(m_document, bytesIn));
}

void DocumentEditorView::toggleRevisionHistory(bool checked)
{
    if (!checked) {
        m_editor->setDocument(m_mainTextDocument);
        m_editor->setWordWrapMode(m_mainWrapMode);
        setSecurity(m_document.document_security_descriptor());
        m_revisionListWidget->clear();
        m_revisionTextDocument->clear();
        return;
    }
    setSecurity(m_revisionTextSecurityDescriptor);
    m_editor->setDocument(m_revisionTextDocument);
    m_revisionHistoryDockWidget->activateWindow();
    m_revisionHistoryDockWidget->raise();

    qorv::data::SelectDocumentRequest request;
    request.set_document_id(m_document.document_id());
    request.mutable_sys_period()->set_from(RevisionsFrom);
    request.mutable_sys_period()->set_to(RevisionsTo);
    utils::WaitCursor waitCursor(true);
    qorv::data::SelectDocumentReply reply;
    if (network::DirectExchange(common::op::SelectDocument, common::tag::ListRevisions, request, reply,
                                network::ReplyErrorCodes::Ignored))
        selectDocumentRevisionsHandler(Serialized(reply));
}

void DocumentEditorView::selectDocumentRevisionsHandler(const std::string &reply)
{
    if (QApplication::activeWindow() != this)
        return;
    qorv::data::SelectDocumentReply selectDocumentReply;
    if (!selectDocumentReply.ParseFromString(reply))
        return;
    const QIcon icon = utils::ActionIcon("document_empty_clock_back.png");
    const QString revised = tr("revised");
    const ListFillGuard fill(m_revisionListWidget);
    for (const qorv::data::Document &revision : selectDocumentReply.document()) {
        const DbTimestamp from(revision.sys_period().from());
        if (!from.isValid())
            continue;
        auto *item =
            new QListWidgetItem(icon,
                                QStringLiteral("%1 %2 %3")
                                    .arg(QString::fromStdString(revision.document_name()), revised,
                                         QString::fromStdString(from.toLocalDbString(DbTimestamp::TimeZonePtr()))),
                                m_revisionListWidget);
        item->setData(Qt::UserRole, QString::fromStdString(revision.sys_period().from()));
    }
    if (m_revisionListWidget->count() > 0)
        m_revisionListWidget->scrollToTop();
}

void DocumentEditorView::revisionClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const std::string from = item->data(Qt::UserRole).toString().toStdString();
    qorv::data::SelectDocumentRequest request;
    request.set_document_id(m_document.document_id());
    request.mutable_sys_period()->set_from(from);
    request.mutable_sys_period()->set_to(from);
    qorv::data::SelectDocumentReply reply;
    if (network::DirectExchange(common::op::SelectDocument, common::tag::ShowRevision, request, reply,
                                network::ReplyErrorCodes::Ignored))
        displayDocumentRevisionHandler(Serialized(reply));
}

void DocumentEditorView::displayDocumentRevisionHandler(const std::string &reply)
{
    m_editor->document()->clear();
    qorv::data::SelectDocumentReply selectDocumentReply;
    if (selectDocumentReply.ParseFromString(reply) && selectDocumentReply.document_size() == 1) {
        const QString body = DecodeBody(selectDocumentReply.document(0).document_body());
        SetHtmlInLinearTime(m_editor, body);
    }
}

void DocumentEditorView::toggleUrlAttachments(bool checked)
{
    if (!checked)
        return;
    qorv::data::SelectDocumentWebpageRequest request;
    request.set_document_webpage_document_id(m_document.document_id());
    qorv::data::SelectDocumentWebpageReply reply;
    if (network::DirectExchange(common::op::SelectDocumentWebpage, request, reply, network::ReplyErrorCodes::Ignored))
        selectDocumentUrlsHandler(Serialized(reply));
}

void DocumentEditorView::selectDocumentUrlsHandler(const std::string &reply)
{
    qorv::data::SelectDocumentWebpageReply selectDocumentWebpageReply;
    if (!selectDocumentWebpageReply.ParseFromString(reply))
        return;
    const ListFillGuard fill(m_urlAttachmentsDockWidget->getListWidget());
    for (const qorv::data::DocumentWebpage &webpage : selectDocumentWebpageReply.document_webpage()) {
        Url url(QString::fromStdString(webpage.document_webpage_url()));
        if (!url.isSecure())
            continue;
        url.setDocumentId(webpage.document_webpage_document_id());
        url.setDescription(QString::fromStdString(webpage.document_webpage_description()));
        emit addUrl(url);
    }
}

void DocumentEditorView::loadUrl(Url url)
{
    if (url.isSecure())
        QDesktopServices::openUrl(url);
}

void DocumentEditorView::newUrl(Url url)
{
    if (!url.isSecure())
        return;
    qorv::data::InsertDocumentWebpageRequest request;
    qorv::data::DocumentWebpage *webpage = request.mutable_document_webpage();
    webpage->set_document_webpage_document_id(m_document.document_id());
    webpage->set_document_webpage_url(static_cast<std::string>(url));
    webpage->set_document_webpage_url_hash(UrlHash(url));
    webpage->set_document_webpage_description(url.getDescription().toStdString());
    webpage->set_document_webpage_properties(0);
    emit deliverRequest(common::op::InsertDocumentWebpage, 1, Serialized(request));
}

void DocumentEditorView::editUrl(Url url)
{
    if (url.isEmpty())
        return;
    qorv::data::UpdateDocumentWebpageRequest request;
    qorv::data::DocumentWebpage *webpage = request.mutable_document_webpage();
    webpage->set_document_webpage_document_id(m_document.document_id());
    webpage->set_document_webpage_url_hash(UrlHash(url));
    webpage->set_document_webpage_description(url.getDescription().toStdString());
    emit deliverRequest(common::op::UpdateDocumentWebpage, 1, Serialized(request));
}

void DocumentEditorView::removeUrl(QListWidgetItem *item)
{
    if (!item)
        return;
    const Url url(item->data(Qt::DisplayRole).toString());
    if (url.isEmpty())
        return;
    QMessageBox box(this);
    box.setText(tr("DeleteWebpageConfirmationWindowTitle"));
    box.setInformativeText(tr("DeleteWebpageConfirmation").arg(url.toDisplayString()));
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Ok)
        return;
    qorv::data::DeleteDocumentWebpageRequest request;
    request.set_document_webpage_document_id(m_document.document_id());
    request.set_document_webpage_user_id(RegistrySingleton::instance()->getUser().user_id());
    request.set_document_webpage_url_hash(UrlHash(url));
    emit deliverRequest(common::op::DeleteDocumentWebpage, 1, Serialized(request));
    delete item;
}
