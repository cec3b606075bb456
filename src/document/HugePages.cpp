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

void *allocateBlock(std::size_t bytes)
{
    if (bytes < bigBlock)
        return ::operator new(bytes);
    const std::size_t rounded = (bytes + hugePage - 1) & ~(hugePage - 1);
    void *block = std::aligned_alloc(hugePage, rounded);
    if (!block)
        throw std::bad_alloc();
    adviseHugePages(block, rounded);
    return block;
}

void freeBlock(void *block, std::size_t bytes)
{
    if (bytes < bigBlock)
        ::operator delete(block);
    else
        std::free(block);
}
