#include "createmessagedialogmessageuserpermissionstab.h"

#include "messagepermissionform.h"

#include <QCheckBox>
#include <QFormLayout>

using messagepermissionform::Set;
using messagepermissionform::Write;

CreateMessageDialogMessageUserPermissionsTab::CreateMessageDialogMessageUserPermissionsTab(qorv::data::Message *message,
                                                                                           QWidget *parent)
    : QWidget(parent)
    , m_message(message)
    , m_permissionReplyCheckBox(new QCheckBox)
    , m_permissionReplyToAllCheckBox(new QCheckBox)
    , m_permissionForwardToOthersCheckBox(new QCheckBox)
{
    QFormLayout *layout = messagepermissionform::Create(this);
    layout->addRow(tr("PermissionReply"), m_permissionReplyCheckBox);
    layout->addRow(tr("PermissionReplyAll"), m_permissionReplyToAllCheckBox);
    layout->addRow(tr("PermissionForward"), m_permissionForwardToOthersCheckBox);

    // The defaults are written before the boxes report anything.
    Set(m_message, m_permissionReplyCheckBox, MessageProxy::Reply, true);
    Set(m_message, m_permissionReplyToAllCheckBox, MessageProxy::ReplyAll, true);

    using Tab = CreateMessageDialogMessageUserPermissionsTab;
    connect(m_permissionReplyCheckBox, &QCheckBox::stateChanged, this, &Tab::permissionReplyStateChanged);
    connect(m_permissionReplyToAllCheckBox, &QCheckBox::stateChanged, this, &Tab::permissionReplyToAllStateChanged);
    connect(m_permissionForwardToOthersCheckBox, &QCheckBox::stateChanged, this,
            &Tab::permissionForwardToOthersStateChanged);
}

void CreateMessageDialogMessageUserPermissionsTab::permissionReplyStateChanged(int state)
{
    Write(m_message, MessageProxy::Reply, state);
}

void CreateMessageDialogMessageUserPermissionsTab::permissionReplyToAllStateChanged(int state)
{
    Write(m_message, MessageProxy::ReplyAll, state);
}

void CreateMessageDialogMessageUserPermissionsTab::permissionForwardToOthersStateChanged(int state)
{
    Write(m_message, MessageProxy::Forward, state);
}

void CreateMessageDialogMessageUserPermissionsTab::messageReadOnlyStateChanged(int state)
{
    const bool readOnly = state == Qt::Checked;
    Set(m_message, m_permissionReplyCheckBox, MessageProxy::Reply, !readOnly);
    Set(m_message, m_permissionReplyToAllCheckBox, MessageProxy::ReplyAll, !readOnly);
    Set(m_message, m_permissionForwardToOthersCheckBox, MessageProxy::Forward, false);
    for (QCheckBox *checkBox :
         {m_permissionReplyCheckBox, m_permissionReplyToAllCheckBox, m_permissionForwardToOthersCheckBox})
        checkBox->setEnabled(!readOnly);
}
