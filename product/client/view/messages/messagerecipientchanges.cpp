#include "messagerecipientchanges.h"

#include "messagechain.h"

#include <algorithm>
#include <iterator>

MessageRecipientChanges::MessageRecipientChanges(std::vector<qorv::data::User> picked,
                                                 std::vector<qorv::data::User> current)
{
    std::sort(picked.begin(), picked.end());
    std::sort(current.begin(), current.end());
    std::vector<qorv::data::User> kept;
    std::set_intersection(picked.begin(), picked.end(), current.begin(), current.end(), std::back_inserter(kept));
    std::set_difference(picked.begin(), picked.end(), kept.begin(), kept.end(), std::back_inserter(m_inserted));
    std::set_difference(current.begin(), current.end(), kept.begin(), kept.end(), std::back_inserter(m_removed));
}
