#ifndef STANDINMESSAGEEDITORVIEW_H
#define STANDINMESSAGEEDITORVIEW_H

#include "abstractviewwindow.h"
#include "message3.pb.h"

// Stands in for the editor of one of the user's own messages until it lands:
// a view window that holds the message it was opened with, by which its
// manager finds it again.
class StandInMessageEditorView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit StandInMessageEditorView(const qorv::data::Message &message, QWidget *parent = nullptr);

    const qorv::data::Message &getMessage() const;

private:
    const qorv::data::Message m_message;
};

#endif // STANDINMESSAGEEDITORVIEW_H
