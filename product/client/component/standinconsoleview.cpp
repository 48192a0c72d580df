#include "standinconsoleview.h"

StandInConsoleView::StandInConsoleView(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("ConsoleView"));
    setWindowTitle(QStringLiteral("Quillane Client"));
    resize(800, 600);
}

void StandInConsoleView::receiveEvent(common::Evcode, common::Evcode, const std::string &)
{
}

void StandInConsoleView::receiveReply(common::Opcode, common::Opcode, const std::string &, common::Ercode,
                                      common::Ercode, const std::string &)
{
}

void StandInConsoleView::receiveRequest(common::Opcode, common::Opcode, const std::string &)
{
}
