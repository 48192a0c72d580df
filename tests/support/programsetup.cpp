#include "programsetup.h"

#include "clienttranslation.h"

#include <QCoreApplication>
#include <QString>

namespace testsupport
{
bool SetUpLikeTheProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvemoor"));
    QCoreApplication::setApplicationName(QStringLiteral("QuillaneClient"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    return InstallClientTranslation();
}
}
