#pragma once
#include <cstddef>
#include <new>

// Asks the system to back [data, data + bytes) with huge pages where it
// can: a big block touched once from end to end (the rows of a big read)
// then costs a page fault per 2 MiB instead of per 4 KiB. A wish only.
void adviseHugePages(void *data, std::size_t bytes);

// Blocks of a few MiB and more start on a huge-page boundary and are
// advised so; smaller ones come from the ordinary heap. freeBlock must be
// given the size allocateBlock was.
void *allocateBlock(std::size_t bytes);
void freeBlock(void *block, std::size_t bytes);

// The allocator of the table's row storage.
template <typename T>
struct BigBlockAllocator {
    using value_type = T;
    BigBlockAllocator() = default;
    template <typename U>
    BigBlockAllocator(const BigBlockAllocator<U> &)
    {
    }
    T *allocate(std::size_t n) { return static_cast<T *>(allocateBlock(n * sizeof(T))); }
    void deallocate(T *p, std::size_t n) { freeBlock(p, n * sizeof(T)); }
    friend bool operator==(const BigBlockAllocator &, const BigBlockAllocator &) { return true; }
};
