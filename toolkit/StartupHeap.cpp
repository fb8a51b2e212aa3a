#include "toolkit/StartupHeap.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

StartupHeap::Region g_region;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool SanitizedHeap = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool SanitizedHeap = true;
#else
constexpr bool SanitizedHeap = false;
#endif
#else
constexpr bool SanitizedHeap = false;
#endif

#if defined(__linux__) && defined(__GLIBC__) && defined(MADV_HUGEPAGE)

// The size of the system's huge pages; 0 when it offers none.
std::size_t hugePageSize()
{
    std::FILE *f = std::fopen("/sys/kernel/mm/transparent_hugepage/hpage_pmd_size", "r");
    if (!f)
        return 0;
    unsigned long long size = 0;
    if (std::fscanf(f, "%llu", &size) != 1)
        size = 0;
    std::fclose(f);
    return std::size_t(size);
}

#endif

} // namespace

void StartupHeap::prepare()
{
#if defined(__linux__) && defined(__GLIBC__) && defined(MADV_HUGEPAGE)
    if (SanitizedHeap || g_region.begin || std::getenv("RAVIK_PLAIN_HEAP"))
        return;
    const std::size_t huge = hugePageSize();
    // Larger huge pages (some 64-bit ARM systems) would cost more memory than
    // the start saves.
    if (huge == 0 || huge > (std::size_t(2) << 20) || (huge & (huge - 1)) != 0)
        return;
    // What the start builds, the backing store of a maximised window included.
    const std::size_t reserve = 5 * huge;
    // The heap keeps this much free at its top rather than giving it back at
    // once, so the advised part stays heap.
    mallopt(M_TRIM_THRESHOLD, int(2 * reserve));
    // One block of the whole reserve, taken from the heap rather than mapped
    // on its own, grows the heap by it; freed, it is the heap's free top.
    mallopt(M_MMAP_MAX, 0);
    char *const block = static_cast<char *>(malloc(reserve));
    mallopt(M_MMAP_MAX, 65536); // the C library's own default
    if (!block)
        return;
    // Only whole huge pages the allocator has not written its bookkeeping
    // into yet: a page touched before the advice keeps its range small.
    const Region region = alignedWithin(block, block + reserve, huge);
    if (region.end > region.begin
        && madvise(const_cast<char *>(region.begin), std::size_t(region.end - region.begin), MADV_HUGEPAGE) == 0)
        g_region = region;
    free(block);
#endif
}

StartupHeap::Region StartupHeap::alignedWithin(const char *begin, const char *end, std::size_t alignment)
{
    if (alignment == 0 || (alignment & (alignment - 1)) != 0 || end <= begin)
        return {};
    const std::uintptr_t from = reinterpret_cast<std::uintptr_t>(begin);
    const std::uintptr_t to = reinterpret_cast<std::uintptr_t>(end);
    const std::uintptr_t mask = ~std::uintptr_t(alignment - 1);
    const std::uintptr_t first = (from + alignment - 1) & mask;
    const std::uintptr_t last = to & mask;
    if (first < from || last <= first)
        return {};
    return {begin + (first - from), begin + (last - from)};
}

StartupHeap::Region StartupHeap::preparedRegion()
{
    return g_region;
}
