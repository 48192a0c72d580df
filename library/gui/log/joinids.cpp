#include "joinids.h"

std::string JoinIds(const std::vector<int> &ids)
{
    std::string text;
    for (const int id : ids) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(id);
    }
    return text;
}
