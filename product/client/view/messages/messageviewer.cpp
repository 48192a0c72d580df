#include "messageviewer.h"

#include "common/majorcode.h"
#include "directexchange.h"
#include "messagechain.h"
#include "messagereader.h"
#include "waitcursor.h"

#include "message3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"

#include <QStringList>

namespace
{
const QString Rule = QStringLiteral("<hr>");
}

MessageViewer::MessageViewer()
    : m_textReader(new TextReader)
{
}

MessageViewer::~MessageViewer()
{
    deleteUnadopted(m_textReader);
}

bool MessageViewer::canDisplayMessage(const qorv::data::Message &message, bool filterEditCopy,
                                      bool filterExportToTextFile, bool filterExportToPdfFile, bool filterPrint)
{
    const MessageReader reader(message);
    return reader.permission(MessageReader::View)
           && (!filterEditCopy || reader.permission(MessageReader::CopyToClipboard))
           && (!filterExportToTextFile || reader.permission(MessageReader::ExportToTextFile))
           && (!filterExportToPdfFile || reader.permission(MessageReader::ExportToPdfFile))
           && (!filterPrint || reader.permission(MessageReader::Print));
}

std::pair<QString, QString> MessageViewer::getMessageChain(const qorv::data::Message &message, bool filterEditCopy,
                                                           bool filterExportToTextFile, bool filterExportToPdfFile,
                                                           bool filterPrint)
{
    const auto displayable = [&](const qorv::data::Message &candidate) {
        return canDisplayMessage(candidate, filterEditCopy, filterExportToTextFile, filterExportToPdfFile, filterPrint);
    };
    const QString own = displayable(message) ? FormatMessageReplyContent(message) : QString();

    // Which messages make up the chain above a parent, and in which order, is
    // the server's matter; a message without a parent names the root.
    qorv::data::SelectMessageRequest request;
    request.set_message_chain_id(message.message_parent_id());
    qorv::data::SelectMessageReply reply;
    QStringList parentBlocks;
    if (network::DirectExchange(common::op::SelectMessage, request, reply, network::ReplyErrorCodes::Ignored)) {
        for (const qorv::data::Message &parent : reply.message()) {
            if (displayable(parent))
                parentBlocks.append(FormatMessageReplyContent(parent));
        }
    }
    const QString parents = parentBlocks.join(Rule);

    // The texts stay as they are: a charset that a body declares names the
    // bytes that body was stored in, not the chain built from it here.
    if (own.isEmpty())
        return {parents, parents};
    if (parents.isEmpty())
        return {own, parents};
    return {own + Rule + parents, parents};
}

void MessageViewer::displayMessageChain(const qorv::data::Message &message, bool filterEditCopy,
                                        bool filterExportToTextFile, bool filterExportToPdfFile, bool filterPrint)
{
    if (!m_textReader)
        return;
    utils::WaitCursor waitCursor(true);
    const std::pair<QString, QString> chain =
        getMessageChain(message, filterEditCopy, filterExportToTextFile, filterExportToPdfFile, filterPrint);
    m_textReader->clear();
    m_textReader->setHtml(chain.first);
}
