#ifndef SCOPEDCRYPTOGRAPHERLOCKFAILURE_H
#define SCOPEDCRYPTOGRAPHERLOCKFAILURE_H

#include "cryptographer.h"

namespace testsupport
{
// Makes every attempt to take the lock of the program's Cryptographer fail
// for the lifetime of the object, as a broken mutex would (the program never
// contends for it). Header only: the tests that use it link the security
// library themselves.
class ScopedCryptographerLockFailure
{
public:
    ScopedCryptographerLockFailure() { CryptographerSingleton::instance()->setLockFailureForTesting(true); }
    ~ScopedCryptographerLockFailure() { CryptographerSingleton::instance()->setLockFailureForTesting(false); }
    ScopedCryptographerLockFailure(const ScopedCryptographerLockFailure &) = delete;
    ScopedCryptographerLockFailure &operator=(const ScopedCryptographerLockFailure &) = delete;
};
}

#endif // SCOPEDCRYPTOGRAPHERLOCKFAILURE_H
