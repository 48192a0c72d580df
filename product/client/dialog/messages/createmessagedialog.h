#ifndef CREATEMESSAGEDIALOG_H
#define CREATEMESSAGEDIALOG_H

#include <QDialog>

class CreateMessageDialogGeneralTab;
class CreateMessageDialogMessageContentPermissionsTab;
class CreateMessageDialogMessageUserPermissionsTab;
class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace qorv::data
{
class Message;
}

// Asks for the subject of a new message and for what its recipients may do
// with it. The tabs write into the caller's message as the user works; the
// caller stores the message when the dialog is accepted and drops it when
// not. OK is offered only while the subject holds more than blanks.
class CreateMessageDialog : public QDialog
{
    Q_OBJECT

public:
    // The message is the caller's and outlives the dialog.
    CreateMessageDialog(qorv::data::Message *message, QWidget *parent);
    ~CreateMessageDialog() override;

public slots:
    // Keeps the trimmed subject, unless nothing is left of it.
    void messageSubjectTextEdited(const QString &text);

private:
    qorv::data::Message *m_message;
    QTabWidget *m_tabWidget;
    QDialogButtonBox *m_buttonBox;
    CreateMessageDialogGeneralTab *m_generalTab;
    CreateMessageDialogMessageContentPermissionsTab *m_messageContentPermissionsTab;
    CreateMessageDialogMessageUserPermissionsTab *m_messageUserPermissionsTab;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};

#endif // CREATEMESSAGEDIALOG_H
