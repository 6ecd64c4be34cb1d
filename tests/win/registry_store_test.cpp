// The registry backend of the settings store: value kinds, access rules, and
// the hive image written with RegSaveKeyA and mounted with RegLoadKeyA.
#include "registry_test_support.h"

#include <fstream>

#include "app/store/store_values.h"
#include "app/win32/registry_store.h"
#include "app/win32/token_privilege.h"

using namespace registry_test;

namespace {

constexpr const char* kArea = "Software\\Vellinor Store Tests";

class RegistryStoreTest : public ::testing::Test {
protected:
    std::unique_ptr<store::StoreKey> Area() { return registry.Create(store::Root::kCurrentUser, kArea); }
    std::uint32_t NumberIn(const store::StoreKey& key, const char* name) {
        std::uint32_t number = 0xDEADBEEF;
        store::ReadNumber(key, name, number);
        return number;
    }

    ScopedKeyTree area{HKEY_CURRENT_USER, kArea};
    RegistryStore registry;
};

TEST_F(RegistryStoreTest, ValuesReadBackWithTheirKinds) {
    auto key = Area();
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->WriteText("text", "hello"));
    ASSERT_TRUE(key->WriteNumber("number", 0x01020304));
    ASSERT_EQ(SetRaw(HKEY_CURRENT_USER, kArea, "binary", REG_BINARY, "\x01\x02\x03\x04"), ERROR_SUCCESS);
    ASSERT_EQ(SetRaw(HKEY_CURRENT_USER, kArea, "expand", REG_EXPAND_SZ, std::string("%TEMP%", 7)),
              ERROR_SUCCESS);

    store::Value value;
    ASSERT_TRUE(key->Read("TEXT", value));
    EXPECT_EQ(value.kind, store::ValueKind::kText);
    EXPECT_EQ(value.data, std::string("hello", 6));  // with its zero
    ASSERT_TRUE(key->Read("number", value));
    EXPECT_EQ(value.kind, store::ValueKind::kNumber);
    EXPECT_EQ(NumberIn(*key, "number"), 0x01020304u);
    ASSERT_TRUE(key->Read("binary", value));
    EXPECT_EQ(value.kind, store::ValueKind::kOther);
    ASSERT_TRUE(key->Read("expand", value));
    EXPECT_EQ(value.kind, store::ValueKind::kExpandableText);
    EXPECT_FALSE(key->Read("missing", value));
}

TEST_F(RegistryStoreTest, DefaultValuesAndTheRootItselfAreReachable) {
    ASSERT_EQ(SetText(HKEY_CURRENT_USER, std::string(kArea) + "\\App", "", "C:\\app.exe"), ERROR_SUCCESS);
    EXPECT_EQ(store::ReadRegistryString(registry, store::Root::kCurrentUser,
                                        std::string(kArea) + "\\App", ""),
              "C:\\app.exe");
    auto root = registry.Open(store::Root::kCurrentUser, "");
    ASSERT_NE(root, nullptr);
    EXPECT_NE(root->Open("Software"), nullptr);
}

TEST_F(RegistryStoreTest, AKeyOpenedForReadingRefusesWrites) {
    Area()->WriteNumber("n", 1);
    auto reading = registry.Open(store::Root::kCurrentUser, kArea);
    ASSERT_NE(reading, nullptr);
    EXPECT_FALSE(reading->WriteNumber("n", 2));
    EXPECT_EQ(NumberIn(*reading, "n"), 1u);
}

TEST_F(RegistryStoreTest, DeletingKeysAndValues) {
    auto key = Area();
    key->Create("Outer\\Inner")->WriteNumber("n", 1);
    EXPECT_FALSE(key->DeleteSubkey("Outer"));  // still has a subkey
    EXPECT_EQ(key->SubkeyCount(), 1);
    EXPECT_TRUE(key->DeleteSubkey("Outer\\Inner"));
    EXPECT_TRUE(key->DeleteSubkey("Outer"));
    EXPECT_EQ(key->SubkeyCount(), 0);
    key->WriteNumber("n", 1);
    EXPECT_TRUE(key->DeleteValue("n"));
    EXPECT_FALSE(key->DeleteValue("n"));
}

