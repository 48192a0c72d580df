#ifndef SECRETTEXT_H
#define SECRETTEXT_H

#include <string>

// A text that holds key material: a session key or its hexadecimal form, a
// password or user-name hash, an authorization code. Its bytes are
// overwritten with OPENSSL_cleanse, which the compiler cannot drop as a dead
// store, before the text is replaced, moved from or destroyed. It cannot be
// copied, so no forgotten copy outlives it.
class SecretText
{
public:
    SecretText() = default;
    explicit SecretText(std::string text);
    ~SecretText();

    SecretText(SecretText &&other) noexcept;
    SecretText &operator=(SecretText &&other) noexcept;
    SecretText(const SecretText &) = delete;
    SecretText &operator=(const SecretText &) = delete;

    // Wipes the text held so far, then takes the new one.
    void assign(std::string text);
    // Wipes the text and leaves it empty.
    void wipe();

    const std::string &get() const;
    bool empty() const;

    // For key material that has to live in a plain string (a table entry, a
    // protobuf field): overwrites its bytes and empties it.
    static void Wipe(std::string &text);

private:
    std::string m_text;
};

#endif // SECRETTEXT_H
