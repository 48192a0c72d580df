#ifndef CLIENTTRANSLATION_H
#define CLIENTTRANSLATION_H

namespace testsupport
{
// Installs the program's English translation (":build/client_en.qm"), so
// that tests see the texts the user sees. False when it does not load.
bool InstallClientTranslation();
}

#endif // CLIENTTRANSLATION_H
