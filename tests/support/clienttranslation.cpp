#include "clienttranslation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace testsupport
{
bool InstallClientTranslation()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":build/client_en.qm")))
        return false;
    return QCoreApplication::installTranslator(translator);
}
}
