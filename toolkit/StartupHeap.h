#pragma once

// Readies the process heap for a start that builds a few megabytes of small
// objects at once (the main form, its page elements, the first window's
// backing store).

#include <cstddef>

namespace StartupHeap {

// Called first in main(), before the application object: grows the heap once
// by a few megabytes, keeps them, and asks the system to back them with huge
// pages. Each first touch of an ordinary page is a page fault of its own,
// which in a virtual machine costs about 10 microseconds; a huge page is one
// fault for 512 of them. Where the C library or the system offers no huge
// pages on request, or when RAVIK_PLAIN_HEAP is set, this does nothing.
void prepare();

// The part of the heap that prepare() asked huge pages for, empty when none.
struct Region
{
    const char *begin = nullptr;
    const char *end = nullptr;
};
Region preparedRegion();

// The largest part of [begin, end) that starts and ends on a multiple of
// `alignment`, a power of two; empty when there is none.
Region alignedWithin(const char *begin, const char *end, std::size_t alignment);

} // namespace StartupHeap
