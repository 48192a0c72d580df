#include "testenvironment.h"

#include <QCoreApplication>

// Every test program gets its settings and standard folders in a temporary
// folder of its own, whether or not it asks for it: a test that forgets the
// macro must still never write into the user's own configuration.
QORV_ISOLATE_TEST_ENVIRONMENT()
