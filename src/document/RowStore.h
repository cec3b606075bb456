#pragma once
#include <algorithm>
#include <cassert>
#include <utility>
#include <vector>

#include "document/HugePages.h"

// The storage of rows: a big table starts on a huge-page boundary.
template <typename T>
using RowVector = std::vector<T, BigBlockAllocator<T>>;

// A sequence with a movable gap: random access is O(1), and inserting or
// removing at a position costs the distance from the last such position.
// Passes over the table insert and delete where they stand, so a pass that
// deletes thousands of rows stays linear.
template <typename T>
class RowStore {
public:
    int size() const { return int(buf_.size()) - gapLength(); }
    bool empty() const { return size() == 0; }

    T &operator[](int i) { return buf_[physical(i)]; }
    const T &operator[](int i) const { return buf_[physical(i)]; }

    void insert(int pos, T value)
    {
        assert(pos >= 0 && pos <= size());
        if (gapLength() == 0)
            grow();
        moveGapTo(pos);
        buf_[gapStart_++] = std::move(value);
    }

    void erase(int pos)
    {
        assert(pos >= 0 && pos < size());
        moveGapTo(pos);
        buf_[gapEnd_] = T();
        ++gapEnd_;
    }

    // Makes room for n rows in all, so a bulk append moves nothing.
    void reserve(int n)
    {
        if (n > int(buf_.size()))
            growBy(n - int(buf_.size()));
    }

    // Appends all of rows; an empty store takes them over without moving.
    void append(RowVector<T> &&rows)
    {
        if (size() == 0) {
            buf_ = std::move(rows);
            gapStart_ = gapEnd_ = int(buf_.size());
            return;
        }
        reserve(size() + int(rows.size()));
        for (T &row : rows)
            insert(size(), std::move(row));
    }

    void clear()
    {
        buf_.clear();
        gapStart_ = gapEnd_ = 0;
    }

private:
    int gapLength() const { return gapEnd_ - gapStart_; }
    int physical(int i) const { return i < gapStart_ ? i : i + gapLength(); }

    void moveGapTo(int pos)
    {
        if (pos < gapStart_) {
            // rows [pos, gapStart) move to the end side of the gap
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

    void grow() { growBy(std::max(64, int(buf_.size()))); }

    // Widens the gap by extra slots; the gap there was (reserve finds one
    // after deletions or appends) is kept, not counted as rows.
    void growBy(int extra)
    {
        const int oldSize = int(buf_.size());
        RowVector<T> next(oldSize + extra);
        std::move(buf_.begin(), buf_.begin() + gapStart_, next.begin());
        std::move(buf_.begin() + gapEnd_, buf_.end(), next.begin() + gapEnd_ + extra);
        gapEnd_ += extra;
        buf_ = std::move(next);
    }

    RowVector<T> buf_;
    int gapStart_ = 0;
    int gapEnd_ = 0;
};
