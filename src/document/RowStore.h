#pragma once
#include <algorithm>
#include <cassert>
#include <iterator>
#include <utility>
#include <vector>

#include "document/HugePages.h"

// The storage of rows: a big table starts on a huge-page boundary.
template <typename T>
using RowVector = std::vector<T, BigBlockAllocator<T>>;

// A sequence of rows in chunks of at most a few thousand, each chunk with a
// movable gap. Inserting or removing one row moves at most one chunk's rows
// and the starts of the chunks after it, so a single-row change costs the
// same in a table of a million rows as in one of a thousand; a pass that
// inserts and deletes where it stands moves each chunk's gap only a little
// at a time, so it stays linear. A row is found by a binary search over the
// chunk starts.
template <typename T>
class RowStore {
public:
    // A chunk grows to this many rows before it is split in two.
    static constexpr int chunkRows = 4096;

    int size() const { return starts_.empty() ? 0 : starts_.back(); }
    bool empty() const { return size() == 0; }

    T &operator[](int i)
    {
        const int c = chunkOf(i);
        return chunks_[c][i - starts_[c]];
    }
    const T &operator[](int i) const
    {
        const int c = chunkOf(i);
        return chunks_[c][i - starts_[c]];
    }

    void insert(int pos, T value)
    {
        assert(pos >= 0 && pos <= size());
        if (chunks_.empty()) {
            chunks_.emplace_back();
            starts_ = {0, 0};
        }
        // the end of the table belongs to the last chunk
        int c = pos == size() ? int(chunks_.size()) - 1 : chunkOf(pos);
        if (chunks_[c].size() >= chunkRows) {
            split(c);
            if (pos - starts_[c] > chunks_[c].size())
                ++c;
        }
        chunks_[c].insert(pos - starts_[c], std::move(value));
        shiftStarts(c + 1, 1);
    }

    void erase(int pos)
    {
        assert(pos >= 0 && pos < size());
        const int c = chunkOf(pos);
        chunks_[c].erase(pos - starts_[c]);
        shiftStarts(c + 1, -1);
        if (chunks_[c].size() == 0)
            dropChunk(c);
    }

    // Room for that many rows in all before a bulk append.
    void reserve(int n) { reserved_ = std::max(reserved_, n); }

    // Appends all of rows, cut into chunks.
    void append(RowVector<T> &&rows)
    {
        if (rows.empty())
            return;
        if (starts_.empty())
            starts_ = {0};
        const int total = int(rows.size());
        for (int from = 0; from < total; from += chunkRows) {
            const int n = std::min(chunkRows, total - from);
            RowVector<T> part;
            part.reserve(n);
            std::move(rows.begin() + from, rows.begin() + from + n, std::back_inserter(part));
            chunks_.emplace_back(std::move(part));
            starts_.push_back(starts_.back() + n);
        }
        rows = {};
    }

    // Removes n rows from pos and gives them back in order.
    RowVector<T> take(int pos, int n)
    {
        assert(pos >= 0 && n >= 0 && pos + n <= size());
        RowVector<T> out;
        out.reserve(n);
        for (int i = pos; i < pos + n; ++i)
            out.push_back(std::move((*this)[i]));
        if (pos == 0 && n == size()) {
            clear();
            return out;
        }
        // whole chunks go at once, the ends one row at a time
        for (int left = n; left > 0;) {
            const int c = chunkOf(pos);
            const int offset = pos - starts_[c];
            if (offset == 0 && chunks_[c].size() <= left) {
                left -= chunks_[c].size();
                shiftStarts(c + 1, -chunks_[c].size());
                dropChunk(c);
            } else {
                erase(pos);
                --left;
            }
        }
        return out;
    }

    // Puts rows in at pos, in order.
    void put(int pos, RowVector<T> &&rows)
    {
        assert(pos >= 0 && pos <= size());
        if (pos == size()) {
            append(std::move(rows));
            return;
        }
        for (T &row : rows)
            insert(pos++, std::move(row));
        rows = {};
    }

    void clear()
    {
        chunks_.clear();
        starts_.clear();
        reserved_ = 0;
    }

private:
    // One chunk: a gap buffer.
    class Chunk {
    public:
        Chunk() = default;
        explicit Chunk(RowVector<T> &&rows)
            : buf_(std::move(rows)), gapStart_(int(buf_.size())), gapEnd_(int(buf_.size()))
        {
        }
        int size() const { return int(buf_.size()) - (gapEnd_ - gapStart_); }
        T &operator[](int i) { return buf_[i < gapStart_ ? i : i + gapEnd_ - gapStart_]; }
        const T &operator[](int i) const
        {
            return buf_[i < gapStart_ ? i : i + gapEnd_ - gapStart_];
        }
        void insert(int pos, T value)
        {
            if (gapStart_ == gapEnd_)
                grow();
            moveGapTo(pos);
            buf_[gapStart_++] = std::move(value);
        }
        void erase(int pos)
        {
            moveGapTo(pos);
            buf_[gapEnd_] = T();
            ++gapEnd_;
        }
        // The rows from pos on, moved out.
        RowVector<T> takeTail(int pos)
        {
            moveGapTo(size());
            RowVector<T> tail;
            tail.reserve(gapStart_ - pos);
            std::move(buf_.begin() + pos, buf_.begin() + gapStart_, std::back_inserter(tail));
            for (int i = pos; i < gapStart_; ++i)
                buf_[i] = T();
            gapStart_ = pos;
            return tail;
        }

    private:
        void moveGapTo(int pos)
        {
            if (pos < gapStart_) {
                std::move_backward(buf_.begin() + pos, buf_.begin() + gapStart_,
                                   buf_.begin() + gapEnd_);
                gapEnd_ -= gapStart_ - pos;
                gapStart_ = pos;
            } else if (pos > gapStart_) {
                const int n = pos - gapStart_;
                std::move(buf_.begin() + gapEnd_, buf_.begin() + gapEnd_ + n,
                          buf_.begin() + gapStart_);
                gapStart_ += n;
                gapEnd_ += n;
            }
        }
        void grow()
        {
            const int extra = std::max(64, int(buf_.size()));
            RowVector<T> next(buf_.size() + extra);
            std::move(buf_.begin(), buf_.begin() + gapStart_, next.begin());
            std::move(buf_.begin() + gapEnd_, buf_.end(), next.begin() + gapEnd_ + extra);
            gapEnd_ += extra;
            buf_ = std::move(next);
        }

        RowVector<T> buf_;
        int gapStart_ = 0;
        int gapEnd_ = 0;
    };

    int chunkOf(int i) const
    {
        // the last chunk whose start is at or before i
        const auto it = std::upper_bound(starts_.begin(), starts_.end() - 1, i);
        return int(it - starts_.begin()) - 1;
    }

    void shiftStarts(int from, int delta)
    {
        for (int c = from; c < int(starts_.size()); ++c)
            starts_[c] += delta;
    }

    // Splits chunk c in two halves.
    void split(int c)
    {
        const int half = chunks_[c].size() / 2;
        Chunk tail(chunks_[c].takeTail(half));
        chunks_.insert(chunks_.begin() + c + 1, std::move(tail));
        starts_.insert(starts_.begin() + c + 1, starts_[c] + half);
    }

    void dropChunk(int c)
    {
        chunks_.erase(chunks_.begin() + c);
        starts_.erase(starts_.begin() + c + 1);
        if (chunks_.empty())
            starts_.clear();
    }

    std::vector<Chunk> chunks_;
    // starts_[c]: the index of chunk c's first row; the last entry is the
    // row count (empty while there are no chunks)
    std::vector<int> starts_;
    int reserved_ = 0;
};
