#ifndef KEYRULES_H
#define KEYRULES_H

#include "securitydescriptor3.pb.h"

#include <cstdint>
#include <string>

namespace qorv::data
{
class DocumentKey;
class FolderKey;
}

namespace testsupport
{
// The security descriptor of a test key, starting from one that may be used
// at any time: switched on in every month and on every weekday, no daily
// hours, permission to view, never expires, no passcode.
class KeyRules
{
public:
    KeyRules();

    KeyRules &active(std::uint32_t active);
    KeyRules &hours(const std::string &region, const std::string &from, const std::string &to);
    KeyRules &expiration(const std::string &expirationDate);
    KeyRules &permissions(std::uint32_t permissions);
    KeyRules &passcode(const std::string &storedPasscode);

    const qorv::data::SecurityDescriptor &descriptor() const;

private:
    qorv::data::SecurityDescriptor m_descriptor;
};

// Keys with full names, a target and the given descriptor.
qorv::data::DocumentKey DocumentKeyWith(const qorv::data::SecurityDescriptor &descriptor);
qorv::data::FolderKey FolderKeyWith(const qorv::data::SecurityDescriptor &descriptor);

// The "active" word with one bit cleared (bit 1 + month - 1, bit 13 + weekday).
std::uint32_t AllActiveBut(unsigned int bit);
}

#endif // KEYRULES_H
