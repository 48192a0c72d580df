#include "qorvassert.h"

#include <ace/Log_Msg.h>

namespace common
{
void AssertionFailed(const char *file, int line, const char *expression)
{
    // Same wording as ACE_ASSERT, without its abort.
    ACE_Log_Msg *log = ACE_Log_Msg::instance();
    // Keep the log's stream and callback: set() would otherwise reset them.
    log->set(file, line, -1, 0, log->restart(), log->msg_ostream(), log->msg_callback());
    log->log(LM_ERROR, ACE_TEXT("ACE_ASSERT: file %N, line %l assertion failed for '%C'.\n"), expression);
}
}
