#pragma once
#include <QString>
#include <QStringView>
#include <vector>

// The texts of a read, side by side in big blocks instead of one heap
// block each: a big read makes a hundred thousand small strings and most
// of what it costs is their allocation and, later, their freeing.
//
// What make() gives is an ordinary QString, shared and counted like any
// other. The pool holds one extra count on every text it made, so Qt never
// frees such a text and never changes it in place: a change copies it out,
// as for any shared string. A block is freed once none of its texts is
// held anywhere, which is looked at when a later read needs a block, when
// a table is emptied or ends a bulk change, and when sweepTextPools is
// called.
class TextPool {
public:
    TextPool() = default;
    TextPool(TextPool &&other) noexcept;
    TextPool &operator=(TextPool &&other) noexcept;
    // The blocks stay while their texts are held.
    ~TextPool();

    QString make(QStringView text);

    struct Block;

private:
    // Hands the blocks over to be freed when their texts are no longer held.
    void retire();

    std::vector<Block *> blocks_;
    Block *open_ = nullptr;
};

// Frees every block of a finished pool whose texts are no longer held.
// Cheap when there is nothing to free.
void sweepTextPools();

// Blocks of finished pools not yet freed, for tests.
int retainedTextPoolBlocks();
