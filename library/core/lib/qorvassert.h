#ifndef QORVASSERT_H
#define QORVASSERT_H

// A guarded precondition: when the expression is false, the failure is logged
// the way ACE logs a failed assertion (source path, line, expression), but the
// process carries on. Callers follow the macro with their own fallback.
namespace common
{
void AssertionFailed(const char *file, int line, const char *expression);
}

#define QORV_ASSERT(expression)                                                                                        \
    do {                                                                                                               \
        if (!(expression))                                                                                             \
            ::common::AssertionFailed(__FILE__, __LINE__, #expression);                                                \
    } while (false)

#endif // QORVASSERT_H
