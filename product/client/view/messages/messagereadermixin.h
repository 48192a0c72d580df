#ifndef MESSAGEREADERMIXIN_H
#define MESSAGEREADERMIXIN_H

#include "messageviewer.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>

// The chain view of the windows that let text leave a message (the reader and
// the editor), with a row of four filters under it: copied to the clipboard,
// exported to a text file, exported to a PDF file, printed. All start off,
// and nothing in the view can be selected until the copy filter is on, so no
// text leaves a message whose author did not allow it.
//
// Like the view, the label and the boxes are made without a parent for the
// window to lay out; only those that no window adopted are deleted here.
class MessageReaderMixin : public MessageViewer
{
public:
    MessageReaderMixin();
    ~MessageReaderMixin() override;

protected:
    QPointer<QLabel> m_filterLabel;
    QPointer<QCheckBox> m_filterEditCopyCheckBox;
    QPointer<QCheckBox> m_filterExportToTextFileCheckBox;
    QPointer<QCheckBox> m_filterExportToPdfFileCheckBox;
    QPointer<QCheckBox> m_filterPrintCheckBox;
};

#endif // MESSAGEREADERMIXIN_H
