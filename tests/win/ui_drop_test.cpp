// Drops on the main window: the window's registered drop target called with
// data objects built here, as OLE calls it during a drag.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <fstream>
#include <map>
#include <string>

#include "block_data_object.h"
#include "main_window_fixture.h"
#include "message_pump.h"

namespace {

using namespace std::string_literals;

std::string Files(const std::string& zeroSeparated) {
    DROPFILES header{};
    header.pFiles = sizeof header;
    return std::string(reinterpret_cast<const char*>(&header), sizeof header) + zeroSeparated + '\0';
}

std::string Utf16(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

std::string TempPath(const char* name) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// A shell link the shell itself wrote, to a file that does not exist.
std::string WriteLinkToNowhere() {
    const std::string path = TempPath("Nowhere.lnk");
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return path;
    link->SetPath("C:\\no\\such\\file.txt");
    IPersistFile* file = nullptr;
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    const std::wstring wide(path.begin(), path.end());
    file->Save(wide.c_str(), TRUE);
    file->Release();
    link->Release();
    return path;
}

class DropTest : public MainWindowFixture {
protected:
    explicit DropTest(const char* listText = kSampleList) : MainWindowFixture(listText) { ::OleInitialize(nullptr); }
    ~DropTest() override { ::OleUninitialize(); }

    static bool Organizing(const CMainDlg& window) {
        return static_cast<const ILevelListHost&>(window).IsOrganizing();
    }
    // Enters, moves over and drops as OLE does; the effect of the drop, or
    // of the last move when the drop was refused there.
    static DWORD DropOn(const CMainDlg& window, const std::map<CLIPFORMAT, std::string>& blocks) {
        IDropTarget* target = window.DropTarget();
        if (!target) return 0xBAD;
        auto* data = new CBlockDataObject;
        data->blocks = blocks;
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
        target->DragEnter(data, MK_LBUTTON, {10, 10}, &effect);
        effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
        target->DragOver(MK_LBUTTON, {12, 12}, &effect);
        if (effect != DROPEFFECT_NONE) {
            effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
            target->Drop(data, 0, {12, 12}, &effect);
        } else {
            target->DragLeave();
        }
        data->Release();
        return effect;
    }
};

TEST_F(DropTest, EachKindOfDataBecomesANewTitleOrNothing) {
    const std::string urlFile = TempPath("Shortcut page.url");
    std::ofstream(urlFile) << "[InternetShortcut]\r\nURL=http://example.org/short\r\n";
    const std::string emptyUrlFile = TempPath("Empty.url");
    std::ofstream(emptyUrlFile) << "[InternetShortcut]\r\n";
    const std::string link = WriteLinkToNowhere();
    const std::string longName(300, 'n');
    struct Case {
        const char* what;
        std::map<CLIPFORMAT, std::string> blocks;
        const char* url;  // null: refused, nothing changes
        std::string title;
    };
    const Case cases[] = {
        {"three files", {{CF_HDROP, Files("C:\\docs\\Plan B.txt\0C:\\x.url\0C:\\y"s)}}, "C:\\docs\\Plan B.txt", "Plan B"},
        {"a .url file", {{CF_HDROP, Files(urlFile + '\0')}}, "http://example.org/short", "Shortcut page"},
        {"a .lnk file", {{CF_HDROP, Files(link + '\0')}}, "C:\\no\\such\\file.txt", "Nowhere"},
        {"a browser link",
         {{RegisteredFormat("FileGroupDescriptor"), DescriptorBlock("http--_Page name.url")},
          {RegisteredFormat("UniformResourceLocator"), "http://example.org/page"s + '\0'},
          {CF_TEXT, "http://example.org/page"s + '\0'}},
         "http://example.org/page", "Page name"},
        {"a text", {{CF_TEXT, "  http://example.org/t \r\n"s + '\0'}}, "http://example.org/t", ""},
        {"a UTF-16 text", {{CF_TEXT, Utf16(L"http://example.org/\u00FC\r\nmore")}}, "http://example.org/\xFC", ""},
        {"a long suggested name",
         {{RegisteredFormat("FileGroupDescriptor"), DescriptorBlock(longName + ".url")}, {CF_TEXT, "u"s + '\0'}}, "u", ""},
        {"binary data", {{CF_TEXT, "\x01\x02\0\xFF"s}}, "\x01\x02", ""},
        {"an empty file list", {{CF_HDROP, Files("")}}, nullptr, ""},
        {"a .url file without URL", {{CF_HDROP, Files(emptyUrlFile + '\0')}}, nullptr, ""},
        {"only blanks", {{CF_TEXT, " \t\r\n"s + '\0'}}, nullptr, ""},
        {"no text or files", {{RegisteredFormat("UniformResourceLocator"), "http://x/"s + '\0'}}, nullptr, ""},
    };
    for (const Case& c : cases) {
        auto window = Open(kViewRegular);
        ASSERT_TRUE(window);
        const int titles = host_.CurrentList().TitleCount();
        ASSERT_NE(window->DropTarget(), nullptr);
        const DWORD effect = DropOn(*window, c.blocks);
        EXPECT_EQ(effect, c.url ? DWORD{DROPEFFECT_COPY} : DWORD{DROPEFFECT_NONE}) << c.what;
        EXPECT_EQ(Organizing(*window), c.url != nullptr) << c.what;
        if (c.url) {
            EXPECT_EQ(Text(*window, IDC_URL), c.url) << c.what;
            EXPECT_EQ(Text(*window, IDC_TITLE_NAME), c.title) << c.what;
        }
        EXPECT_EQ(host_.CurrentList().TitleCount(), titles) << c.what;
    }
    for (const std::string& path : {urlFile, emptyUrlFile, link}) ::DeleteFileA(path.c_str());
}

TEST_F(DropTest, AMegabyteOfTextIsTakenWhole) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    const std::string text(1 << 20, 'x');
    EXPECT_EQ(DropOn(*window, {{CF_TEXT, text + '\0'}}), DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(Text(*window, IDC_URL).size(), text.size());
    EXPECT_FALSE(host_.CurrentList().IsModified());
}

TEST_F(DropTest, CompactHandsTheDropToTheOrganizeWindowItOpens) {
    {
        auto compact = Open(kViewCompact);
        ASSERT_TRUE(compact);
        EXPECT_EQ(DropOn(*compact, {{CF_TEXT, "http://example.org/c"s + '\0'}}), DWORD{DROPEFFECT_COPY});
        EXPECT_EQ(host_.Settings().RunState, kRunAddDroppedUrl);
        EXPECT_TRUE(PumpUntil([&] { return host_.Hidden().Saw(WM_COMMAND, ID_ORGANIZE_MODE); }));
    }
    auto organize = Open(kViewOrganize);
    ASSERT_TRUE(organize);
    EXPECT_TRUE(Organizing(*organize));
    EXPECT_EQ(Text(*organize, IDC_URL), "http://example.org/c");
    EXPECT_EQ(host_.Settings().RunState, kRunNormal);
}

const std::string& FullListText() {
    static const std::string text = [] {
        std::string list = "<1>Full\r\n\t<2>Titles\r\n";
        for (int i = 0; i <= CUrlListFile::kFullTitleCount; ++i) list += "\t\thttp://example.org/\tT\r\n";
        return list;
    }();
    return text;
}

class FullListDropTest : public DropTest {
protected:
    FullListDropTest() : DropTest(FullListText().c_str()) {}
};

TEST_F(FullListDropTest, AFullListRefusesEveryDrop) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ASSERT_TRUE(host_.CurrentList().IsFull());
    EXPECT_EQ(DropOn(*window, {{CF_TEXT, "http://example.org/"s + '\0'}}), DWORD{DROPEFFECT_NONE});
    EXPECT_FALSE(Organizing(*window));
}

}  // namespace
