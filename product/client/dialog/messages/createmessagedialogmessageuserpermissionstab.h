#ifndef CREATEMESSAGEDIALOGMESSAGEUSERPERMISSIONSTAB_H
#define CREATEMESSAGEDIALOGMESSAGEUSERPERMISSIONSTAB_H

#include <QWidget>

class QCheckBox;

namespace qorv::data
{
class Message;
}

// Whether the recipients of a new message may reply, reply to all and
// forward it. Each box writes its permission bit straight into the message.
// A read-only message cannot be answered at all.
class CreateMessageDialogMessageUserPermissionsTab : public QWidget
{
    Q_OBJECT

public:
    // The message is the caller's and outlives the tab. Reply and reply to
    // all are allowed from the start.
    explicit CreateMessageDialogMessageUserPermissionsTab(qorv::data::Message *message, QWidget *parent = nullptr);

public slots:
    void permissionReplyStateChanged(int state);
    void permissionReplyToAllStateChanged(int state);
    void permissionForwardToOthersStateChanged(int state);
    // Read-only takes every answer away; leaving it gives reply and reply to
    // all back, never forwarding.
    void messageReadOnlyStateChanged(int state);

private:
    qorv::data::Message *m_message;
    QCheckBox *m_permissionReplyCheckBox;
    QCheckBox *m_permissionReplyToAllCheckBox;
    QCheckBox *m_permissionForwardToOthersCheckBox;
};

#endif // CREATEMESSAGEDIALOGMESSAGEUSERPERMISSIONSTAB_H