// --- the hive image ---------------------------------------------------------------------

class RegistryImageTest : public RegistryStoreTest {
protected:
    std::string File() const { return folder.Path() + "Image.sav"; }
    ScratchFolder folder;
};

TEST_F(RegistryImageTest, AnImageBringsBackADeletedKeyWithItsSubkeys) {
    auto key = Area();
    key->WriteText("name", "value");
    key->Create("Sub")->WriteNumber("n", 42);
    ASSERT_TRUE(key->SaveImage(File()));
    key.reset();
    area.Delete();
    ASSERT_FALSE(area.Exists());

    ASSERT_TRUE(registry.ImageExists(File()));
    auto image = registry.OpenImage(File());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(NumberIn(*image->Open("Sub"), "n"), 42u);
    std::string text;
    EXPECT_TRUE(store::ReadText(*image, "name", 255, text));
    EXPECT_EQ(text, "value");
}

TEST_F(RegistryImageTest, TheImageIsUnmountedWhenItsKeyCloses) {
    Area()->WriteNumber("n", 1);
    ASSERT_TRUE(Area()->SaveImage(File()));
    registry.OpenImage(File()).reset();
    HKEY mounted = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_USERS, RegistryStore::kImageMountName, 0, KEY_READ, &mounted),
              ERROR_SUCCESS);
    // A second opening needs the mount point free again.
    auto again = registry.OpenImage(File());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(NumberIn(*again, "n"), 1u);
}

TEST_F(RegistryImageTest, AMountLeftBehindByAnEarlierRunDoesNotBlockLoading) {
    Area()->WriteNumber("n", 3);
    ASSERT_TRUE(Area()->SaveImage(File()));
    std::string stale = folder.Path() + "Stale.sav";
    ASSERT_TRUE(registry.Create(store::Root::kCurrentUser, std::string(kArea) + "\\Stale")->SaveImage(stale));
    {
        ScopedPrivilege restore("SeRestorePrivilege");
        ASSERT_EQ(::RegLoadKeyA(HKEY_USERS, RegistryStore::kImageMountName, stale.c_str()), ERROR_SUCCESS);
    }
    auto image = registry.OpenImage(File());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(NumberIn(*image, "n"), 3u);
}

TEST_F(RegistryImageTest, SavingReplacesAnOldReadOnlyImage) {
    auto key = Area();
    key->WriteNumber("n", 1);
    ASSERT_TRUE(key->SaveImage(File()));
    ::SetFileAttributesA(File().c_str(), FILE_ATTRIBUTE_READONLY);
    key->WriteNumber("n", 2);
    ASSERT_TRUE(key->SaveImage(File()));
    auto image = registry.OpenImage(File());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(NumberIn(*image, "n"), 2u);
}

TEST_F(RegistryImageTest, MissingAndCorruptImagesDoNotOpen) {
    EXPECT_FALSE(registry.ImageExists(File()));
    EXPECT_EQ(registry.OpenImage(File()), nullptr);
    std::ofstream(File(), std::ios::binary) << "regf this is not a hive\r\n\x01\x02";
    EXPECT_TRUE(registry.ImageExists(File()));
    EXPECT_EQ(registry.OpenImage(File()), nullptr);
}

TEST_F(RegistryImageTest, ShortPathsNameExistingFoldersOnly) {
    std::string shortPath;
    ASSERT_TRUE(registry.ShortPath(folder.Path(), shortPath));
    EXPECT_EQ(::GetFileAttributesA(shortPath.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_FALSE(registry.ShortPath(folder.Path() + "missing\\", shortPath));
}

}  // namespace
