#pragma once
// How the C library treats freed memory, set once at start.

namespace gridlet {

// The picture view draws into buffers of megabytes on every redraw. Left to itself the C library
// gives such blocks back to the system when they are freed, and the next redraw takes them back
// zeroed, page by page; kept in the heap, they cost a redraw nothing.
void KeepFreedMemoryForReuse();

}  // namespace gridlet
