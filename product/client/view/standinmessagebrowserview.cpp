#include "standinmessagebrowserview.h"

StandInMessageBrowserView::StandInMessageBrowserView(QWidget *parent)
    : AbstractViewWindow(parent)
{
}

StandInMessageBrowserView::~StandInMessageBrowserView() = default;

void StandInMessageBrowserView::handleOpenMessage(const qorv::data::Message &message)
{
    m_openedMessages.push_back(message);
}

const std::vector<qorv::data::Message> &StandInMessageBrowserView::openedMessages() const
{
    return m_openedMessages;
}
