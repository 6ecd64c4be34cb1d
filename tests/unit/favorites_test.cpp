// Folder trees of shortcuts: the Favorites and Start Menu imports and the
// Favorites export.
#include <gtest/gtest.h>

#include "exchange/favorites.h"
#include "exchange_test_support.h"

using exchange_testing::CLoadedList;
using testing_support::FixedClock;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

void WriteShortcut(const fs::path& path, const std::string& url) {
    fs::create_directories(path.parent_path());
    WriteBytes(path.string(), "[InternetShortcut]\r\nURL=" + url + "\r\n");
}

class FavoritesImport : public ::testing::Test {
protected:
    Lines Import() {
        EXPECT_EQ(ImportFavorites(folder.Path("list.txt"), root.string()), 0);
        CLoadedList list(ReadBytes(folder.Path("list.txt")));
        EXPECT_TRUE(list.WritesBackUnchanged());
        return list.Outline();
    }

    ScratchFolder folder;
    fs::path root = folder.Root() / "Favorites";
};

TEST_F(FavoritesImport, TopFoldersAreCategoriesAndDeeperOnesSubcategories) {
    WriteShortcut(root / "Loose.url", "http://loose/");
    WriteShortcut(root / "Links" / "First.url", "http://first/");
    WriteShortcut(root / "Links" / "Tools" / "a.url", "http://a/");
    WriteShortcut(root / "Links" / "Tools" / "Deeper" / "b.url", "http://b/");
    WriteShortcut(root / "Python 3.12" / "Docs.url", "http://docs/");
    WriteBytes((root / "desktop.ini").string(), "[.ShellClassInfo]\r\n");
    WriteBytes((root / "Broken.url").string(), "[InternetShortcut]\r\n");
    fs::create_directories(root / "Empty");
    EXPECT_EQ(Import(), (Lines{"C Uncategorized", "S Uncategorized", "T Loose <http://loose/>", "C Empty",
                               "C Links", "S Uncategorized", "T First <http://first/>", "S Tools",
                               "T a <http://a/>", "S Deeper", "T b <http://b/>", "C Python 3.12",
                               "S Uncategorized", "T Docs <http://docs/>"}));
}

TEST_F(FavoritesImport, ARootThatCannotBeListedFailsAndWritesNothing) {
    WriteBytes(folder.Path("list.txt"), "<1>kept\r\n");
    EXPECT_EQ(ImportFavorites(folder.Path("list.txt"), (root / "missing").string()), -1);
    EXPECT_EQ(ReadBytes(folder.Path("list.txt")), "<1>kept\r\n");
}

class CRecordProblems final : public CFavoritesExportProblem {
public:
    explicit CRecordProblems(bool goOn) : goOn_(goOn) {}
    bool GoOn(std::string_view category, std::string_view subcategory, std::string_view title,
              platform::OsError) override {
        asked.push_back(std::string(category) + " - " + std::string(subcategory) + " - " + std::string(title));
        return goOn_;
    }
    Lines asked;

private:
    bool goOn_;
};

class FavoritesExport : public ::testing::Test {
protected:
    FavoritesExport() : list(exchange_testing::WesternEnvironment(clock)) {
        fs::create_directories(target);
    }
    void Load(const std::string& text) {
        WriteBytes(folder.Path("list.txt"), text);
        ASSERT_EQ(list.Load(folder.Path("list.txt")), 0);
    }
    // Every file below the scratch folder, relative to it.
    Lines Files() const {
        Lines files;
        for (const auto& entry : fs::recursive_directory_iterator(folder.Root()))
            if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), folder.Root()).generic_string());
        std::sort(files.begin(), files.end());
        return files;
    }

    ScratchFolder folder;
    fs::path target = folder.Root() / "out";
    FixedClock clock{1700000000};
    CUrlListFile list;
};

