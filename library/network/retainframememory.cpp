#include "retainframememory.h"

#include <malloc.h>

namespace network
{
void RetainFrameMemory()
{
    constexpr int Retained = 32 * 1024 * 1024;
    // Blocks below the first limit come from the heap instead of mappings of
    // their own, and the heap is not trimmed until the second is exceeded.
    mallopt(M_MMAP_THRESHOLD, Retained);
    mallopt(M_TRIM_THRESHOLD, Retained);
}
}
