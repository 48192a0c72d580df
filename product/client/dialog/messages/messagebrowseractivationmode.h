#ifndef MESSAGEBROWSERACTIVATIONMODE_H
#define MESSAGEBROWSERACTIVATIONMODE_H

namespace messagebrowser
{
// What the message browser lists when its "Messages" item is selected, as
// stored under "MessageBrowser/Options/ActivationMode". The browser treats
// every other stored value as ShowAllMessages.
enum ActivationMode
{
    ShowAllMessages = 0,
    ShowMessagesNotAssignedToFolders = 1
};
}

#endif // MESSAGEBROWSERACTIVATIONMODE_H
