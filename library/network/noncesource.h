#ifndef NONCESOURCE_H
#define NONCESOURCE_H

#include <cstddef>

// Fresh random initialisation vectors for the frames sealed on the calling
// thread. They are drawn from the cryptographic random source a few hundred
// at a time, since one draw costs more than sealing a small payload does.
// Holding them in advance reveals nothing (an IV travels in the clear), and
// every byte is handed out once: a forked child drops what its parent drew.
class NonceSource
{
public:
    // Fills length bytes (at most m_MaxLength); false when the random source
    // failed, and then nothing may be sealed with them.
    [[nodiscard]] static bool fill(unsigned char *bytes, std::size_t length);

    // Drops what this thread has drawn; the next fill draws anew.
    static void discard();

    static constexpr std::size_t m_MaxLength = 64;
};

#endif // NONCESOURCE_H
