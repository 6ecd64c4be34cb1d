// What goes wrong around a list file: a read-only list, a missing one, a
// save that the disk refuses, and the program killed in the middle of saving
// a large list. The list file on disk is never harmed.
#include <cstdio>
#include <random>

#include "e2e_journey.h"
#include "resource.h"

namespace e2e {
namespace {

using Lines = std::vector<std::string>;

constexpr char kSmallList[] = "<1>News\n<2>Daily\nhttp://one.example/\tOne\nhttp://two.example/\tTwo\n";

class FaultsJourney : public Journey {
protected:
    std::string List() const { return Path("Faulty.txt"); }
    void StartOn(const std::string& content, int viewMode) {
        if (!content.empty()) WriteFile(List(), content);
        StartProgram({"Faulty"}, viewMode);
    }
};

// Another program reads the list and lets nobody write it. (The read-only
// attribute does the same on Windows; Wine running as root ignores it.)
TEST_F(FaultsJourney, AReadOnlyListIsShownWithItsNoticeAndStaysOutOfTheOrganizeView) {
    WriteFile(List(), kSmallList);
    const win::UniqueHandle reader(
        ::CreateFileA(List().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    StartOn("", kViewOrganize);
    ASSERT_TRUE(main);
    const HWND notice = program->WaitForDialog("Read Only File");
    ASSERT_TRUE(notice) << program->Windows();
    Screenshot(notice, "faults-read-only-notice");
    ClickButton(notice, IDC_PROMPT_CHECK);  // do not warn again
    ASSERT_TRUE(Press(notice, IDOK));

    Command(main, ID_ORGANIZE_MODE);
    EXPECT_FALSE(IsShown(NameField(main, kCategory))) << "still the Regular view";
    EXPECT_NE(ControlText(main, IDC_STATUS_LINE).find("(read only)"), std::string::npos);
    EXPECT_TRUE(program->Close());
    EXPECT_EQ(ReadFile(List()), kSmallList);
    EXPECT_TRUE(StoredSettings().Options.NoReadOnlyWarning);
}

TEST_F(FaultsJourney, AMissingListIsCreatedWhenTheUserSaysSoAndOtherwiseTheListsAreOffered) {
    for (const int answer : {IDNO, IDYES}) {
        StartOn("", kViewRegular);
        ASSERT_TRUE(main);
        if (answer == IDYES) Screenshot(program->WaitForMessageBox("Shall I create it?"), "faults-create-prompt");
        ASSERT_TRUE(program->Answer("does not exist. Shall I create it?", answer));
        if (answer == IDNO) {
            const HWND prefs = program->WaitForDialog("Vellinor Preferences");
            ASSERT_TRUE(prefs) << program->Windows();
            EXPECT_EQ(ListTexts(Control(prefs, IDC_TABLE_LIST)), Lines{"Faulty"}) << "on the URL Lists page";
            Screenshot(prefs, "faults-no-list-prefs");
            ASSERT_TRUE(Press(prefs, IDCANCEL));
            EXPECT_FALSE(Exists(List()));
        } else {
            EXPECT_TRUE(WaitUntil(
                [&] { return ControlText(main, IDC_STATUS_LINE).find("Faulty (0 URLs)") != std::string::npos; }));
        }
        EXPECT_TRUE(program->Close());
    }
    EXPECT_EQ(ReadFile(List()), "");
    EXPECT_TRUE(Exists(List()));
}

// Another program holds the list file open without letting it be replaced:
// the save fails after the new content is written beside it.
TEST_F(FaultsJourney, ASaveTheDiskRefusesLeavesTheFileAndKeepsTheChangesUntilItSucceeds) {
    StartOn(kSmallList, kViewOrganize);
    ASSERT_TRUE(main);
    Command(main, IDC_DELETE_TITLE);  // One, selected at the start
    ASSERT_EQ(ListTexts(Box(main, kTitle)), Lines{"Two"});
    win::UniqueHandle holder(::CreateFileA(List().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(holder.Get(), INVALID_HANDLE_VALUE);

    for (const int answer : {IDABORT, IDRETRY}) {
        PostCommand(main, ID_SAVE_LIST);
        const HWND box = program->WaitForMessageBox("Sorry, I am not able to save the URL list file");
        ASSERT_TRUE(box);
        EXPECT_EQ(ReadFile(List()), kSmallList);
        for (const std::string& name : FileNames(folder.Path()))
            EXPECT_NE(name[0], '~') << "nothing left half-written: " << name;
        if (answer == IDRETRY) {
            Screenshot(box, "faults-save-failed");
            holder.Reset();
        }
        ASSERT_TRUE(Press(box, answer));
        EXPECT_EQ(ListTexts(Box(main, kTitle)), Lines{"Two"}) << "the change is kept";
    }
    ASSERT_TRUE(WaitUntil([&] { return FileSize(List()) != static_cast<long long>(sizeof kSmallList - 1); }));
    EXPECT_EQ(Outline(List()), (Lines{"News", " Daily", "  Two"}));
    EXPECT_TRUE(program->Close()) << "nothing left to save";
}

// Bytes no list file holds: control characters and NULs, tag fields
// without values, aliases of nothing, a line of a megabyte, and more lines
// than a list can have.
std::string HostileList() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text = "<1>\n<2>\n\t\xA6@\xA6+\xA6?\xA6#\nalias:99999\n<3>deeper\n" + std::string(1 << 20, 'x') + "\n";
    for (int line = 0; line < 70000; ++line) {
        for (int length = line % 40; length-- > 0;) text += static_cast<char>(byte(random));
        text += line % 3 ? "\n" : "\r\n";
    }
    return text;
}

TEST_F(FaultsJourney, AHostileListFileIsShownReadOnlyWithAClearMessageAndLeftAsItWas) {
    const std::string hostile = HostileList();
    StartOn(hostile, kViewOrganize);
    ASSERT_TRUE(main);
    const HWND box = program->WaitForMessageBox("Its first 65,535 items have been loaded");
    ASSERT_TRUE(box) << program->Windows();
    Screenshot(box, "faults-hostile-list");
    ASSERT_TRUE(Press(box, IDOK));
    EXPECT_NE(ControlText(main, IDC_STATUS_LINE).find("(read only)"), std::string::npos);
    Screenshot(main, "faults-hostile-list-shown");
    EXPECT_TRUE(program->Close());
    EXPECT_EQ(ReadFile(List()), hostile);
    EXPECT_EQ(FileNames(folder.Path()), (Lines{"Faulty.txt", "Vellin.sav"})) << "nothing created";
}

// A list of 9,500 titles whose first titles are out of order; sorting them
// changes the file's start, and the whole file is written again.
std::string LargeList() {
    std::string text;
    for (int sub = 0; sub < 50; ++sub) {
        text += "<1>Category " + std::to_string(sub) + "\n<2>Subcategory\n";
        for (int title = 190; title-- > 0;)
            text += "http://example.com/" + std::to_string(sub) + "/" + std::to_string(title) +
                    "/a/longer/path/to/a/page.html\tPage " + std::to_string(1000 + title) + "\n";
    }
    return text;
}

TEST_F(FaultsJourney, KilledAtAnyPointOfASaveTheListFileIsTheOldOrTheNewOne) {
    const std::string old = LargeList();
    DWORD saveMs = 0;
    std::string saved;
    {
        StartOn(old, kViewOrganize);
        ASSERT_TRUE(main);
        Command(main, IDC_SORT_TITLES);
        const DWORD start = ::GetTickCount();
        PostCommand(main, ID_SAVE_LIST);
        ASSERT_TRUE(WaitUntil([&] { return FileSize(List()) != static_cast<long long>(old.size()); }))
            << program->Windows();
        saveMs = ::GetTickCount() - start;
        saved = ReadFile(List());
        ASSERT_TRUE(program->Close());
    }
    std::mt19937 random(19);
    std::uniform_int_distribution<DWORD> killAfterMs(0, saveMs);
    int newOnes = 0;
    int midWrite = 0;
    constexpr int kRuns = 12;
    for (int run = 0; run < kRuns; ++run) {
        StartOn(old, kViewOrganize);
        ASSERT_TRUE(main);
        Command(main, IDC_SORT_TITLES);
        PostCommand(main, ID_SAVE_LIST);
        ::Sleep(killAfterMs(random));  // the point of the save at which the program dies
        program->Kill();
        const std::string now = ReadFile(List());
        ASSERT_TRUE(now == old || now == saved) << "run " << run << ": " << now.size() << " bytes";
        newOnes += now == saved;
        // A temporary left behind: the kill came while the new content was written.
        for (const std::string& name : FileNames(folder.Path())) {
            if (name[0] == '~') midWrite += ::DeleteFileA(Path(name).c_str()) != FALSE;
        }
    }
    std::printf("killed %d times while saving in about %lu ms: %d old, %d new, %d while writing\n", kRuns,
                static_cast<unsigned long>(saveMs), kRuns - newOnes, newOnes, midWrite);
}

}  // namespace
}  // namespace e2e
