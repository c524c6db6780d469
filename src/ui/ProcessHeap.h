// The desktop program's heap, prepared once at start so that a long member's pages fill fast.
#pragma once

namespace qv {

// Call first thing in main, before any thread starts. Every first touch of a fresh 4 KB
// page costs the program a trap into the system; a long member's drawing and design touch
// tens of megabytes afresh on every page change. This keeps freed memory in the heap for
// reuse and lets the system back the heap with large pages where it offers them. Does
// nothing where the C library or the build (sanitizers) does not allow it.
void PrepareProcessHeap();

}  // namespace qv