TEST_F(FavoritesExport, AFolderPerCategoryAndSubcategoryAndAShortcutPerTitle) {
    Load("<1>News\r\n\t<2>Daily\r\n\t\thttp://a/\tA: first\t\xA6#7\r\n\t\thttp://b/\tA: first\r\n\t\t---\r\n"
         "\t\thttp://c/\t" + std::string(70, 'c') + "\r\n\t<2>---\r\n\t<2>Weekly\r\n\t\thttp://w/\tW\r\n"
         "<1>Other\r\n\t\thttp://o/\tDirect\r\n\t\talias:7\r\n");
    CRecordProblems problems(true);
    ASSERT_EQ(ExportFavorites(list, target.string(), problems), 0);
    EXPECT_TRUE(problems.asked.empty());
    EXPECT_EQ(Files(), (Lines{"list.txt", "out/News/Daily/A  first.url",
                              "out/News/Daily/" + std::string(61, 'c') + "....url", "out/News/Weekly/W.url",
                              "out/Other/A  first.url", "out/Other/Direct.url"}));
    // The second title of the same name replaces the first.
    EXPECT_EQ(ReadBytes((target / "News" / "Daily" / "A  first.url").string()),
              "[InternetShortcut]\r\nURL=http://b/\r\n");
}

TEST_F(FavoritesExport, HostileNamesStayInsideTheTarget) {
    Load("<1>..\r\n\t<2>..\\..\r\n\t\thttp://x/\t..\\..\\evil\r\n\t\thttp://y/\tCON\r\n<1>a/../../b\r\n\t<2>.\r\n\t\thttp://z/\t.\r\n");
    CRecordProblems problems(true);
    ASSERT_EQ(ExportFavorites(list, target.string(), problems), 0);
    EXPECT_EQ(Files(), (Lines{"list.txt", "out/__/_____/.. .. evil.url", "out/__/_____/CON_.url",
                              "out/a .. .. b/_/..url"}));
}

TEST_F(FavoritesExport, SubcategoriesWithoutACategoryStandSideBySideInTheTarget) {
    Load("<1>---\r\n\t<2>Orphan one\r\n\t\thttp://1/\tone\r\n\t<2>Orphan two\r\n\t\thttp://2/\ttwo\r\n"
         "<1>Last\r\n\t<2>Sub\r\n\t\thttp://l/\tL\r\n");
    CRecordProblems problems(false);
    ASSERT_EQ(ExportFavorites(list, target.string(), problems), 0);
    EXPECT_EQ(Files(), (Lines{"list.txt", "out/Last/Sub/L.url", "out/Orphan one/one.url", "out/Orphan two/two.url"}));
}

TEST_F(FavoritesExport, AFailedTitleAsksWhetherToGoOn) {
    Load("<1>Cat\r\n\t<2>Sub\r\n\t\thttp://a/\tblocked\r\n\t\thttp://b/\tfine\r\n");
    fs::create_directories(target / "Cat" / "Sub" / "blocked.url");  // a folder where the file belongs
    CRecordProblems goOn(true);
    EXPECT_EQ(ExportFavorites(list, target.string(), goOn), 0);
    EXPECT_EQ(goOn.asked, (Lines{"Cat - Sub - blocked"}));
    EXPECT_TRUE(fs::exists(target / "Cat" / "Sub" / "fine.url"));

    fs::remove(target / "Cat" / "Sub" / "fine.url");
    CRecordProblems stop(false);
    EXPECT_NE(ExportFavorites(list, target.string(), stop), 0);
    EXPECT_FALSE(fs::exists(target / "Cat" / "Sub" / "fine.url"));
    EXPECT_EQ(ExportFavorites(list, (target / "missing").string(), stop), -1);
}

TEST_F(FavoritesExport, ExportedTreeImportsBackIntoTheSameOutline) {
    const std::string text = "<1>News\r\n\t<2>Daily\r\n\t\thttp://a/\tA\r\n\t\thttp://b/\tB\r\n\t<2>Weekly\r\n"
                             "\t\thttp://w/\tW\r\n<1>Tools\r\n\t<2>Search\r\n\t\thttp://s/\tS\r\n";
    Load(text);
    CRecordProblems problems(false);
    ASSERT_EQ(ExportFavorites(list, target.string(), problems), 0);
    ASSERT_EQ(ImportFavorites(folder.Path("back.txt"), target.string()), 0);
    EXPECT_EQ(ReadBytes(folder.Path("back.txt")), text);
}

}  // namespace
