#ifndef TESTREPLIES_H
#define TESTREPLIES_H

#include "testreply.h"

#include <cstdint>

namespace testsupport
{
// The replies that the server-side stand-ins of the tests give, built the way
// the server builds them.

// A reply message as the payload of the answer.
template <class Message>
TestReply Answer(const Message &reply)
{
    TestReply answer;
    answer.payload = reply.SerializeAsString();
    return answer;
}

// A change refused with the given SQL code and a return code of 0.
template <class Reply>
TestReply Refusal(std::int32_t sqlc)
{
    Reply reply;
    reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    return Answer(reply);
}

// A change carried out: a non-zero return code, as the server answers.
template <class Reply>
TestReply Done(Reply reply = Reply())
{
    reply.set_return_code(1);
    return Answer(reply);
}
}

#endif // TESTREPLIES_H
