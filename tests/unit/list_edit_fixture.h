// Shared by the tests of the list editing operations: a list loaded from an
// outline written as the file would hold it, readers of its views and
// outline, and a memory gate that refuses on demand.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/list_invariants.h"
#include "model/title_text.h"
#include "model/url_list_file.h"
#include "test_support.h"

namespace list_edit_testing {

using Names = std::vector<std::string>;

// Allows a number of growths, then refuses every one (-1: never refuses).
class GrowthGate final : public MemoryGate {
public:
    bool MayGrow(std::size_t) override {
        if (allowed_ == 0) return false;
        if (allowed_ > 0) --allowed_;
        return true;
    }
    void Allow(int growths) { allowed_ = growths; }

private:
    int allowed_ = -1;
};

inline std::string Title(const std::string& url, const std::string& name) { return url + "\t" + name; }

// "category/subcategory/title" of every linked item in outline order, with
// the title's fields; aliases show their target's position in that order.
// Item numbers do not appear, so a reloaded list compares equal.
std::string Outline(const CUrlListFile& list);

Names ViewNames(const CUrlListFile& list, int level);

class ListTest : public ::testing::Test {
protected:
    static constexpr std::int64_t kNow = 1700000000;

    ListTest() : clock_(kNow), list(Env()), other(Env()) { list.SetOtherList(&other); }

    ListEnvironment Env() {
        ListEnvironment env;
        env.clock = &clock_;
        env.memory = &gate;
        return env;
    }

    // Each load gets a file of its own: a loaded list holds its file open,
    // and Windows lets nobody else write it meanwhile.
    void Load(CUrlListFile& target, const std::string& outline) {
        std::string path = folder.Path("list" + std::to_string(++files_) + ".txt");
        testing_support::WriteBytes(path, outline);
        int result = target.Load(path);
        ASSERT_TRUE(result == 0 || result == 1) << "load result " << result;
    }
    void Load(const std::string& outline) { Load(list, outline); }

    // Saves and loads the list again; the outline must come back unchanged.
    void ExpectRoundTrip(CUrlListFile& target) {
        std::string before = Outline(target);
        ASSERT_EQ(target.Save(), 0);
        ASSERT_GE(target.Load(), 0);
        EXPECT_EQ(Outline(target), before);
    }

    static void ExpectSound(const CUrlListFile& target) {
        EXPECT_EQ(ListInvariantChecker::Check(target), "");
    }

    // Selects by display names from the categories down.
    void SelectPath(CUrlListFile& target, const Names& path);
    void SelectPath(const Names& path) { SelectPath(list, path); }
    int Find(CUrlListFile& target, const std::string& name) const;  // first item with the name

    testing_support::ScratchFolder folder;
    testing_support::FixedClock clock_;
    GrowthGate gate;
    CUrlListFile list;
    CUrlListFile other;

private:
    int files_ = 0;
};

}  // namespace list_edit_testing
