#ifndef CREATEMESSAGEDIALOGMESSAGECONTENTPERMISSIONSTAB_H
#define CREATEMESSAGEDIALOGMESSAGECONTENTPERMISSIONSTAB_H

#include <QWidget>

class QCheckBox;

namespace qorv::data
{
class Message;
}

// What the recipients of a new message may do with its contents: view, copy
// to the clipboard, export to a text or PDF file, print, search. Each box
// writes its permission bit straight into the message. A read-only message
// may be viewed and nothing else.
class CreateMessageDialogMessageContentPermissionsTab : public QWidget
{
    Q_OBJECT

public:
    // The message is the caller's and outlives the tab. Viewing and searching
    // are allowed from the start.
    explicit CreateMessageDialogMessageContentPermissionsTab(qorv::data::Message *message, QWidget *parent = nullptr);

public slots:
    void permissionViewMessageContentsStateChanged(int state);
    void permissionCopyMessageContentsToClipboardStateChanged(int state);
    void permissionExportMessageContentsToTextFileStateChanged(int state);
    void permissionExportMessageContentsToPdfFileStateChanged(int state);
    void permissionPrintMessageContentsStateChanged(int state);
    void permissionSearchMessageContentsStateChanged(int state);
    // Either way the contents become view only; while read-only the boxes
    // cannot be changed.
    void messageReadOnlyStateChanged(int state);

private:
    qorv::data::Message *m_message;
    QCheckBox *m_permissionViewMessageContentsCheckBox;
    QCheckBox *m_permissionCopyMessageContentsToClipboardCheckBox;
    QCheckBox *m_permissionExportMessageContentsToTextFileCheckBox;
    QCheckBox *m_permissionExportMessageContentsToPdfFileCheckBox;
    QCheckBox *m_permissionPrintMessageContentsCheckBox;
    QCheckBox *m_permissionSearchMessageContentsCheckBox;
};

#endif // CREATEMESSAGEDIALOGMESSAGECONTENTPERMISSIONSTAB_H
