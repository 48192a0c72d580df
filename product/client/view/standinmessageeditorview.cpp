#include "standinmessageeditorview.h"

StandInMessageEditorView::StandInMessageEditorView(const qorv::data::Message &message, QWidget *parent)
    : AbstractViewWindow(parent)
    , m_message(message)
{
}

const qorv::data::Message &StandInMessageEditorView::getMessage() const
{
    return m_message;
}
