// Typed values and numbered tables on the key-value store, and the registry
// rules the in-memory store keeps so that the settings tests mean something.
#include <gtest/gtest.h>

#include "app/store/memory_store.h"
#include "app/store/store_values.h"
#include "settings_test_support.h"

using settings_test::Number;
using settings_test::Text;

namespace {

class StoreValuesTest : public ::testing::Test {
protected:
    std::unique_ptr<store::StoreKey> Key() { return store.Create(store::Root::kCurrentUser, "Software\\Test"); }
    store::MemoryStore store;
};

TEST_F(StoreValuesTest, NumbersAreLittleEndianDwords) {
    auto key = Key();
    ASSERT_TRUE(key->WriteNumber("n", 0x12345678));
    store::Value raw;
    ASSERT_TRUE(key->Read("n", raw));
    EXPECT_EQ(raw.data, std::string("\x78\x56\x34\x12", 4));
    std::uint32_t number = 0;
    EXPECT_TRUE(store::ReadNumber(*key, "N", number));  // names ignore case
    EXPECT_EQ(number, 0x12345678u);
}

TEST_F(StoreValuesTest, TextsAreStoredWithTheirTerminatingZero) {
    auto key = Key();
    ASSERT_TRUE(key->WriteText("t", "abc"));
    store::Value raw;
    ASSERT_TRUE(key->Read("t", raw));
    EXPECT_EQ(raw.data, std::string("abc\0", 4));
}

TEST_F(StoreValuesTest, RegistryStringsHoldUpToTwoHundredFiftyNineCharacters) {
    store.PutValue(store::Root::kCurrentUser, "Software\\Test", "ok", Text(std::string(259, 'x')));
    store.PutValue(store::Root::kCurrentUser, "Software\\Test", "long", Text(std::string(260, 'x')));
    EXPECT_EQ(store::ReadRegistryString(store, store::Root::kCurrentUser, "Software\\Test", "ok"),
              std::string(259, 'x'));
    EXPECT_EQ(store::ReadRegistryString(store, store::Root::kCurrentUser, "Software\\Test", "long"),
              std::nullopt);
    EXPECT_EQ(store::ReadRegistryString(store, store::Root::kCurrentUser, "Software\\None", "ok"),
              std::nullopt);
}

TEST_F(StoreValuesTest, WriteRegistryStringCreatesTheSubkeyOrWritesTheRoot) {
    EXPECT_TRUE(store::WriteRegistryString(store, store::Root::kLocalMachine, "Software\\A\\B",
                                           "Name", "value"));
    EXPECT_EQ(store::ReadRegistryString(store, store::Root::kLocalMachine, "Software\\A\\B", "Name"),
              "value");
    EXPECT_TRUE(store::WriteRegistryString(store, store::Root::kCurrentUser, "", "Top", "t"));
    EXPECT_EQ(store::ReadRegistryString(store, store::Root::kCurrentUser, "", "Top"), "t");
}

TEST_F(StoreValuesTest, NumberedValuesStopAtTheFirstFailingWrite) {
    store.FailWritesOf("2");
    auto key = Key();
    EXPECT_FALSE(store::WriteNumberedValues(*key, "Col", std::vector<std::string>{"a", "b", "c", "d"}, true));
    auto column = key->Open("Col");
    EXPECT_EQ(store::ReadNumberedTexts(*column, 100), (std::vector<std::string>{"a", "b"}));
    store::Value raw;
    EXPECT_FALSE(column->Read("3", raw));
}

TEST_F(StoreValuesTest, PruningStopsAtTheFirstMissingValue) {
    auto key = Key();
    ASSERT_TRUE(store::WriteNumberedValues(*key, "Col", std::vector<std::uint32_t>{1, 2, 3, 4}, false));
    ASSERT_TRUE(key->Create("Col")->WriteNumber("6", 7));
    ASSERT_TRUE(store::WriteNumberedValues(*key, "Col", std::vector<std::uint32_t>{9}, true));
    auto column = key->Open("Col");
    store::Value raw;
    EXPECT_TRUE(column->Read("0", raw));
    EXPECT_FALSE(column->Read("1", raw));
    EXPECT_FALSE(column->Read("3", raw));
    EXPECT_TRUE(column->Read("6", raw));  // beyond the gap: never read back either
}

TEST_F(StoreValuesTest, NumberedTextsEndAtTheLimitOrTheFirstBadValue) {
    auto key = Key();
    ASSERT_TRUE(store::WriteNumberedValues(*key, "Col", std::vector<std::string>{"a", "b", "c"}, false));
    EXPECT_EQ(store::ReadNumberedTexts(*key->Open("Col"), 2).size(), 2u);
    key->Create("Col")->WriteNumber("1", 5);
    EXPECT_EQ(store::ReadNumberedTexts(*key->Open("Col"), 100), std::vector<std::string>{"a"});
}

// --- registry rules of the in-memory store ------------------------------------------

TEST_F(StoreValuesTest, AKeyOpenedForReadingRefusesWrites) {
    Key()->WriteNumber("n", 1);
    auto reading = store.Open(store::Root::kCurrentUser, "Software\\Test");
    EXPECT_FALSE(reading->WriteNumber("n", 2));
    EXPECT_FALSE(reading->WriteText("t", "x"));
    EXPECT_FALSE(reading->DeleteValue("n"));
}

TEST_F(StoreValuesTest, OnlyKeysWithoutSubkeysCanBeDeleted) {
    auto root = store.Create(store::Root::kCurrentUser, "Software");
    root->Create("Test\\Inner");
    EXPECT_FALSE(root->DeleteSubkey("Test"));
    EXPECT_TRUE(root->DeleteSubkey("test\\inner"));
    EXPECT_EQ(root->SubkeyCount(), 1);
    EXPECT_TRUE(root->DeleteSubkey("Test"));
    EXPECT_EQ(root->SubkeyCount(), 0);
}

TEST_F(StoreValuesTest, ADeletedKeysHandlesStopWorking) {
    auto key = Key();
    ASSERT_TRUE(store.Create(store::Root::kCurrentUser, "Software")->DeleteSubkey("Test"));
    EXPECT_FALSE(key->WriteNumber("n", 1));
    EXPECT_EQ(key->Create("Sub"), nullptr);
    EXPECT_EQ(key->SubkeyCount(), -1);
}

TEST_F(StoreValuesTest, AnImageIsACopyOfTheKeyAtThatMoment) {
    auto key = Key();
    key->Create("Sub")->WriteNumber("n", 1);
    ASSERT_TRUE(key->SaveImage("C:\\image"));
    key->Create("Sub")->WriteNumber("n", 2);
    auto image = store.OpenImage("C:\\image");
    ASSERT_NE(image, nullptr);
    std::uint32_t number = 0;
    EXPECT_TRUE(store::ReadNumber(*image->Open("Sub"), "n", number));
    EXPECT_EQ(number, 1u);
    EXPECT_FALSE(image->WriteNumber("x", 1));
}

}  // namespace
