#include "platform/freed_memory.h"

#include <malloc.h>

namespace gridlet {

void KeepFreedMemoryForReuse() {
    // Blocks up to this size come from the heap, and this much free memory at its top stays.
    constexpr int kKept = 32 << 20;
    mallopt(M_MMAP_THRESHOLD, kKept);
    mallopt(M_TRIM_THRESHOLD, kKept);
}

}  // namespace gridlet
