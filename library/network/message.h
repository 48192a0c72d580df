#ifndef MESSAGE_H
#define MESSAGE_H

#include "messageatag.h"
#include "messagebody.h"
#include "messagechannel.h"
#include "messagecode.h"
#include "messageheader.h"
#include "messagehmac.h"
#include "messageivec.h"

#include <cstdint>
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
    // The most segment bytes a reply may announce. The largest replies are
    // selects of whole document records, revision lists included, each body
    // at most 1 MiB of HTML: 128 MiB holds over a hundred such bodies with
    // their records, far beyond what a window asks for at once, while a
    // lying header can cost the client no more than this for the ciphertext
    // and as much again for the opened payload.
    static constexpr std::uint32_t m_MaxFrameLength = 128u * 1024u * 1024u;

    Message(unsigned short port, const char *host);
    ~Message() override;

    // Seals the body into the code segment under key (sixteen zero bytes when
    // key is null). An empty body stays as it is and gives 1; otherwise the
    // result is the ciphertext length. Cipher failures throw.
    [[nodiscard]] int encrypt(const unsigned char *key);
    // The same for a payload that stays with its owner: it is sealed straight
    // into the code segment and the body stays empty.
    [[nodiscard]] int encrypt(const unsigned char *key, const std::string &payload);

    // Opens the code segment into the body. An empty code gives 1; a tag that
    // does not verify gives -1 and leaves the frame as it was; otherwise the
    // result is the plaintext length.
    [[nodiscard]] int decrypt(const unsigned char *key);

    // The whole frame in one gathered write: the bytes written, or -1.
    [[nodiscard]] ssize_t send();

    // The whole reply frame: 0, or -1 at the first part that did not arrive
    // or that the protocol does not allow. A header announcing more than
    // m_MaxFrameLength segment bytes is refused before any of them is read.
    [[nodiscard]] int receive();

    [[nodiscard]] ssize_t receiveHeader();
    // The HMAC is read past, not kept: nothing checks it.
    [[nodiscard]] ssize_t receiveHmac();
    [[nodiscard]] ssize_t receiveIvec();
    [[nodiscard]] ssize_t receiveAtag();
    [[nodiscard]] ssize_t receiveCode();
    [[nodiscard]] ssize_t receiveBody();

    // The 80 header bytes as they travel: twenty little-endian words.
    std::string encodeHeader() const;

    // Reads a received header: little-endian, unless its first word is not 1,
    // in which case the other nineteen words are byte-swapped. The request's
    // error words (1) read as success (0).
    void decodeHeader(const char *bytes);

private:
    // The segment lengths of a received header, checked against the limit.
    bool withinFrameLimit() const;
    int sealIntoCode(const std::string &payload, const unsigned char *key);
};

#endif // MESSAGE_H
