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

void SpellChecker::reset()
{
    m_hunspell.reset();
    if (m_dictionaryFile.empty() || m_affixFile.empty())
        return;
    m_hunspell = std::make_unique<Hunspell>(m_affixFile.c_str(), m_dictionaryFile.c_str());
}
