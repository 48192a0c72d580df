#ifndef SETTINGSSINGLETON_H
#define SETTINGSSINGLETON_H

#include "settings.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

// The process-wide settings store: created on first use, destroyed at exit by
// ACE's object manager. Only the GUI thread uses it, hence the null lock.
using SettingsSingleton = ACE_Singleton<Settings, ACE_Null_Mutex>;

#endif // SETTINGSSINGLETON_H
