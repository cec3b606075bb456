#include <gtest/gtest.h>

#include <cstdint>

#include "document/OptionalText.h"
#include "document/RowStore.h"
#include "support/PrintQString.h"

// The second text: nothing kept while empty, a value of its own otherwise.
TEST(OptionalText, KeepsItsTextAsAValue)
{
    static_assert(sizeof(OptionalText) == sizeof(void *));
    OptionalText a;
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(a.text(), QString());
    a = QStringLiteral("második");
    OptionalText b = a;
    a = QString();
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(b.text(), QStringLiteral("második"));
    OptionalText c = std::move(b);
    EXPECT_TRUE(b.isEmpty());
    OptionalText &alias = c;
    c = std::move(alias);
    EXPECT_EQ(c.text(), QStringLiteral("második"));
    EXPECT_EQ(c.size(), 7);
}

// A big row block starts on a huge-page boundary, a small one anywhere.
TEST(RowVector, BigBlocksStartOnAHugePage)
{
    RowVector<char> big(std::size_t(5) << 20);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(big.data()) % (std::uintptr_t(2) << 20), 0u);
    big.assign(big.size() + 1, 'x');
    EXPECT_EQ(big.back(), 'x');
    RowVector<int> small(10, 7);
    EXPECT_EQ(small[9], 7);
}
