#ifndef PROGRAMSETUP_H
#define PROGRAMSETUP_H

namespace testsupport
{
// Names the application as the program does, so that settings are read and
// written under the program's own names (in the test's own folder, see
// IsolateEnvironment), and installs the program's English translation. False
// when the translation does not load.
bool SetUpLikeTheProgram();
}

#endif // PROGRAMSETUP_H
