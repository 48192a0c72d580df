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
    // Reading the dictionary takes longer than everything else at start-up
    // together, and nobody checks a word before the user has logged on: the
    // instance is built when it is first asked for.
    if (m_rebuildPending) {
        const std::string affix = m_affixCopy.fileFor(m_resetAffixFile);
        const std::string dictionary = m_dictionaryCopy.fileFor(m_resetDictionaryFile);
        m_hunspell = std::make_unique<Hunspell>(affix.c_str(), dictionary.c_str());
        m_rebuildPending = false;
    }
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
    // The files named now are the ones read, whatever is set afterwards.
    m_resetAffixFile = m_affixFile;
    m_resetDictionaryFile = m_dictionaryFile;
    m_rebuildPending = true;
    m_dictionaryEntries.clear();
}
