#include "spellchecker.h"

#include <hunspell.hxx>

SpellChecker *SpellChecker::instance()
{
    static SpellChecker checker;
    return &checker;
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

const std::set<DictionaryEntry> &SpellChecker::getDictionaryEntries() const
{
    return m_dictionaryEntries;
}

void SpellChecker::addDictionaryEntry(const DictionaryEntry &entry)
{
    if (m_hunspell)
        m_hunspell->add(entry.getWord());
    m_dictionaryEntries.insert(entry);
}

void SpellChecker::reset()
{
    m_dictionaryEntries.clear();
    m_hunspell.reset();
    if (m_dictionaryFile.empty() || m_affixFile.empty())
        return;
    m_hunspell = std::make_unique<Hunspell>(m_affixFile.c_str(), m_dictionaryFile.c_str());
}
