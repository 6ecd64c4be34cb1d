// Writing list files: the backup, sharing with other openers, failed saves.
#include <gtest/gtest.h>

#include "model/url_list_file.h"
#include "test_support.h"

using testing_support::FailingWritesFileSystem;
using testing_support::LongestNameIn;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

namespace {

const std::string kOriginal = "preamble\r\n<1>News\r\n\t<2>Daily\r\n\t\thttp://a\tA\r\n";
const std::string kNormalized = "<1>News\r\n\t<2>Daily\r\n\t\thttp://a\tA\r\n";

class ListFileSave : public ::testing::Test {
protected:
    void SetUp() override { WriteBytes(Path(), kOriginal); }
    std::string Path() const { return folder.Path("Links.txt"); }
    std::string BackupPath() const { return folder.Path("Autobackup of Links.txt"); }

    ScratchFolder folder;
};

TEST_F(ListFileSave, FirstSaveAfterEachLoadKeepsOneBackup) {
    CUrlListFile list;
    ASSERT_EQ(list.Load(Path()), 0);
    list.InsertBefore(0, "Second", kCategory);
    EXPECT_TRUE(list.IsModified());
    ASSERT_EQ(list.Save(), 0);
    EXPECT_FALSE(list.IsModified());
    EXPECT_EQ(ReadBytes(BackupPath()), kOriginal);
    EXPECT_EQ(ReadBytes(Path()), kNormalized + "<1>Second\r\n");

    list.InsertBefore(0, "Third", kCategory);
    ASSERT_EQ(list.Save(), 0);
    EXPECT_EQ(ReadBytes(BackupPath()), kOriginal) << "only the first save after a load";

    ASSERT_EQ(list.Load(), 0);
    ASSERT_EQ(list.Save(), 0);
    EXPECT_EQ(ReadBytes(BackupPath()), kNormalized + "<1>Second\r\n<1>Third\r\n");
}

TEST_F(ListFileSave, HeldFileOpensReadOnlyElsewhere) {
    CUrlListFile owner;
    ASSERT_EQ(owner.Load(Path()), 0);

    platform::OsError error = 0;
    auto& files = platform::OsFileSystem();
    EXPECT_EQ(files.Open(Path(), platform::OpenMode::ReadWriteDenyWrite, error), nullptr);
    EXPECT_EQ(files.Classify(error), platform::ErrorKind::AccessOrSharing);
    EXPECT_NE(files.Open(Path(), platform::OpenMode::ReadShareAll, error), nullptr)
        << "readers are still welcome";

    {
        CUrlListFile emptied;
        ASSERT_EQ(emptied.Load(Path()), 3);
        owner.Reset();
        ASSERT_EQ(emptied.Load(Path()), 0) << "an emptied list lets go of its file";
        emptied.Reset();
        ASSERT_EQ(owner.Load(Path()), 0);
    }

    CUrlListFile second;
    ASSERT_EQ(second.Load(Path()), 3);
    EXPECT_TRUE(second.IsReadOnly());
    second.InsertBefore(0, "Ignored", kCategory);
    EXPECT_EQ(second.Save(), 0);
    EXPECT_EQ(ReadBytes(Path()), kOriginal) << "a read-only list writes nothing";
    EXPECT_FALSE(files.Exists(BackupPath()));
    ASSERT_EQ(second.SaveCopy(folder.Path("copy.txt")), 0);
    EXPECT_EQ(ReadBytes(folder.Path("copy.txt")), kNormalized + "<1>Ignored\r\n");

    // Saving replaces the file; the owner must hold the new one afterwards.
    ASSERT_EQ(owner.Save(), 0);
    EXPECT_EQ(files.Open(Path(), platform::OpenMode::ReadWriteDenyWrite, error), nullptr);
}

TEST_F(ListFileSave, FailedWriteLeavesTheFileAsItWas) {
    for (std::size_t budget : {std::size_t{0}, std::size_t{5}, kOriginal.size() + 5}) {
        FailingWritesFileSystem files(budget);
        ListEnvironment env;
        env.files = &files;
        CUrlListFile list(env);
        ASSERT_EQ(list.Load(Path()), 0);
        list.InsertBefore(0, "Lost for now", kCategory);

        int error = list.Save();
        EXPECT_EQ(error, FailingWritesFileSystem::kDiskFull) << "budget " << budget;
        EXPECT_EQ(ReadBytes(Path()), kOriginal) << "budget " << budget;
        EXPECT_TRUE(list.IsModified());
        for (const std::string& created : files.created)
            EXPECT_FALSE(files.Exists(created)) << "no stray temporary file: " << created;
        EXPECT_FALSE(list.IsReadOnly());
        if (files.Exists(BackupPath())) {
            EXPECT_EQ(ReadBytes(BackupPath()), kOriginal);
        }
    }
    CUrlListFile list;
    ASSERT_EQ(list.Load(Path()), 0) << "nobody holds the file after the failures";
}

TEST_F(ListFileSave, SaveCopyAndSameFile) {
    CUrlListFile list;
    EXPECT_FALSE(list.IsSameFile(Path())) << "a closed list is no file";
    ASSERT_EQ(list.Load(Path()), 0);
    EXPECT_TRUE(list.IsSameFile(Path()));
    EXPECT_TRUE(list.IsSameFile(folder.Path("./Links.txt")));
    EXPECT_FALSE(list.IsSameFile(folder.Path("Other.txt")));

    EXPECT_NE(list.SaveCopy(folder.Path("no such folder/copy.txt")), 0);
    ASSERT_EQ(list.SaveCopy(folder.Path("copy.txt")), 0);
    EXPECT_FALSE(list.IsModified());
    EXPECT_EQ(ReadBytes(folder.Path("copy.txt")), kNormalized);
    EXPECT_EQ(ReadBytes(Path()), kOriginal) << "a copy leaves the list's own file alone";
}

TEST_F(ListFileSave, ACopyReplacesAFileWholeOrNotAtAll) {
    const std::string existing = folder.Path("copy.txt");
    const std::string fresh = folder.Path("fresh.txt");
    for (std::size_t budget : {std::size_t{0}, std::size_t{5}}) {
        WriteBytes(existing, "kept\r\n");
        FailingWritesFileSystem files(budget);
        ListEnvironment env;
        env.files = &files;
        CUrlListFile list(env);
        ASSERT_EQ(list.Load(Path()), 0);
        EXPECT_EQ(list.SaveCopy(existing), FailingWritesFileSystem::kDiskFull) << "budget " << budget;
        EXPECT_EQ(ReadBytes(existing), "kept\r\n") << "budget " << budget;
        EXPECT_EQ(list.SaveCopy(fresh), FailingWritesFileSystem::kDiskFull) << "budget " << budget;
        for (const std::string& created : files.created)
            if (created != existing) {
                EXPECT_FALSE(files.Exists(created)) << "nothing half written: " << created;
            }
    }
    CUrlListFile list;
    ASSERT_EQ(list.Load(Path()), 0);
    ASSERT_EQ(list.SaveCopy(existing), 0);
    EXPECT_EQ(ReadBytes(existing), kNormalized);
}

TEST_F(ListFileSave, AListNearThePathLimitSaves) {
    const std::string path = folder.Path(std::string(LongestNameIn(folder) - 4, 'n') + ".txt");
    WriteBytes(path, kOriginal);
    CUrlListFile list;
    ASSERT_EQ(list.Load(path), 0);
    list.InsertBefore(0, "Second", kCategory);
    ASSERT_EQ(list.Save(), 0);
    EXPECT_EQ(ReadBytes(path), kNormalized + "<1>Second\r\n");
}

}  // namespace
