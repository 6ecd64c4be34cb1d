// Unique<Traits> with a trait that counts closes instead of closing.
#include "win/unique.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

namespace {

// Handles are ints; -1 owns nothing, as INVALID_HANDLE_VALUE does for files,
// so that 0 is a handle like any other.
struct CountingTraits {
    using Handle = int;
    static Handle Invalid() noexcept { return -1; }
    static void Close(Handle handle) noexcept { closed.push_back(handle); }
    static std::vector<int> closed;
};
std::vector<int> CountingTraits::closed;

using UniqueCounted = win::Unique<CountingTraits>;

class UniqueTest : public ::testing::Test {
protected:
    void SetUp() override { CountingTraits::closed.clear(); }
    static const std::vector<int>& Closed() { return CountingTraits::closed; }
};

static_assert(!std::is_copy_constructible_v<UniqueCounted>);
static_assert(!std::is_copy_assignable_v<UniqueCounted>);
static_assert(std::is_nothrow_move_constructible_v<UniqueCounted>);
static_assert(std::is_nothrow_move_assignable_v<UniqueCounted>);

TEST_F(UniqueTest, DefaultOwnsTheInvalidValueAndClosesNothing) {
    {
        UniqueCounted none;
        EXPECT_FALSE(none);
        EXPECT_EQ(none.Get(), -1);
    }
    EXPECT_TRUE(Closed().empty());
}

TEST_F(UniqueTest, ClosesItsHandleOnceAtTheEndOfItsScope) {
    {
        UniqueCounted zero(0);  // 0 is a valid handle for this trait
        EXPECT_TRUE(zero);
    }
    EXPECT_EQ(Closed(), std::vector<int>{0});
}

TEST_F(UniqueTest, MoveConstructionTransfersOwnership) {
    {
        UniqueCounted first(5);
        UniqueCounted second(std::move(first));
        EXPECT_FALSE(first);  // the moved-from state is specified
        EXPECT_EQ(second.Get(), 5);
    }
    EXPECT_EQ(Closed(), std::vector<int>{5});
}

TEST_F(UniqueTest, MoveAssignmentClosesTheHandleItReplaces) {
    UniqueCounted target(1);
    UniqueCounted source(2);
    target = std::move(source);
    EXPECT_EQ(Closed(), std::vector<int>{1});
    EXPECT_EQ(target.Get(), 2);
    EXPECT_FALSE(source);
}

TEST_F(UniqueTest, SelfMoveAssignmentKeepsTheHandleOpen) {
    UniqueCounted handle(3);
    UniqueCounted& alias = handle;
    handle = std::move(alias);
    EXPECT_TRUE(Closed().empty());
    EXPECT_EQ(handle.Get(), 3);
}

TEST_F(UniqueTest, ReleaseGivesUpOwnershipWithoutClosing) {
    int raw;
    {
        UniqueCounted handle(4);
        raw = handle.Release();
        EXPECT_FALSE(handle);
    }
    EXPECT_EQ(raw, 4);
    EXPECT_TRUE(Closed().empty());
}

TEST_F(UniqueTest, ResetClosesTheOldHandleAndOwnsTheNewOne) {
    UniqueCounted handle(6);
    handle.Reset(7);
    EXPECT_EQ(Closed(), std::vector<int>{6});
    handle.Reset();
    EXPECT_EQ(Closed(), (std::vector<int>{6, 7}));
    EXPECT_FALSE(handle);
}

TEST_F(UniqueTest, ResetToTheHandleAlreadyOwnedKeepsItOpen) {
    UniqueCounted handle(8);
    handle.Reset(handle.Get());
    EXPECT_TRUE(Closed().empty());
    EXPECT_EQ(handle.Get(), 8);
}

TEST_F(UniqueTest, PutClosesThePresentHandleAndReceivesANewOne) {
    UniqueCounted handle(9);
    *handle.Put() = 10;  // what an API with an out parameter does
    EXPECT_EQ(Closed(), std::vector<int>{9});
    EXPECT_EQ(handle.Get(), 10);
}

TEST_F(UniqueTest, PutOnAnEmptyOwnerClosesNothing) {
    UniqueCounted handle;
    int* slot = handle.Put();
    EXPECT_EQ(*slot, -1);
    EXPECT_TRUE(Closed().empty());
}

TEST_F(UniqueTest, HandlesInAVectorAreClosedOnceEach) {
    {
        std::vector<UniqueCounted> handles;
        for (int i = 0; i < 20; ++i) handles.emplace_back(i);  // reallocations move them
    }
    ASSERT_EQ(Closed().size(), 20u);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(Closed()[static_cast<std::size_t>(i)], i);
}

}  // namespace
