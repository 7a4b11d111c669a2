#pragma once

// Gives the memory the process has freed back to the system at once, where the C library
// keeps freed blocks in its heap (glibc keeps those below its mmap threshold until trimmed).
void releaseFreedMemory();
