#ifndef BUILTINDICTIONARY_H
#define BUILTINDICTIONARY_H

#include <QTemporaryFile>

class SpellChecker;

namespace testsupport
{
// The dictionary built into the program (":resources/resource.dic" and
// ":resources/resource.aff"), handed to a spell checker the way the entry
// point does: temporary copies, which live as long as this object, then a
// reset.
class BuiltInDictionary
{
public:
    // False when a resource could not be copied.
    bool setUp(SpellChecker &checker);

    QString dictionaryFileName() const;
    QString affixFileName() const;

private:
    QTemporaryFile m_dictionary;
    QTemporaryFile m_affix;
};
}

#endif // BUILTINDICTIONARY_H
