#ifndef MESSAGE_H
#define MESSAGE_H

#include "messageatag.h"
#include "messagebody.h"
#include "messagechannel.h"
#include "messagecode.h"
#include "messageheader.h"
#include "messagehmac.h"
#include "messageivec.h"

#include <string>
#include <sys/types.h>

// One frame of the wire protocol, built for one exchange: it encrypts its
// payload, sends itself over its own connection, reads the reply into the
// same object and decrypts it.
class Message : public MessageHeader,
                public MessageHmac,
                public MessageIvec,
                public MessageAtag,
                public MessageCode,
                public MessageBody,
                public MessageChannel
{
public:
    Message(unsigned short port, const char *host);
    ~Message() override;

    // Seals the body into the code segment under key (sixteen zero bytes when
    // key is null). An empty body stays as it is and gives 1; otherwise the
    // result is the ciphertext length. Cipher failures throw.
    int encrypt(const unsigned char *key);

    // Opens the code segment into the body. An empty code gives 1; a tag that
    // does not verify gives -1 and leaves the frame as it was; otherwise the
    // result is the plaintext length.
    int decrypt(const unsigned char *key);

    // The whole frame in one gathered write: the bytes written, or -1.
    ssize_t send();

    // The whole reply frame: 0, or -1 at the first part that did not arrive
    // or that the protocol does not allow.
    int receive();

    ssize_t receiveHeader();
    ssize_t receiveHmac();
    ssize_t receiveIvec();
    ssize_t receiveAtag();
    ssize_t receiveCode();
    ssize_t receiveBody();

    // The 80 header bytes as they travel: twenty little-endian words.
    std::string encodeHeader() const;

    // Reads a received header: little-endian, unless its first word is not 1,
    // in which case the other nineteen words are byte-swapped. The request's
    // error words (1) read as success (0).
    void decodeHeader(const char *bytes);
};

#endif // MESSAGE_H
