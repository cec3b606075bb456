#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <vector>

#include "document/RowStore.h"

namespace {

void expectSame(const RowStore<int> &store, const std::vector<int> &model, const char *when)
{
    ASSERT_EQ(store.size(), int(model.size())) << when;
    for (int i = 0; i < int(model.size()); ++i)
        ASSERT_EQ(store[i], model[i]) << when << " at " << i;
}

// Random single-row changes, runs of changes where a pass stands, and bulk
// takes and puts, checked against a plain vector across many chunks.
TEST(RowStore, KeepsOrderThroughEveryKindOfChange)
{
    std::mt19937 random(7);
    RowStore<int> store;
    std::vector<int> model;
    RowVector<int> first;
    for (int i = 0; i < 3 * RowStore<int>::chunkRows + 17; ++i)
        first.push_back(i);
    model.assign(first.begin(), first.end());
    store.append(std::move(first));
    expectSame(store, model, "append");

    int next = 1000000;
    for (int round = 0; round < 4000; ++round) {
        const int pos = int(random() % (model.size() + 1));
        if (random() % 2 || model.empty()) {
            store.insert(pos, next);
            model.insert(model.begin() + pos, next++);
        } else if (pos < int(model.size())) {
            store.erase(pos);
            model.erase(model.begin() + pos);
        }
    }
    expectSame(store, model, "random changes");

    // a pass deleting every second row where it stands
    for (int i = 1; i < int(model.size()); ++i) {
        store.erase(i);
        model.erase(model.begin() + i);
    }
    expectSame(store, model, "pass");

    // a range across chunks taken out and put back
    const int from = int(model.size()) / 4;
    const int n = std::min(RowStore<int>::chunkRows + 5, int(model.size()) - from);
    RowVector<int> taken = store.take(from, n);
    ASSERT_EQ(int(taken.size()), n);
    EXPECT_TRUE(std::equal(taken.begin(), taken.end(), model.begin() + from));
    store.put(from, std::move(taken));
    expectSame(store, model, "take and put");

    // a whole table taken, and the tail taken and appended again
    RowVector<int> all = store.take(0, store.size());
    EXPECT_TRUE(store.empty());
    store.append(std::move(all));
    RowVector<int> tail = store.take(store.size() - 10, 10);
    store.put(store.size(), std::move(tail));
    expectSame(store, model, "whole table");
}

TEST(RowStore, GrowsFromEmptyOneRowAtATime)
{
    RowStore<int> store;
    std::vector<int> model;
    for (int i = 0; i < 2 * RowStore<int>::chunkRows + 3; ++i) {
        store.insert(i % 2 ? store.size() : 0, i);
        model.insert(i % 2 ? model.end() : model.begin(), i);
    }
    expectSame(store, model, "grown");
    while (!model.empty()) {
        store.erase(0);
        model.erase(model.begin());
    }
    EXPECT_TRUE(store.empty());
    store.insert(0, 5);
    EXPECT_EQ(store[0], 5);
}

}  // namespace
