#ifndef SPELLCHECKER_H
#define SPELLCHECKER_H

#include "dictionaryentry.h"

#include <memory>
#include <set>
#include <string>

class Hunspell;

// The process-wide spell checker over the built-in dictionary and the words
// the user added. Only what the start-up and the console need is here: it is
// handed the dictionary and affix files and built from them, it gives the
// console its checker to load the user's stored words into, and it keeps the
// words added since the last reset for the console to save at log-off.
class SpellChecker
{
public:
    static SpellChecker *instance();

    SpellChecker();
    virtual ~SpellChecker();
    SpellChecker(const SpellChecker &) = delete;
    SpellChecker &operator=(const SpellChecker &) = delete;

    void setDictionaryFile(const std::string &path);
    void setAffixFile(const std::string &path);

    // Null when there is no checker (no files, or not built yet).
    Hunspell *getSpellChecker() const;

    // The words the user added since the last reset, in the set's order.
    const std::set<DictionaryEntry> &getDictionaryEntries() const;
    // Accepts the word into the checker and keeps it to be saved.
    void addDictionaryEntry(const DictionaryEntry &entry);

    // Discards the current checker and builds a new one from the two files,
    // forgetting every added and loaded word. Without both files there is no
    // checker, and nothing is misspelt.
    void reset();

private:
    std::string m_dictionaryFile;
    std::string m_affixFile;
    std::unique_ptr<Hunspell> m_hunspell;
    std::set<DictionaryEntry> m_dictionaryEntries;
};

#endif // SPELLCHECKER_H
