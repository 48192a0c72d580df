#ifndef DEMOSERVER_DICTIONARYSTORE_H
#define DEMOSERVER_DICTIONARYSTORE_H

#include "testserver.h"

#include <map>
#include <mutex>
#include <set>
#include <string>

namespace demoserver
{
// The words each user added to the spelling dictionary: saved at log-off
// (20), one request a word, and handed back at the next log-on (39).
class DictionaryStore
{
public:
    void install(testsupport::TestServer &server);
    std::set<std::string> words(int userId) const;

private:
    mutable std::mutex m_mutex;
    std::map<int, std::set<std::string>> m_words;
};
}

#endif // DEMOSERVER_DICTIONARYSTORE_H
