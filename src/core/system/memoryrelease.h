// Giving memory back to the system once a window that needed a lot of it
// has gone, so a program that runs all session long stays small.
#pragma once

#include <cstddef>

// Returns the allocator's free pages to the system; it otherwise keeps them
// for later allocations. Costs a walk over the free lists: call it after
// something large was freed, not routinely.
void ReleaseFreeHeap();

// Takes the pages wholly inside [data, data + size) out of the process's
// resident set. Only for read-only data of the program's own image (such as
// compiled-in resources): those pages come back from the file when read
// again, whereas written or allocated memory would read back as zeros.
void DropImagePages(const void *data, std::size_t size);
