// Switching the current list among the configured ones: which model keeps
// which list, what is read again, and what a failed switch leaves.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "app/lists/list_models.h"
#include "test_support.h"

namespace {

constexpr int kNone = -1;
constexpr int kA = 0;
constexpr int kB = 1;
constexpr int kC = 2;

class ListModelsTest : public ::testing::Test {
protected:
    ListModelsTest() {
        const char* names[] = {"A", "B", "C"};
        for (int index = kA; index <= kC; ++index) {
            std::string path = folder.Path(std::string(names[index]) + ".txt");
            testing_support::WriteBytes(path, std::string("<1>") + names[index] + "\n<2>Sub\nhttp://" +
                                                  names[index] + "\tTitle\n");
            paths[index] = path;
        }
    }

    // Opens list `current` into the model it is handed, as the application
    // does, and remembers each call.
    bool Select(int index) {
        return models.Select(current, index, [this](CUrlListFile& model) {
            opened.push_back({current, &model});
            if (failing.count(current)) return false;
            return model.Load(paths[current]) >= 0;
        });
    }

    // Opens `index` and marks its first category.
    void OpenWithMarks(int index) {
        ASSERT_TRUE(Select(index));
        models.Current().Select(kCategory, 0);
        ASSERT_EQ(models.Current().MarkSelected(kCategory), kCategory);
        opened.clear();
    }

    bool Shows(const CUrlListFile& model, int index) const { return model.IsSameFile(paths.at(index)); }

    struct Opened {
        int index;
        CUrlListFile* model;
    };

    testing_support::ScratchFolder folder;
    std::map<int, std::string> paths;
    std::map<int, bool> failing;
    std::vector<Opened> opened;
    CListModels models;
    int current = kNone;
};

TEST_F(ListModelsTest, AListWithoutMarksIsReplacedInItsModel) {
    ASSERT_TRUE(Select(kA));
    CUrlListFile* model = &models.Current();
    ASSERT_TRUE(Select(kB));
    EXPECT_EQ(current, kB);
    EXPECT_EQ(&models.Current(), model);
    EXPECT_TRUE(Shows(models.Current(), kB));
    EXPECT_EQ(models.Other(), nullptr);
    EXPECT_EQ(models.PreviousIndex(), kA);
}

TEST_F(ListModelsTest, AListLeftWithMarksStaysAsTheOtherList) {
    OpenWithMarks(kA);
    CUrlListFile* modelA = &models.Current();
    ASSERT_TRUE(Select(kB));
    EXPECT_EQ(current, kB);
    EXPECT_NE(&models.Current(), modelA);
    EXPECT_TRUE(Shows(models.Current(), kB));
    ASSERT_EQ(models.Other(), modelA);
    EXPECT_EQ(models.PreviousIndex(), kA);
    EXPECT_EQ(modelA->MarkCount(), 1);
    // Paired, so that B can take A's marked items.
    EXPECT_EQ(models.Current().OtherList(), modelA);
    EXPECT_EQ(modelA->OtherList(), &models.Current());
}

TEST_F(ListModelsTest, SwitchingBackToTheOtherListReadsNothing) {
    OpenWithMarks(kA);
    CUrlListFile* modelA = &models.Current();
    ASSERT_TRUE(Select(kB));
    CUrlListFile* modelB = &models.Current();
    opened.clear();

    ASSERT_TRUE(Select(kA));
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(current, kA);
    EXPECT_EQ(&models.Current(), modelA);
    EXPECT_EQ(modelA->MarkCount(), 1);
    EXPECT_EQ(models.Other(), modelB);
    EXPECT_EQ(models.PreviousIndex(), kB);

    ASSERT_TRUE(Select(kB));
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(&models.Current(), modelB);
}

TEST_F(ListModelsTest, AThirdListLoadsIntoTheSecondListsModelAndKeepsTheMarkedOne) {
    OpenWithMarks(kA);
    CUrlListFile* modelA = &models.Current();
    ASSERT_TRUE(Select(kB));
    CUrlListFile* modelB = &models.Current();

    ASSERT_TRUE(Select(kC));
    EXPECT_EQ(current, kC);
    EXPECT_EQ(&models.Current(), modelB);
    EXPECT_TRUE(Shows(models.Current(), kC));
    EXPECT_EQ(models.Other(), modelA);
    EXPECT_EQ(models.PreviousIndex(), kA);
    EXPECT_EQ(modelA->MarkCount(), 1);
}

TEST_F(ListModelsTest, AnOtherListWhoseMarksAreGoneIsDroppedAtTheNextSwitch) {
    OpenWithMarks(kA);
    ASSERT_TRUE(Select(kB));
    models.Other()->ClearMarks();
    ASSERT_TRUE(Select(kC));
    EXPECT_EQ(models.Other(), nullptr);
    EXPECT_EQ(models.PreviousIndex(), kB);
    EXPECT_TRUE(Shows(models.Current(), kC));
}

TEST_F(ListModelsTest, SelectingTheCurrentListWithMarksKeepsItsModel) {
    OpenWithMarks(kA);
    CUrlListFile* modelA = &models.Current();
    ASSERT_TRUE(Select(kA));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].model, modelA);
    EXPECT_EQ(&models.Current(), modelA);
    EXPECT_EQ(models.Other(), nullptr);
}

