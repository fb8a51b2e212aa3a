// The start's heap: the aligned part it advises, and a heap that still
// serves and frees blocks of every size after it was prepared.

#include "toolkit/StartupHeap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

TEST(StartupHeap, AlignedWithinKeepsOnlyWholeAlignedStretches)
{
    constexpr std::size_t mb2 = std::size_t(2) << 20;
    // Addresses are only computed, never touched.
    const auto at = [](std::uintptr_t a) { return reinterpret_cast<const char *>(a); };
    const std::uintptr_t a = 0x7f0000000000;

    StartupHeap::Region r = StartupHeap::alignedWithin(at(a + 16), at(a + 5 * mb2 + 100), mb2);
    EXPECT_EQ(r.begin, at(a + mb2));
    EXPECT_EQ(r.end, at(a + 5 * mb2));
    r = StartupHeap::alignedWithin(at(a), at(a + 2 * mb2), mb2);
    EXPECT_EQ(r.begin, at(a));
    EXPECT_EQ(r.end, at(a + 2 * mb2));
    // Less than one whole stretch, an empty or reversed range, an alignment
    // that is no power of two: nothing.
    for (const StartupHeap::Region &none :
         {StartupHeap::alignedWithin(at(a + 1), at(a + 2 * mb2 - 1), mb2), StartupHeap::alignedWithin(at(a), at(a), mb2),
          StartupHeap::alignedWithin(at(a + mb2), at(a), mb2), StartupHeap::alignedWithin(at(a), at(a + 8 * mb2), 3 * mb2),
          StartupHeap::alignedWithin(at(a), at(a + 8 * mb2), 0)}) {
        EXPECT_EQ(none.begin, nullptr);
        EXPECT_EQ(none.end, nullptr);
    }
}

TEST(StartupHeap, ThePreparedHeapServesAndFreesAsBefore)
{
    StartupHeap::prepare();
    StartupHeap::prepare(); // a second call changes nothing
    const StartupHeap::Region r = StartupHeap::preparedRegion();
    if (r.begin) {
        EXPECT_LT(r.begin, r.end);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(r.begin) % (std::size_t(2) << 20), 0u);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(r.end) % (std::size_t(2) << 20), 0u);
    }
    // Small and large blocks, written whole and freed in a mixed order.
    std::vector<void *> blocks;
    for (std::size_t size : {std::size_t(24), std::size_t(4096), std::size_t(300000), std::size_t(5) << 20, std::size_t(64)}) {
        void *p = std::malloc(size);
        ASSERT_NE(p, nullptr);
        std::memset(p, 0xA5, size);
        blocks.push_back(p);
    }
    for (std::size_t i = 0; i < blocks.size(); i += 2)
        std::free(blocks[i]);
    for (std::size_t i = 1; i < blocks.size(); i += 2)
        std::free(blocks[i]);
}
