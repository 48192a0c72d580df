#include "messagechain.h"

#include "common/majorcode.h"
#include "dbtimestamp.h"
#include "directexchange.h"
#include "messagereader.h"
#include "userreader.h"

#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"

#include <QStringList>

namespace
{
// A record's date in the machine's local time, with the fraction of a second
// when there is one; empty when the text is no date.
QString LocalDisplayDate(const std::string &text)
{
    return QString::fromStdString(DbTimestamp(text).toLocalDisplayString(DbTimestamp::TimeZonePtr()));
}

QString Escaped(const std::string &text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}
}

QString FormatMessageReplySubject(const qorv::data::Message &message)
{
    return QStringLiteral("RE: %1").arg(QString::fromStdString(message.message_subject()));
}

QString FormatUserNames(const qorv::data::Users &users)
{
    QStringList names;
    for (const qorv::data::User &user : users.user())
        names.append(QString::fromStdString(UserReader(user).displayNameAlphabetical()));
    return names.join(QStringLiteral("; "));
}

qorv::data::Users SelectMessageUsers(const qorv::data::Message &message, qorv::data::Message_ufield field)
{
    qorv::data::SelectMessageUserRequest request;
    request.set_message_user_message_id(message.message_id());
    request.set_message_user_field(field);
    qorv::data::SelectMessageUserReply reply;
    qorv::data::Users users;
    if (!network::DirectExchange(common::op::SelectMessageUser, request, reply, network::ReplyErrorCodes::Ignored))
        return users;
    for (const qorv::data::Message &row : reply.message())
        *users.add_user() = row.message_recipient();
    return users;
}

QString FormatMessageReplyContent(const qorv::data::Message &message)
{
    const QString from = Escaped(MessageReader(message).senderDisplayNameAlphabetical());
    const QString created = LocalDisplayDate(message.message_creation_date());
    const QString modified = LocalDisplayDate(message.message_modification_date());
    const QString subject = Escaped(message.message_subject());
    const QString to = FormatUserNames(SelectMessageUsers(message, qorv::data::Message::TO)).toHtmlEscaped();
    const qorv::data::Users ccUsers = SelectMessageUsers(message, qorv::data::Message::CC);
    const QString body = QString::fromStdString(message.message_body());
    // One pass over the template: a "%1" typed into a subject stays text.
    if (ccUsers.user_size() > 0) {
        const QString cc = FormatUserNames(ccUsers).toHtmlEscaped();
        return QStringLiteral("<b>From</b>: %1<br><b>Created</b>: %2<br><b>Modified</b>: %3<br>"
                              "<b>Subject</b>: %4<br><b>To</b>: %5<br><b>Cc</b>: %6<br>%7")
            .arg(from, created, modified, subject, to, cc, body);
    }
    return QStringLiteral("<b>From</b>: %1<br><b>Created</b>: %2<br><b>Modified</b>: %3<br>"
                          "<b>Subject</b>: %4<br><b>To</b>: %5<br>%6")
        .arg(from, created, modified, subject, to, body);
}

qorv::data::Users SelectNonMessageUsers(const qorv::data::Message &message)
{
    qorv::data::SelectUserRequest request;
    for (const qorv::data::Message_ufield field : {qorv::data::Message::TO, qorv::data::Message::CC}) {
        const qorv::data::Users recipients = SelectMessageUsers(message, field);
        for (const qorv::data::User &user : recipients.user())
            request.add_exclude_user_id(user.user_id());
    }
    qorv::data::SelectUserReply reply;
    qorv::data::Users users;
    if (!network::DirectExchange(common::op::SelectUser, request, reply, network::ReplyErrorCodes::Ignored))
        return users;
    for (const qorv::data::User &user : reply.user())
        *users.add_user() = user;
    return users;
}

namespace qorv::data
{
bool operator<(const User &left, const User &right)
{
    return left.user_id() < right.user_id();
}
}
