#ifndef DICTIONARYENTRY_H
#define DICTIONARYENTRY_H

#include <string>

namespace qorv::data
{
class Dictionary;
}

// One word the user added to the spell-check dictionary, with what the server
// keeps beside it. Entries are values, ordered by word, then by the rest.
class DictionaryEntry
{
public:
    explicit DictionaryEntry(const std::string &word, const std::string &description = std::string(),
                             const std::string &definition = std::string(), int access = 0);

    const std::string &getWord() const;

    // The entry as the record the server stores; the user's id is the
    // sender's to set.
    operator qorv::data::Dictionary() const;

    bool operator<(const DictionaryEntry &other) const;

private:
    std::string m_word;
    std::string m_description;
    std::string m_definition;
    int m_access;
};

#endif // DICTIONARYENTRY_H
