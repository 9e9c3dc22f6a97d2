#include "memoryrelease.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void ReleaseFreeHeap()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void DropImagePages(const void *data, std::size_t size)
{
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (data == nullptr || pageSize <= 0) {
        return;
    }
    const auto page = static_cast<std::uintptr_t>(pageSize);
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    // Only whole pages: the partial ones at the ends may hold other data.
    const std::uintptr_t first = (begin + page - 1) / page * page;
    const std::uintptr_t end = (begin + size) / page * page;
    if (first >= end) {
        return;
    }
    // A hint: when the kernel declines, the pages just stay.
    madvise(reinterpret_cast<void *>(first), end - first, MADV_DONTNEED);
}
