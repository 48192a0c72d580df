#include "noncesource.h"

#include <openssl/crypto.h>
#include <openssl/rand.h>

#include <array>
#include <atomic>
#include <cstring>
#include <mutex>
#include <pthread.h>

namespace
{
constexpr std::size_t PoolSize = 4096;

// Raised in every forked child, so that no pool drawn before the fork is used.
std::atomic<unsigned> ForkGeneration{0};
std::once_flag ForkHandlerInstalled;

struct Pool
{
    std::array<unsigned char, PoolSize> bytes;
    std::size_t used = PoolSize;
    unsigned generation = 0;

    ~Pool() { OPENSSL_cleanse(bytes.data(), bytes.size()); }
};

Pool &ThreadPool()
{
    thread_local Pool pool;
    return pool;
}
}

bool NonceSource::fill(unsigned char *bytes, std::size_t length)
{
    if (length > m_MaxLength)
        return false;
    std::call_once(ForkHandlerInstalled, [] {
        ::pthread_atfork(nullptr, nullptr, [] { ForkGeneration.fetch_add(1, std::memory_order_relaxed); });
    });

    Pool &pool = ThreadPool();
    const unsigned generation = ForkGeneration.load(std::memory_order_relaxed);
    if (pool.generation != generation || PoolSize - pool.used < length) {
        if (RAND_bytes(pool.bytes.data(), static_cast<int>(PoolSize)) != 1) {
            pool.used = PoolSize;
            return false;
        }
        pool.used = 0;
        pool.generation = generation;
    }
    std::memcpy(bytes, pool.bytes.data() + pool.used, length);
    // Handed out once: the bytes are gone from the pool.
    OPENSSL_cleanse(pool.bytes.data() + pool.used, length);
    pool.used += length;
    return true;
}

void NonceSource::discard()
{
    Pool &pool = ThreadPool();
    OPENSSL_cleanse(pool.bytes.data(), pool.bytes.size());
    pool.used = PoolSize;
}
