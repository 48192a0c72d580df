#ifndef JOINIDS_H
#define JOINIDS_H

#include <string>
#include <vector>

// The ids as one text, in their order, separated by ", ": "5, 12, 12, 7".
std::string JoinIds(const std::vector<int> &ids);

#endif // JOINIDS_H
