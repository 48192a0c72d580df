#include "standinmessagereaderview.h"

StandInMessageReaderView::StandInMessageReaderView(const qorv::data::Message &message, QWidget *parent)
    : AbstractViewWindow(parent)
    , m_message(message)
{
}

const qorv::data::Message &StandInMessageReaderView::getMessage() const
{
    return m_message;
}
