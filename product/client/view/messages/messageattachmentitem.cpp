#include "messageattachmentitem.h"

#include "common/majorcode.h"
#include "directexchange.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "listfillguard.h"
#include "utils.h"

#include "selectmessagedocumentreply3.pb.h"
#include "selectmessagedocumentrequest3.pb.h"

#include <QIcon>

MessageAttachmentItem::MessageAttachmentItem(const qorv::data::Document &document, QListWidget *list)
    : QListWidgetItem(utils::ActionIcon("document_attachment.png"), QString::fromStdString(document.document_name()),
                      list, DocumentItemType)
{
    setData(DocumentRole, itemrecord::ToVariant(document));
}

qorv::data::Document MessageAttachmentItem::document(const QListWidgetItem *item)
{
    if (!item)
        return {};
    return itemrecord::Get<qorv::data::Document>(item, DocumentRole);
}

void MessageAttachmentItem::addAttachments(int messageId, QListWidget *list)
{
    qorv::data::SelectMessageDocumentRequest request;
    request.set_message_document_message_id(messageId);
    qorv::data::SelectMessageDocumentReply reply;
    if (!network::DirectExchange(common::op::SelectMessageDocument, request, reply, network::ReplyErrorCodes::Ignored))
        return;
    // A list kept sorted is sorted once, when every attachment is in.
    const ListFillGuard fill(list);
    for (const qorv::data::MessageDocument &attachment : reply.message_document())
        new MessageAttachmentItem(attachment.message_document_document(), list);
}
