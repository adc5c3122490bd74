#include "ui/ProcessHeap.h"

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace veltrane {

TStartUpHeap::TStartUpHeap() {
#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
    // Big blocks (pictures, back buffers) from the heap rather than a fresh
    // mapping each: a mapping is faulted in page by page and given back on
    // free, so every picture decoded paid its faults again.
    constexpr int kMappedFrom = 64 << 20;
    // Free space at the top of the heap is kept, huge pages and all.
    constexpr int kKeptFree = 128 << 20;
    if (mallopt(M_MMAP_THRESHOLD, kMappedFrom) == 0 || mallopt(M_TRIM_THRESHOLD, kKeptFree) == 0)
        return;
    // Every thread allocates from this one heap. A thread of its own would get
    // an arena of 4 KiB pages: the pictures decoded on the other core at start
    // cost 700 faults there. The game's few threads seldom allocate at once.
    (void)mallopt(M_ARENA_MAX, 1);

    // One block as large as the reserve moves the top of the heap past it;
    // once freed, the heap hands it out again from its start.
    void* block = std::malloc(kReservedBytes);
    if (block == nullptr)
        return;
    constexpr std::uintptr_t kPage = 4096;
    const auto first = (reinterpret_cast<std::uintptr_t>(block) + kPage - 1) & ~(kPage - 1);
    const auto last = (reinterpret_cast<std::uintptr_t>(block) + kReservedBytes) & ~(kPage - 1);
    prepared_ = madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE) == 0;
    std::free(block);

#if defined(MADV_POPULATE_WRITE)
    // Zeroing a huge page is the cost of its fault; it is done here, on the
    // other core. A kernel without this request refuses it and the pages are
    // filled when first touched, as ever. Writing the pages ourselves is no
    // option: the heap owns them from here on.
    if (prepared_)
        filler_ = std::thread(
            [first] { (void)madvise(reinterpret_cast<void*>(first), kFilledBytes, MADV_POPULATE_WRITE); });
#endif
#endif
}

TStartUpHeap::~TStartUpHeap() {
    if (filler_.joinable())
        filler_.join();
}

} // namespace veltrane
