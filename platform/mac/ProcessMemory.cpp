#include "platform/mac/ProcessMemory.h"

#include <cstdlib> // defines __GLIBC__ where the GNU C library is the one

#ifdef __GLIBC__
#include <malloc.h>
#endif

void releaseFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void keepHeapsCompact()
{
#ifdef __GLIBC__
    mallopt(M_ARENA_MAX, 2);
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
#endif
}
