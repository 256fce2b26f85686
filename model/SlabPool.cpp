#include "SlabPool.h"

#include <sys/mman.h>

namespace kadenzo {

void AdviseHugePages(void* memory, std::size_t size) noexcept {
#ifdef MADV_HUGEPAGE
    ::madvise(memory, size, MADV_HUGEPAGE);
#else
    (void)memory;
    (void)size;
#endif
}

}  // namespace kadenzo
