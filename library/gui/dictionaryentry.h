#ifndef DICTIONARYENTRY_H
#define DICTIONARYENTRY_H

#include <QtGlobal>

#include <string>

namespace qorv::data
{
class Dictionary;
}

// One word of the user's own dictionary, with what the server keeps beside
// it. The word is the entry's identity: two entries with the same word are
// equal and hash alike, whatever else they carry, so a set holds one entry
// per word.
class DictionaryEntry
{
public:
    // What the server lets others do with the word. The client itself only
    // ever makes private words.
    enum Access : qint32
    {
        Private = 0,
        Shared = 1
    };

    DictionaryEntry(const std::string &word, const std::string &description, const std::string &definition,
                    Access access);
    virtual ~DictionaryEntry();
    DictionaryEntry(const DictionaryEntry &) = default;
    DictionaryEntry &operator=(const DictionaryEntry &) = default;

    std::string getWord() const;
    std::string getDescription() const;
    std::string getDefinition() const;
    Access getAccess() const;

    void setWord(std::string word);
    void setDescription(std::string description);
    void setDefinition(std::string definition);
    void setAccess(Access access);

    // The entry as the record the server stores: all four fields present,
    // even when empty, and none at all for an entry without a word. The
    // user's id is the sender's to set.
    operator qorv::data::Dictionary() const;

    friend bool operator==(const DictionaryEntry &left, const DictionaryEntry &right);
    friend quint32 qHash(const DictionaryEntry &entry);

private:
    std::string m_word;
    std::string m_description;
    std::string m_definition;
    Access m_access;
};

// Free functions only, so that both sides convert alike: the words decide.
bool operator==(const DictionaryEntry &left, const DictionaryEntry &right);
bool operator!=(const DictionaryEntry &left, const DictionaryEntry &right);

// A hash of the word's bytes alone.
quint32 qHash(const DictionaryEntry &entry);

#endif // DICTIONARYENTRY_H
