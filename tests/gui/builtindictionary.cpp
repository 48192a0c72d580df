#include "builtindictionary.h"

#include "spellchecker.h"
#include "utils.h"

namespace testsupport
{
bool BuiltInDictionary::setUp(SpellChecker &checker)
{
    const QString dictionary =
        utils::CopyResourceToTempororyFile(QStringLiteral(":resources/resource.dic"), m_dictionary);
    const QString affix = utils::CopyResourceToTempororyFile(QStringLiteral(":resources/resource.aff"), m_affix);
    if (dictionary.isEmpty() || affix.isEmpty() || m_dictionary.size() == 0 || m_affix.size() == 0)
        return false;
    checker.setDictionaryFile(dictionary.toUtf8().toStdString());
    checker.setAffixFile(affix.toUtf8().toStdString());
    checker.reset();
    return checker.getSpellChecker() != nullptr;
}

QString BuiltInDictionary::dictionaryFileName() const
{
    return m_dictionary.fileName();
}

QString BuiltInDictionary::affixFileName() const
{
    return m_affix.fileName();
}
}
