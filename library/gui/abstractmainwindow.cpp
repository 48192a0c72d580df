#include "abstractmainwindow.h"

AbstractMainWindow::AbstractMainWindow(QWidget *parent)
    : QMainWindow(parent)
{
}

void AbstractMainWindow::receiveRequest(common::Opcode, common::Opcode, const std::string &)
{
}

void AbstractMainWindow::receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                      const std::string &request, common::Ercode majorErcode,
                                      common::Ercode minorErcode, const std::string &reply)
{
    if (majorErcode == 0 && minorErcode == 0)
        processReply(majorOpcode, minorOpcode, request, reply);
    else
        processError(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
}

void AbstractMainWindow::receiveEvent(common::Evcode, common::Evcode, const std::string &)
{
}

void AbstractMainWindow::processReply(common::Opcode, common::Opcode, const std::string &, const std::string &)
{
}

void AbstractMainWindow::processError(common::Opcode, common::Opcode, const std::string &, common::Ercode,
                                      common::Ercode, const std::string &)
{
}
