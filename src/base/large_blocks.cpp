// Large blocks: aligned and advised for large pages on Linux, plain allocations elsewhere.
#include "base/large_blocks.h"

#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace quillon {

namespace {

#ifdef __linux__
constexpr std::size_t kLargePage = 2u << 20;

std::size_t roundedToLargePages(std::size_t bytes)
{
    return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}
#endif

}  // namespace

void* allocateBlock(std::size_t bytes)
{
#ifdef __linux__
    if (bytes >= kLargeBlockBytes) {
        const std::size_t rounded = roundedToLargePages(bytes);
        void* block = std::aligned_alloc(kLargePage, rounded);
        if (block == nullptr)
            throw std::bad_alloc();
        // Advice only: without large pages the block works the same, page by page.
        (void)madvise(block, rounded, MADV_HUGEPAGE);
        return block;
    }
#endif
    return ::operator new(bytes);
}

void freeBlock(void* block, std::size_t bytes) noexcept
{
#ifdef __linux__
    if (bytes >= kLargeBlockBytes) {
        std::free(block);
        return;
    }
#else
    (void)bytes;  // every block is a plain allocation here
#endif
    // The unsized form: the sized one is declared only with -fsized-deallocation, which
    // clang leaves off by default.
    ::operator delete(block);
}

}  // namespace quillon
