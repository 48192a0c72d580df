#ifndef MESSAGEPROXY_H
#define MESSAGEPROXY_H

#include "proxy.h"

// The bits of a message.
class MessageProxy : public Proxy
{
public:
    // The descriptor's permissions word. Bits 1 and 2 are reserved; reply and
    // forward copy them with the rest.
    enum Permission : unsigned int
    {
        View = 0,
        CopyToClipboard = 3,
        ExportToTextFile = 4,
        ExportToPdfFile = 5,
        Print = 6,
        Search = 7,
        Reply = 8,
        ReplyAll = 9,
        Forward = 10
    };

    // message_body_format.
    enum TextFormat
    {
        HtmlFormat = 0 // the rich-text editor's HTML
    };

    ~MessageProxy() override;
};

#endif // MESSAGEPROXY_H
