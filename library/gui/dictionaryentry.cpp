#include "dictionaryentry.h"

#include "dictionary3.pb.h"

#include <tuple>

DictionaryEntry::DictionaryEntry(const std::string &word, const std::string &description,
                                 const std::string &definition, int access)
    : m_word(word)
    , m_description(description)
    , m_definition(definition)
    , m_access(access)
{
}

const std::string &DictionaryEntry::getWord() const
{
    return m_word;
}

DictionaryEntry::operator qorv::data::Dictionary() const
{
    qorv::data::Dictionary dictionary;
    dictionary.set_dictionary_word(m_word);
    dictionary.set_dictionary_description(m_description);
    dictionary.set_dictionary_definition(m_definition);
    dictionary.set_dictionary_access(m_access);
    return dictionary;
}

bool DictionaryEntry::operator<(const DictionaryEntry &other) const
{
    return std::tie(m_word, m_description, m_definition, m_access)
           < std::tie(other.m_word, other.m_description, other.m_definition, other.m_access);
}
