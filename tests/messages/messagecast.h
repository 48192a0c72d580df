#ifndef MESSAGECAST_H
#define MESSAGECAST_H

#include "messagestore.h"

namespace messagestest::cast
{
// The people and folder the message window tests write with, so that one
// test's Bob is every test's Bob; Ann is the logged-on user. A test takes them
// all with "using namespace messagestest::cast".
constexpr int Ann = MessageStore::SessionUserId;
constexpr int Root = MessageStore::RootFolderId;
constexpr int Bob = 7;
constexpr int Cy = 8;
constexpr int Dan = 9;
constexpr int Eve = 10;

// Every permission a message can grant.
constexpr unsigned int AllPermissions = 0x7FF;
}

#endif // MESSAGECAST_H
