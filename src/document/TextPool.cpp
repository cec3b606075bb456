#include "document/TextPool.h"

#include <QMutex>
#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "document/HugePages.h"

struct TextPool::Block {
    char *data = nullptr;
    std::size_t capacity = 0;
    std::size_t used = 0;
    // Texts before this are known to be free: a text nothing holds can
    // never be held again, so each is looked at until it is free and then
    // never again, however often blocks are swept.
    std::size_t checked = 0;
};

namespace {

using Header = QTypedArrayData<char16_t>;

constexpr std::size_t firstBlockSize = std::size_t(64) << 10;
constexpr std::size_t maxBlockSize = std::size_t(4) << 20;
// Qt finds a string's characters right after its header; a text placed
// there reads as one Qt allocated itself.
constexpr std::size_t headerSize = sizeof(QArrayData);
static_assert(headerSize % alignof(QArrayData) == 0);

// A text's header, its characters and the closing zero, kept aligned so
// the next header is too.
std::size_t entrySize(qsizetype length)
{
    const std::size_t chars = (std::size_t(length) + 1) * sizeof(char16_t);
    return headerSize + ((chars + alignof(QArrayData) - 1) & ~(alignof(QArrayData) - 1));
}

// A text is held while its count is above the pool's own one.
bool anyHeld(TextPool::Block &block)
{
    while (block.checked < block.used) {
        const auto *header = reinterpret_cast<const Header *>(block.data + block.checked);
        if (header->ref_.loadAcquire() != 1)
            return true;
        block.checked += entrySize(header->alloc);
    }
    return false;
}

void release(TextPool::Block *block)
{
    freeBlock(block->data, block->capacity);
    delete block;
}

// Blocks of finished pools, freed when nothing holds their texts. Never
// destroyed: texts in globals may outlive every other static.
struct Retired {
    QMutex mutex;
    std::vector<TextPool::Block *> blocks;
};

Retired &retired()
{
    static Retired *const r = new Retired;
    return *r;
}

}  // namespace

TextPool::TextPool(TextPool &&other) noexcept
    : blocks_(std::move(other.blocks_)), open_(std::exchange(other.open_, nullptr))
{
    other.blocks_.clear();
}

TextPool &TextPool::operator=(TextPool &&other) noexcept
{
    if (this != &other) {
        retire();
        blocks_ = std::move(other.blocks_);
        other.blocks_.clear();
        open_ = std::exchange(other.open_, nullptr);
    }
    return *this;
}

TextPool::~TextPool()
{
    retire();
}

void TextPool::retire()
{
    if (blocks_.empty())
        return;
    {
        Retired &r = retired();
        const QMutexLocker lock(&r.mutex);
        r.blocks.insert(r.blocks.end(), blocks_.begin(), blocks_.end());
    }
    blocks_.clear();
    open_ = nullptr;
    // a read whose rows were dropped gives its blocks back at once
    sweepTextPools();
}

QString TextPool::make(QStringView text)
{
    const std::size_t need = entrySize(text.size());
    // empty texts keep the form they always had; a huge one gains nothing
    if (text.isEmpty() || need > maxBlockSize / 4)
        return text.toString();
    if (!open_ || open_->capacity - open_->used < need) {
        if (!open_)
            sweepTextPools();
        const std::size_t size =
            std::max(need, open_ ? std::min(open_->capacity * 2, maxBlockSize) : firstBlockSize);
        blocks_.push_back(new Block{static_cast<char *>(allocateBlock(size)), size});
        open_ = blocks_.back();
    }
    char *at = open_->data + open_->used;
    open_->used += need;
    auto *header = new (at) Header;
    // one count for the string made here, one for the pool
    header->ref_.storeRelaxed(2);
    header->flags = {};
    header->alloc = text.size();
    auto *chars = reinterpret_cast<char16_t *>(at + headerSize);
    std::memcpy(chars, text.utf16(), std::size_t(text.size()) * sizeof(char16_t));
    chars[text.size()] = u'\0';
    return QString(QStringPrivate(header, chars, text.size()));
}

void sweepTextPools()
{
    Retired &r = retired();
    const QMutexLocker lock(&r.mutex);
    std::erase_if(r.blocks, [](TextPool::Block *block) {
        if (anyHeld(*block))
            return false;
        release(block);
        return true;
    });
}

int retainedTextPoolBlocks()
{
    Retired &r = retired();
    const QMutexLocker lock(&r.mutex);
    return int(r.blocks.size());
}
