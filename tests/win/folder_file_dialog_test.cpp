// CFolderFileDialog: its three modes answered through the pickers seam, the
// starting-folder walk, and the folder chooser made of the system's dialog,
// driven by the test.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <gtest/gtest.h>

#include <fstream>

#include "dialog_driver.h"
#include "dialogs/folder_file_dialog.h"
#include "registry_test_support.h"
#include "scripted_pickers.h"
#include "window_picture.h"

namespace {

TEST(FolderFileDialog, EachModeAsksForItsChoiceAndNamesTheAnswer) {
    struct Case {
        CFolderFileDialog dialog;
        PickerAnswer answer;
        PickerMode mode;
        std::string title;
        std::string filter;
        std::string path;
        std::string folder;
        std::string entryName;
    };
    Case cases[] = {
        {CFolderFileDialog::ForFile(nullptr, true, "Change URL list", "txt", "", "", OFN_HIDEREADONLY, "Text|*.txt||"),
         {"C:\\Lists\\Work.txt", "", ""}, PickerMode::kFile, "Change URL list", "Text|*.txt||",
         "C:\\Lists\\Work.txt", "C:\\Lists\\", "Work"},
        {CFolderFileDialog::ForFolder(nullptr, "", ""), {"", "C:\\Lists", ""}, PickerMode::kFolder,
         "Choose folder", "...|...||", "C:\\Lists\\", "C:\\Lists\\", "Lists"},
        {CFolderFileDialog::ForFileOrFolder(nullptr, "Pick file or folder", "", OFN_PATHMUSTEXIST, ""),
         {"", "C:\\Lists\\", "Old.list.txt"}, PickerMode::kFileOrFolder, "Pick file or folder", "",
         "C:\\Lists\\Old.list.txt", "C:\\Lists\\", "Old.list"},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.path);
        CScriptedPickers pickers;
        pickers.AnswerFile(c.answer);
        ASSERT_EQ(c.dialog.Run(), IDOK);
        ASSERT_EQ(pickers.requests.size(), 1u);
        const PickerRequest& asked = pickers.requests[0];
        EXPECT_EQ(asked.mode, c.mode);
        EXPECT_EQ(asked.title, c.title);
        EXPECT_EQ(asked.filter, c.filter);
        EXPECT_TRUE(asked.options & OFN_EXPLORER);
        EXPECT_EQ(c.dialog.Path(), c.path);
        EXPECT_EQ(c.dialog.Folder(), c.folder);
        EXPECT_EQ(c.dialog.EntryName(), c.entryName);
    }
}

TEST(FolderFileDialog, StartsInTheNearestExistingFolder) {
    registry_test::ScratchFolder scratch;
    const std::string sub = scratch.Path() + "Sub";
    ::CreateDirectoryA(sub.c_str(), nullptr);
    std::ofstream(sub + "\\list.txt") << "";
    EXPECT_EQ(StartingFolder(sub + "\\list.txt"), sub);
    EXPECT_EQ(StartingFolder(sub + "\\Gone\\Deeper\\x.txt"), sub);
    EXPECT_EQ(StartingFolder("nowhere at all"), "");

    CScriptedPickers pickers;
    pickers.AnswerFile(std::nullopt);
    EXPECT_EQ(CFolderFileDialog::ForFolder(nullptr, "Select Import Folder", sub + "\\gone.txt").Run(), IDCANCEL);
    EXPECT_EQ(pickers.requests[0].startFolder, sub);
}

// The system's dialog as a folder chooser: "Select" takes the folder shown,
// or the subfolder selected in the list.
TEST(FolderFileDialog, TheSystemDialogChoosesTheShownOrTheSelectedFolder) {
    registry_test::ScratchFolder scratch;
    const std::string start = scratch.Path() + "Start";
    ::CreateDirectoryA(start.c_str(), nullptr);
    ::CreateDirectoryA((start + "\\Inner").c_str(), nullptr);
    std::ofstream(start + "\\file.txt") << "x";

    const auto checkChooser = [](HWND dialog) {
        char text[64] = {};
        ::GetWindowTextA(dialog, text, sizeof text);
        EXPECT_STREQ(text, "Pick a folder");
        ::GetDlgItemTextA(dialog, IDOK, text, sizeof text);
        EXPECT_STREQ(text, "Select");
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, 0x47c)));  // the file name
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, 0x470)));  // the file type
        if (CanTakePictures()) SaveWindowPicture(dialog, "picker-folder");
    };
    const auto selectInner = [](HWND dialog) {
        const HWND view = ::FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr);
        const HWND list = ::FindWindowExA(view, nullptr, WC_LISTVIEWA, nullptr);
        ASSERT_NE(list, nullptr);
        LVFINDINFOA find{};
        find.flags = LVFI_STRING;
        find.psz = "Inner";
        const auto item = ::SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
        ASSERT_GE(item, 0);
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
    };
    struct Case {
        std::vector<CDialogDriver::Step> script;
        std::string path;
    };
    Case cases[] = {
        {{checkChooser, CDialogDriver::Click(IDOK)}, start + "\\"},
        {{selectInner, CDialogDriver::Click(IDOK)}, start + "\\Inner\\"},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.path);
        CDialogDriver driver(std::move(c.script));
        auto dialog = CFolderFileDialog::ForFolder(driver.Owner(), "Pick a folder", start + "\\file.txt");
        ASSERT_EQ(dialog.Run(), IDOK);
        EXPECT_EQ(dialog.Path(), c.path);
        EXPECT_EQ(dialog.Folder(), c.path);
    }
}

}  // namespace
