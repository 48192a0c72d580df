#include "messagereplyrequest.h"

#include "messagechain.h"
#include "messagereader.h"
#include "messagewriter.h"

namespace
{
void AddRecipientRow(qorv::data::InsertMessageRequest &request, const qorv::data::User &user, int userId,
                     qorv::data::Message_ufield field, const std::string &now)
{
    qorv::data::Message *row = request.add_message_user();
    row->set_message_user_user_id(userId);
    row->set_message_user_field(field);
    row->set_message_user_properties(0);
    row->set_message_user_creation_date(now);
    row->set_message_user_message_folder_id(user.user_message_folder_id());
}
}

qorv::data::InsertMessageRequest MessageReplyRequest::make(const qorv::data::Message &answered,
                                                           qorv::data::Message_rfield relation,
                                                           const qorv::data::User &sessionUser,
                                                           const qorv::data::Users &others, const std::string &now)
{
    qorv::data::InsertMessageRequest request;
    qorv::data::Message *message = request.mutable_message();
    MessageWriter writer(*message, sessionUser);
    const MessageReader reader(answered);
    writer.setUserId(sessionUser.user_id());
    writer.setParentId(answered.message_id());
    writer.setParentRelation(relation);
    writer.setSubject(FormatMessageReplySubject(answered).toStdString());
    // The answer is kept where the user keeps the answered copy.
    message->set_message_folder_id(answered.message_user_message_folder_id());
    for (int bit = 0; bit <= 10; ++bit) {
        const auto permission = static_cast<MessageProxy::Permission>(bit);
        writer.setPermission(permission, reader.permission(permission));
    }

    const qorv::data::User &author = answered.message_sender();
    switch (relation) {
    case qorv::data::Message::PARENT_RELATION_REPLY:
        AddRecipientRow(request, author, answered.message_user_id(), qorv::data::Message::TO, now);
        break;
    case qorv::data::Message::PARENT_RELATION_REPLY_ALL:
        AddRecipientRow(request, author, author.user_id(), qorv::data::Message::TO, now);
        for (const qorv::data::User &user : others.user()) {
            if (user.user_id() != sessionUser.user_id())
                AddRecipientRow(request, user, user.user_id(), qorv::data::Message::CC, now);
        }
        break;
    default:
        break;
    }
    return request;
}
