#ifndef STANDINMESSAGEBROWSERVIEW_H
#define STANDINMESSAGEBROWSERVIEW_H

#include "abstractviewwindow.h"
#include "message3.pb.h"

#include <vector>

// Stands in for the message browser until it lands. It has the browser's
// interface towards its manager and keeps the received messages it was told
// were opened, in order, where the real browser would mark them read.
class StandInMessageBrowserView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit StandInMessageBrowserView(QWidget *parent = nullptr);
    ~StandInMessageBrowserView() override;

    void handleOpenMessage(const qorv::data::Message &message);
    const std::vector<qorv::data::Message> &openedMessages() const;

private:
    std::vector<qorv::data::Message> m_openedMessages;
};

#endif // STANDINMESSAGEBROWSERVIEW_H
