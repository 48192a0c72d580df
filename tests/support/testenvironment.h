#ifndef TESTENVIRONMENT_H
#define TESTENVIRONMENT_H

class QByteArray;

namespace testsupport
{
// Points QSettings and QStandardPaths at a fresh temporary folder of this test
// process, so no test reads or writes the user's real settings. Call it before
// the application object is created (QTEST_*_MAIN does that through
// Q_COREAPP_STARTUP_FUNCTION, see QORV_ISOLATE_TEST_ENVIRONMENT).
void IsolateEnvironment();

// Sets the process time zone (TZ) for zone-dependent cases.
void SetTimeZone(const QByteArray &tz);
}

#define QORV_ISOLATE_TEST_ENVIRONMENT()                                                                                \
    static void qorvIsolate()                                                                                          \
    {                                                                                                                  \
        ::testsupport::IsolateEnvironment();                                                                           \
    }                                                                                                                  \
    Q_COREAPP_STARTUP_FUNCTION(qorvIsolate)

#endif // TESTENVIRONMENT_H
