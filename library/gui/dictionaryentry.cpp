#include "dictionaryentry.h"

#include "dictionary3.pb.h"

#include <utility>

DictionaryEntry::DictionaryEntry(const std::string &word, const std::string &description, const std::string &definition,
                                 Access access)
    : m_word(word)
    , m_description(description)
    , m_definition(definition)
    , m_access(access)
{
}

DictionaryEntry::~DictionaryEntry() = default;

std::string DictionaryEntry::getWord() const
{
    return m_word;
}

std::string DictionaryEntry::getDescription() const
{
    return m_description;
}

std::string DictionaryEntry::getDefinition() const
{
    return m_definition;
}

DictionaryEntry::Access DictionaryEntry::getAccess() const
{
    return m_access;
}

void DictionaryEntry::setWord(std::string word)
{
    m_word = std::move(word);
}

void DictionaryEntry::setDescription(std::string description)
{
    m_description = std::move(description);
}

void DictionaryEntry::setDefinition(std::string definition)
{
    m_definition = std::move(definition);
}

void DictionaryEntry::setAccess(Access access)
{
    m_access = access;
}

DictionaryEntry::operator qorv::data::Dictionary() const
{
    qorv::data::Dictionary dictionary;
    if (m_word.empty())
        return dictionary;
    dictionary.set_dictionary_word(m_word);
    dictionary.set_dictionary_description(m_description);
    dictionary.set_dictionary_definition(m_definition);
    dictionary.set_dictionary_access(m_access);
    return dictionary;
}

bool operator==(const DictionaryEntry &left, const DictionaryEntry &right)
{
    return left.m_word == right.m_word;
}

bool operator!=(const DictionaryEntry &left, const DictionaryEntry &right)
{
    return !(left == right);
}

quint32 qHash(const DictionaryEntry &entry)
{
    // FNV-1a: the same bytes give the same hash in every run.
    quint32 hash = 2166136261u;
    for (const char byte : entry.m_word) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    return hash;
}
