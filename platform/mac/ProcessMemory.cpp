#include "platform/mac/ProcessMemory.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

void releaseFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
