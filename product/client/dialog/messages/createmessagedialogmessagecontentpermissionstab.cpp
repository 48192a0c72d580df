#include "createmessagedialogmessagecontentpermissionstab.h"

#include "messagepermissionform.h"

#include <QCheckBox>
#include <QFormLayout>

using messagepermissionform::Set;
using messagepermissionform::Write;

CreateMessageDialogMessageContentPermissionsTab::CreateMessageDialogMessageContentPermissionsTab(
    qorv::data::Message *message, QWidget *parent)
    : QWidget(parent)
    , m_message(message)
    , m_permissionViewMessageContentsCheckBox(new QCheckBox)
    , m_permissionCopyMessageContentsToClipboardCheckBox(new QCheckBox)
    , m_permissionExportMessageContentsToTextFileCheckBox(new QCheckBox)
    , m_permissionExportMessageContentsToPdfFileCheckBox(new QCheckBox)
    , m_permissionPrintMessageContentsCheckBox(new QCheckBox)
    , m_permissionSearchMessageContentsCheckBox(new QCheckBox)
{
    QFormLayout *layout = messagepermissionform::Create(this);
    layout->addRow(tr("PermissionViewMessageContents"), m_permissionViewMessageContentsCheckBox);
    layout->addRow(tr("PermissionCopyMessageContentsToClipboard"), m_permissionCopyMessageContentsToClipboardCheckBox);
    layout->addRow(tr("PermissionExportMessageContentsToTextFile"),
                   m_permissionExportMessageContentsToTextFileCheckBox);
    layout->addRow(tr("PermissionExportMessageContentsToPdfFile"), m_permissionExportMessageContentsToPdfFileCheckBox);
    layout->addRow(tr("PermissionPrintMessageContents"), m_permissionPrintMessageContentsCheckBox);
    layout->addRow(tr("PermissionSearchMessageContents"), m_permissionSearchMessageContentsCheckBox);

    // The defaults are written before the boxes report anything.
    Set(m_message, m_permissionViewMessageContentsCheckBox, MessageProxy::View, true);
    Set(m_message, m_permissionSearchMessageContentsCheckBox, MessageProxy::Search, true);

    using Tab = CreateMessageDialogMessageContentPermissionsTab;
    connect(m_permissionViewMessageContentsCheckBox, &QCheckBox::stateChanged, this,
            &Tab::permissionViewMessageContentsStateChanged);
    connect(m_permissionCopyMessageContentsToClipboardCheckBox, &QCheckBox::stateChanged, this,
            &Tab::permissionCopyMessageContentsToClipboardStateChanged);
    connect(m_permissionExportMessageContentsToTextFileCheckBox, &QCheckBox::stateChanged, this,
            &Tab::permissionExportMessageContentsToTextFileStateChanged);
    connect(m_permissionExportMessageContentsToPdfFileCheckBox, &QCheckBox::stateChanged, this,
            &Tab::permissionExportMessageContentsToPdfFileStateChanged);
    connect(m_permissionPrintMessageContentsCheckBox, &QCheckBox::stateChanged, this,
            &Tab::permissionPrintMessageContentsStateChanged);
    connect(m_permissionSearchMessageContentsCheckBox, &QCheckBox::stateChanged, this,
            &Tab::permissionSearchMessageContentsStateChanged);
}

void CreateMessageDialogMessageContentPermissionsTab::permissionViewMessageContentsStateChanged(int state)
{
    Write(m_message, MessageProxy::View, state);
}

void CreateMessageDialogMessageContentPermissionsTab::permissionCopyMessageContentsToClipboardStateChanged(int state)
{
    Write(m_message, MessageProxy::CopyToClipboard, state);
}

void CreateMessageDialogMessageContentPermissionsTab::permissionExportMessageContentsToTextFileStateChanged(int state)
{
    Write(m_message, MessageProxy::ExportToTextFile, state);
}

void CreateMessageDialogMessageContentPermissionsTab::permissionExportMessageContentsToPdfFileStateChanged(int state)
{
    Write(m_message, MessageProxy::ExportToPdfFile, state);
}

void CreateMessageDialogMessageContentPermissionsTab::permissionPrintMessageContentsStateChanged(int state)
{
    Write(m_message, MessageProxy::Print, state);
}

void CreateMessageDialogMessageContentPermissionsTab::permissionSearchMessageContentsStateChanged(int state)
{
    Write(m_message, MessageProxy::Search, state);
}

void CreateMessageDialogMessageContentPermissionsTab::messageReadOnlyStateChanged(int state)
{
    Set(m_message, m_permissionViewMessageContentsCheckBox, MessageProxy::View, true);
    Set(m_message, m_permissionCopyMessageContentsToClipboardCheckBox, MessageProxy::CopyToClipboard, false);
    Set(m_message, m_permissionExportMessageContentsToTextFileCheckBox, MessageProxy::ExportToTextFile, false);
    Set(m_message, m_permissionExportMessageContentsToPdfFileCheckBox, MessageProxy::ExportToPdfFile, false);
    Set(m_message, m_permissionPrintMessageContentsCheckBox, MessageProxy::Print, false);
    Set(m_message, m_permissionSearchMessageContentsCheckBox, MessageProxy::Search, false);
    const bool editable = state != Qt::Checked;
    for (QCheckBox *checkBox :
         {m_permissionViewMessageContentsCheckBox, m_permissionCopyMessageContentsToClipboardCheckBox,
          m_permissionExportMessageContentsToTextFileCheckBox, m_permissionExportMessageContentsToPdfFileCheckBox,
          m_permissionPrintMessageContentsCheckBox, m_permissionSearchMessageContentsCheckBox})
        checkBox->setEnabled(editable);
}
