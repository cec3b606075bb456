#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "document/TextPool.h"
#include "support/PrintQString.h"

namespace {

QString numbered(int i)
{
    return QStringLiteral("%1. sor: árvíztűrő tükörfúrógép").arg(i);
}

// n numbered texts, made by a pool that is gone when they are returned.
std::vector<QString> textsOfAFinishedPool(int n)
{
    std::vector<QString> texts;
    TextPool pool;
    for (int i = 0; i < n; ++i)
        texts.push_back(pool.make(numbered(i)));
    return texts;
}

// The blocks other tests left behind, once all that can go has gone.
int retainedAfterSweep()
{
    sweepTextPools();
    return retainedTextPoolBlocks();
}

}  // namespace

// A pooled text is an ordinary string: read in place, closed by a zero,
// copied and changed without touching the pool's copy or its neighbours.
TEST(TextPool, TextsBehaveAsOrdinaryStrings)
{
    TextPool pool;
    QString first = pool.make(u"első");
    const QString second = pool.make(u"második|sor");
    const QChar *inPool = first.constData();
    EXPECT_EQ(first, QStringLiteral("első"));
    EXPECT_EQ(first.utf16()[first.size()], u'\0');
    EXPECT_EQ(first.constData(), inPool);  // reading needs no copy
    // Qt finds the characters where the pool put them, with no room around
    EXPECT_EQ(first.data_ptr().freeSpaceAtBegin(), 0);
    EXPECT_EQ(first.data_ptr().freeSpaceAtEnd(), 0);

    QString copy = first;
    first += u'!';
    EXPECT_EQ(first, QStringLiteral("első!"));
    EXPECT_EQ(copy, QStringLiteral("első"));
    copy[0] = u'E';
    EXPECT_EQ(copy, QStringLiteral("Első"));
    first.truncate(2);
    first.squeeze();
    EXPECT_EQ(first, QStringLiteral("el"));
    EXPECT_EQ(second, QStringLiteral("második|sor"));
    QString third = pool.make(u"harmadik");
    third.squeeze();
    third.resize(4);
    EXPECT_EQ(third, QStringLiteral("harm"));

    // the empty text keeps the form a plain copy of it has
    EXPECT_EQ(pool.make(QStringView(u"")).isNull(), QStringView(u"").toString().isNull());
    EXPECT_TRUE(pool.make(QStringView()).isEmpty());
}

// A block goes only when nothing holds its texts; a text kept after its pool
// and its table are gone stays whole through any number of later reads.
TEST(TextPool, BlocksOutliveThePoolWhileTheirTextsAreHeld)
{
    const int before = retainedAfterSweep();
    QString kept;
    {
        std::vector<QString> texts = textsOfAFinishedPool(50000);
        kept = texts[123];
        const int blocks = retainedTextPoolBlocks() - before;
        EXPECT_GT(blocks, 1);
        for (int i = 0; i < 50000; i += 997)
            EXPECT_EQ(texts[size_t(i)], numbered(i));
        texts.clear();
        sweepTextPools();
        // only the first block still has a text held
        EXPECT_EQ(retainedTextPoolBlocks() - before, 1);
    }
    for (int round = 0; round < 3; ++round) {
        TextPool other;
        for (int i = 0; i < 20000; ++i)
            other.make(QStringLiteral("felülírná"));
    }
    EXPECT_EQ(kept, numbered(123));
    kept = QString();
    sweepTextPools();
    EXPECT_EQ(retainedTextPoolBlocks(), before);
}

// Texts let go one by one, with a sweep after each, as a tool replacing
// every row's text does: the blocks go with the last of them.
TEST(TextPool, BlocksGoWithTheirLastTexts)
{
    const int before = retainedAfterSweep();
    std::vector<QString> texts = textsOfAFinishedPool(1000);
    for (int i = 0; i < 1000; ++i) {
        // out of order, so a free text may stand after a held one
        QString &text = texts[size_t(i % 2 ? 999 - i / 2 : i / 2)];
        EXPECT_GT(retainedTextPoolBlocks() - before, 0);
        text = QString();
        sweepTextPools();
    }
    EXPECT_EQ(retainedTextPoolBlocks(), before);
}

// A moved pool hands its blocks on: they are kept once, not freed twice.
TEST(TextPool, MovingAPoolMovesItsBlocks)
{
    const int before = retainedAfterSweep();
    QString text;
    {
        TextPool first;
        text = first.make(u"átadott");
        TextPool second(std::move(first));
        TextPool third;
        third.make(u"eldobott");
        third = std::move(second);
        EXPECT_EQ(text, QStringLiteral("átadott"));
    }
    EXPECT_EQ(retainedTextPoolBlocks() - before, 1);
    text.clear();
    sweepTextPools();
    EXPECT_EQ(retainedTextPoolBlocks(), before);
}
