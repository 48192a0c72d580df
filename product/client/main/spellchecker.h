#ifndef SPELLCHECKER_H
#define SPELLCHECKER_H

#include <memory>
#include <string>

class Hunspell;

// The process-wide spell checker over the built-in dictionary. Only what the
// start-up needs is here: it is handed the dictionary and affix files and
// built from them.
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

    // Discards the current checker and builds a new one from the two files.
    // Without both files there is no checker, and nothing is misspelt.
    void reset();

private:
    std::string m_dictionaryFile;
    std::string m_affixFile;
    std::unique_ptr<Hunspell> m_hunspell;
};

#endif // SPELLCHECKER_H
