#ifndef STANDINMESSAGEREADERVIEW_H
#define STANDINMESSAGEREADERVIEW_H

#include "abstractviewwindow.h"
#include "message3.pb.h"

// Stands in for the reader of one received message until it lands: a view
// window that holds the message it was opened with, by which its manager finds
// it again.
class StandInMessageReaderView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit StandInMessageReaderView(const qorv::data::Message &message, QWidget *parent = nullptr);

    const qorv::data::Message &getMessage() const;

private:
    const qorv::data::Message m_message;
};

#endif // STANDINMESSAGEREADERVIEW_H
