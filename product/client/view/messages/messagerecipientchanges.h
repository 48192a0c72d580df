#ifndef MESSAGERECIPIENTCHANGES_H
#define MESSAGERECIPIENTCHANGES_H

#include "user3.pb.h"

#include <vector>

// What a picker run changes in one recipient field: the picked users that are
// not yet recipients, and the recipients that were not picked again. Users
// are matched by id alone, so a user who was and stays a recipient causes no
// request at all.
class MessageRecipientChanges
{
public:
    MessageRecipientChanges(std::vector<qorv::data::User> picked, std::vector<qorv::data::User> current);

    const std::vector<qorv::data::User> &inserted() const { return m_inserted; }
    const std::vector<qorv::data::User> &removed() const { return m_removed; }

private:
    std::vector<qorv::data::User> m_inserted;
    std::vector<qorv::data::User> m_removed;
};

#endif // MESSAGERECIPIENTCHANGES_H
