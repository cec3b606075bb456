#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "document/HugePages.h"

// Blocks of every size are writable end to end and given back; big ones
// start on a huge-page boundary.
TEST(HugePages, BlocksOfEverySize)
{
    constexpr std::size_t hugePage = std::size_t(2) << 20;
    for (std::size_t bytes : {std::size_t(1), std::size_t(4096), 2 * hugePage - 1, 2 * hugePage,
                              2 * hugePage + 1, 5 * hugePage + 12345}) {
        auto *block = static_cast<unsigned char *>(allocateBlock(bytes));
        ASSERT_NE(block, nullptr);
        if (bytes >= 2 * hugePage)
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % hugePage, 0u) << bytes;
        std::memset(block, 0xA5, bytes);
        EXPECT_EQ(block[bytes - 1], 0xA5);
        freeBlock(block, bytes);
    }
}
