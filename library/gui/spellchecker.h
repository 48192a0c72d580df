#ifndef SPELLCHECKER_H
#define SPELLCHECKER_H

#include "dictionaryentry.h"
#include "resourcefilecopy.h"

#include <QSet>

#include <memory>
#include <string>

class Hunspell;

// The process-wide spell checker: the one Hunspell instance, built from the
// built-in dictionary and affix files and taught the user's stored words at
// log-on, and the words the user added to the personal dictionary during the
// session, which the console stores on the server at log-off.
//
// Callers check words, ask for suggestions and teach words through the
// Hunspell instance itself, always in UTF-8. Adding an entry does not teach
// Hunspell the word; the spell-check dialog does that when it closes.
class SpellChecker
{
public:
    // The one instance (an ACE singleton without a lock: the GUI thread
    // alone uses it), made on first use and gone at process exit.
    static SpellChecker *instance();

    SpellChecker();
    virtual ~SpellChecker();
    SpellChecker(const SpellChecker &) = delete;
    SpellChecker &operator=(const SpellChecker &) = delete;

    // Only stored: the files are read when the checker is first asked for
    // after the next reset. A name that starts with ':' names a built-in
    // resource, copied to a temporary file only then.
    void setDictionaryFile(const std::string &path);
    void setAffixFile(const std::string &path);

    // Null only before the first reset.
    Hunspell *getSpellChecker() const;

    const QSet<DictionaryEntry> &getDictionaryEntries() const;
    // Keeps the first entry for a word: adding the word again changes nothing.
    void addDictionaryEntry(const DictionaryEntry &entry);

    // A new Hunspell instance from the two files, which forgets every word
    // taught to the old one, and an empty set of added entries. Missing or
    // unreadable files give an instance that knows no word.
    void reset();

private:
    std::string m_dictionaryFile;
    std::string m_affixFile;
    // Built on first use after a reset from the files named at that reset
    // (see getSpellChecker).
    std::string m_resetDictionaryFile;
    std::string m_resetAffixFile;
    mutable ResourceFileCopy m_dictionaryCopy;
    mutable ResourceFileCopy m_affixCopy;
    mutable std::unique_ptr<Hunspell> m_hunspell;
    mutable bool m_rebuildPending = false;
    QSet<DictionaryEntry> m_dictionaryEntries;
};

#endif // SPELLCHECKER_H
