#ifndef MESSAGEREADERVIEW_H
#define MESSAGEREADERVIEW_H

#include "abstractviewwindow.h"
#include "messagereadermixin.h"

#include "message3.pb.h"

#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolBar;

namespace qorv::data
{
class Document;
}

// The window of one message the user received: the message with its reply
// chain under the four filters, who sent it and to whom, its subject and the
// attached documents, which open through the user's own document keys. The
// user answers it by reply, reply to all or forward, each as far as the
// author allows; the answer becomes a new message of the user's own, which
// opens in the editor, and the reader then closes.
//
// Nothing leaves the window (copy, export, print) before the chain has been
// narrowed by the matching filter to the messages whose authors allow it.
class MessageReaderView : public AbstractViewWindow, public MessageReaderMixin
{
    Q_OBJECT

public:
    MessageReaderView(const qorv::data::Message &message, QWidget *parent);
    ~MessageReaderView() override;

    const qorv::data::Message &getMessage() const;

signals:
    void exportToTextFile(const QString &pathName);
    void exportToPdfFile(const QString &pathName);
    void print(const QString &fileName);
    void printPreview(const QString &fileName);
    void copyToClipboard();

public slots:
    void messageReaderContextMenuEvent(const QPoint &point);
    void exportMessageToTextFile();
    void exportMessageToPdfFile();
    void printMessage();
    void printPreviewMessage();
    void copyMessageToClipboard();
    void exportBytesToTextFile(uint bytesOut);
    void exportBytesToPdfFile(uint bytesOut);
    void printBytes(uint bytesOut);
    void copyBytesToClipboard(uint bytesOut);
    void replyTo();
    void replyToAll();
    void forwardTo();
    void filterStateChanged(int state);
    void filterEditCopyStateChanged(int state);
    void filterExportToTextFileStateChanged(int state);
    void filterExportToPdfFileStateChanged(int state);
    void filterPrintStateChanged(int state);
    void documentItemDoubleClicked(QListWidgetItem *item);

protected slots:
    void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), const std::string &reply = std::string()) override;
    void processError(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                      common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply) override;

private:
    void initializeWindow();
    void initializeAddresseeToolBar();
    void answer(qorv::data::Message_rfield relation);
    void handleInsertMessage(const std::string &request, const std::string &reply);
    void openDocument(const qorv::data::Document &document);

    qorv::data::Message m_message;
    // The answer on its way to the server, and whether its editor opened.
    std::string m_pendingInsert;
    bool m_answerOpened = false;

    QAction *m_closeAction;
    QAction *m_exportToTextFileAction;
    QAction *m_exportToPdfFileAction;
    QAction *m_printAction;
    QAction *m_printPreviewAction;
    QAction *m_copyAction;
    QAction *m_selectAllAction;
    QAction *m_findAction;
    QAction *m_aboutAction;

    QToolBar *m_addresseeToolBar;
    QPushButton *m_replyButton;
    QLineEdit *m_fromLineEdit;
    QPushButton *m_replyAllButton;
    QLineEdit *m_toLineEdit;
    QPushButton *m_forwardButton;
    QLabel *m_subjectLabel;
    QLineEdit *m_subjectLineEdit;
    QListWidget *m_attachmentList;
};

#endif // MESSAGEREADERVIEW_H