TEST_F(ListModelsTest, AFailedSwitchFromAMarkedListChangesNothing) {
    OpenWithMarks(kA);
    CUrlListFile* modelA = &models.Current();
    failing[kB] = true;
    EXPECT_FALSE(Select(kB));
    EXPECT_EQ(current, kA);
    EXPECT_EQ(&models.Current(), modelA);
    EXPECT_EQ(modelA->MarkCount(), 1);
    EXPECT_EQ(models.Other(), nullptr);
    EXPECT_EQ(modelA->OtherList(), nullptr);
}

TEST_F(ListModelsTest, AFailedSwitchWhileAnotherListHoldsMarksKeepsBoth) {
    OpenWithMarks(kA);
    CUrlListFile* modelA = &models.Current();
    ASSERT_TRUE(Select(kB));
    CUrlListFile* modelB = &models.Current();
    failing[kC] = true;
    EXPECT_FALSE(Select(kC));
    EXPECT_EQ(current, kB);
    EXPECT_EQ(&models.Current(), modelB);
    EXPECT_TRUE(Shows(*modelB, kB));
    EXPECT_EQ(models.Other(), modelA);
    EXPECT_EQ(models.PreviousIndex(), kA);
}

TEST_F(ListModelsTest, AFailedSwitchFromAnUnmarkedListKeepsTheIndex) {
    ASSERT_TRUE(Select(kA));
    failing[kB] = true;
    EXPECT_FALSE(Select(kB));
    EXPECT_EQ(current, kA);
    EXPECT_TRUE(Shows(models.Current(), kA));
}

TEST_F(ListModelsTest, DiscardingTheOtherListUnpairsTheCurrentOne) {
    OpenWithMarks(kA);
    ASSERT_TRUE(Select(kB));
    models.DiscardOther();
    EXPECT_EQ(models.Other(), nullptr);
    EXPECT_EQ(models.PreviousIndex(), kA);  // still where Ctrl+Tab goes
    EXPECT_EQ(models.Current().OtherList(), nullptr);
}

// The other list removed from the list table keeps its marks, but "no
// list" must not bring it back.
TEST_F(ListModelsTest, AnOtherListNoLongerInTheTableIsNotSelectedAsNoList) {
    OpenWithMarks(kA);
    ASSERT_TRUE(Select(kB));
    CUrlListFile* modelA = models.Other();
    models.SetPreviousIndex(kNone);
    Select(kNone);
    EXPECT_NE(&models.Current(), modelA);
    EXPECT_EQ(models.Other(), modelA);
    EXPECT_EQ(models.PreviousIndex(), kNone);
}

}  // namespace
