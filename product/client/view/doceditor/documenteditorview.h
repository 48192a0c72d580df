#ifndef DOCUMENTEDITORVIEW_H
#define DOCUMENTEDITORVIEW_H

#include "common/opcode.h"
#include "documenteditor.h"
#include "texteditorview.h"
#include "url.h"

#include "document3.pb.h"
#include "securitydescriptor3.pb.h"

#include <QTextOption>

#include <memory>
#include <string>

class EditHistoryActions;
class QDockWidget;
class QListWidget;
class QListWidgetItem;
class SessionDuration;
class TextDocument;
class UrlDockWidget;

// The window in which the user reads or edits one document, under the rules
// of the security descriptor it was opened with (the document's own, or the
// key's), with the document's revision history and web addresses in docks.
class DocumentEditorView : public TextEditorView<DocumentEditor>
{
    Q_OBJECT

public:
    DocumentEditorView(const qorv::data::Document &document, QWidget *parent = nullptr);
    ~DocumentEditorView() override;

    const qorv::data::Document &getDocument() const;

    void setSecurity(const qorv::data::SecurityDescriptor &securityDescriptor);
    void updateOptions();

    void initializeFileMenu();
    void initializeViewMenu();
    void initializeToolsMenu();
    void initializeEditMenu() override;

    virtual void setDockWidgetsEnabled(bool enabled);

signals:
    void exportToTextFile(QString pathName);
    void exportToPdfFile(QString pathName);
    void print(QString fileName);
    void printPreview(QString fileName);
    void cutToClipboard();
    void copyToClipboard();
    void pasteFromClipboard();
    void addUrl(Url url);

public slots:
    void receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string()) override;
    void exportDocumentToTextFile();
    void exportDocumentToPdfFile();
    void printDocument();
    void printPreviewDocument();
    void cutDocumentToClipboard();
    void copyDocumentToClipboard();
    void pasteDocumentFromClipboard();
    void exportBytesToTextFile(uint bytesOut);
    void exportBytesToPdfFile(uint bytesOut);
    void printBytes(uint bytesOut);
    void cutBytesToClipboard(uint bytesOut);
    void copyBytesToClipboard(uint bytesOut);
    void pasteBytesFromClipboard(uint bytesIn);
    void modificationChanged(bool changed);
    void saveDocument(common::Opcode minorOpcode = 1);
    void toggleUrlAttachments(bool checked);
    void toggleRevisionHistory(bool checked);
    void revisionClicked(QListWidgetItem *item);
    void loadUrl(Url url);
    void newUrl(Url url);
    void editUrl(Url url);
    void removeUrl(QListWidgetItem *item);
    void options();

protected:
    void closeEvent(QCloseEvent *event) override;

protected slots:
    void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                      const std::string &reply) override;
    void processError(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                      common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply) override;

private:
    void initializeWindow();
    void initializeDocumentEditor();
    void initializeUrlAttachmentsDockWidget();
    void initializeRevisionHistoryDockWidget();
    void initializeRevisionTextSecurityDescriptor();

    void enableToolBars(const qorv::data::SecurityDescriptor &securityDescriptor);
    void enableDockWidgets(const qorv::data::SecurityDescriptor &securityDescriptor);
    void enableActions(const qorv::data::SecurityDescriptor &securityDescriptor);

    void selectDocumentRevisionsHandler(const std::string &reply);
    void displayDocumentRevisionHandler(const std::string &reply);
    void selectDocumentUrlsHandler(const std::string &reply);

    bool userOwnsDocument() const;
    bool isOwnSave(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request) const;
    void reportUnsavedDocument();

    const qorv::data::Document m_document;
    TextDocument *m_mainTextDocument;
    // The editor hands its wrap mode on to every text it is given, so the
    // main text's own mode comes back with the main text.
    QTextOption::WrapMode m_mainWrapMode = QTextOption::WrapAtWordBoundaryOrAnywhere;
    UrlDockWidget *m_urlAttachmentsDockWidget;
    QDockWidget *m_revisionHistoryDockWidget;
    QListWidget *m_revisionListWidget;
    std::unique_ptr<SessionDuration> m_sessionDuration;
    TextDocument *m_revisionTextDocument;
    qorv::data::SecurityDescriptor m_revisionTextSecurityDescriptor;
    QAction *m_optionsAction;
    EditHistoryActions *m_editHistoryActions;
    // The request of the save in flight: only its reply may mark the text
    // saved, not another window's rename or move of the same document.
    std::string m_pendingSave;
};

#endif // DOCUMENTEDITORVIEW_H
