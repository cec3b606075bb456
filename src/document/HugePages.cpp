#include "document/HugePages.h"

#include <cstdint>
#include <cstdlib>
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t hugePage = std::size_t(2) << 20;
// Below this the ordinary heap serves, which is huge-page backed already
// where the system allows it.
constexpr std::size_t bigBlock = 2 * hugePage;

}  // namespace

void adviseHugePages(void *data, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t from = (begin + hugePage - 1) & ~std::uintptr_t(hugePage - 1);
    const std::uintptr_t to = (begin + bytes) & ~std::uintptr_t(hugePage - 1);
    if (to > from)
        madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

namespace {

std::size_t roundedToHugePages(std::size_t bytes)
{
    return (bytes + hugePage - 1) & ~(hugePage - 1);
}

}  // namespace

void *allocateBlock(std::size_t bytes)
{
    if (bytes < bigBlock)
        return ::operator new(bytes);
    const std::size_t rounded = roundedToHugePages(bytes);
#ifdef __linux__
    // Mapped straight from the system, one huge page more than needed and
    // the unaligned ends given back: from the heap an aligned block would
    // carry the heap's own header in a huge page of its own.
    void *mapped = mmap(nullptr, rounded + hugePage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto begin = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (begin + hugePage - 1) & ~std::uintptr_t(hugePage - 1);
    if (aligned > begin)
        munmap(mapped, aligned - begin);
    if (const std::size_t tail = begin + rounded + hugePage - (aligned + rounded))
        munmap(reinterpret_cast<void *>(aligned + rounded), tail);
    void *block = reinterpret_cast<void *>(aligned);
#else
    void *block = std::aligned_alloc(hugePage, rounded);
    if (!block)
        throw std::bad_alloc();
#endif
    adviseHugePages(block, rounded);
    return block;
}

void freeBlock(void *block, std::size_t bytes)
{
    if (bytes < bigBlock) {
        ::operator delete(block);
        return;
    }
#ifdef __linux__
    munmap(block, roundedToHugePages(bytes));
#else
    std::free(block);
#endif
}
