#include "spellchecker.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <hunspell.hxx>

SpellChecker *SpellChecker::instance()
{
    return ACE_Singleton<SpellChecker, ACE_Null_Mutex>::instance();
}

SpellChecker::SpellChecker() = default;

SpellChecker::~SpellChecker() = default;

void SpellChecker::setDictionaryFile(const std::string &path)
{
    m_dictionaryFile = path;
}

void SpellChecker::setAffixFile(const std::string &path)
{
    m_affixFile = path;
}

Hunspell *SpellChecker::getSpellChecker() const
{
    return m_hunspell.get();
}

const QSet<DictionaryEntry> &SpellChecker::getDictionaryEntries() const
{
    return m_dictionaryEntries;
}

void SpellChecker::addDictionaryEntry(const DictionaryEntry &entry)
{
    if (!m_dictionaryEntries.contains(entry))
        m_dictionaryEntries.insert(entry);
}

void SpellChecker::reset()
{
    // The old instance goes first: two dictionaries need not be in memory at
    // once.
    m_hunspell.reset();
    m_hunspell = std::make_unique<Hunspell>(m_affixFile.c_str(), m_dictionaryFile.c_str());
    m_dictionaryEntries.clear();
}
