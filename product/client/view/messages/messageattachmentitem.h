#ifndef MESSAGEATTACHMENTITEM_H
#define MESSAGEATTACHMENTITEM_H

#include "document3.pb.h"

#include <QListWidgetItem>

// A document attached to a message, as the message windows list it: the
// document's name with the attachment icon, and the whole document record in
// the item's data, from which the windows open it or detach it.
class MessageAttachmentItem : public QListWidgetItem
{
public:
    MessageAttachmentItem(const qorv::data::Document &document, QListWidget *list);

    // The document of an attachment item; an empty document for any other item
    // or none.
    static qorv::data::Document document(const QListWidgetItem *item);

    // Lists the documents that the server keeps attached to the message; a
    // failed exchange lists none.
    static void addAttachments(int messageId, QListWidget *list);
};

#endif // MESSAGEATTACHMENTITEM_H
