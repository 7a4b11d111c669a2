#pragma once

// Gives the memory the process has freed back to the system at once, where the C library
// keeps freed blocks in its heap (glibc keeps those below its mmap threshold until trimmed).
void releaseFreedMemory();

// Called first in main(), before any thread starts (and by benchmarks that stand for the
// program). Threads share two heaps instead of up to eight per core, and blocks of 4 MB and
// more (a decoded 4K frame is 12 MB, its picture 33 MB) get mappings of their own, unmapped
// when freed. By default glibc raises its mapping threshold to the largest block freed (up to
// 32 MB), after which such pictures come from the heaps of the threads that made them; after
// a 4K video played, hundreds of MB stayed resident there, where trimming does not reach.
void keepHeapsCompact();
