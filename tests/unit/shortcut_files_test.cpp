// Single Internet shortcuts and shell links.
#include <gtest/gtest.h>

#include "exchange/shortcut_files.h"
#include "exchange_test_support.h"

#ifdef _WIN32
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#endif

using exchange_testing::PeerPath;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

namespace {

TEST(UrlFile, TheAddressIsTheUrlLineOfItsSection) {
    ScratchFolder folder;
    std::string url, title;
    WriteBytes(folder.Path("Framed page.v2.url"),
               "\xEF\xBB\xBF[DEFAULT]\r\nBASEURL=http://base/\r\n[InternetShortcut]\r\nIDList=\r\n"
               "url=http://x/ trailing\r\n");
    ASSERT_EQ(ReadUrlFile(folder.Path("Framed page.v2.url"), url, title), 0);
    EXPECT_EQ(url, "http://x/");
    EXPECT_EQ(title, "Framed page.v2");

    WriteBytes(folder.Path("other.url"), "[InternetShortcut]\nIconIndex=1\n[Other]\nURL=http://other/\n");
    EXPECT_EQ(ReadUrlFile(folder.Path("other.url"), url, title), -1);
    WriteBytes(folder.Path("empty.url"), "[InternetShortcut]\nURL=\n");
    EXPECT_EQ(ReadUrlFile(folder.Path("empty.url"), url, title), -1);
    EXPECT_EQ(ReadUrlFile(folder.Path("missing.url"), url, title), -1);
}

TEST(UrlFile, RealShortcutsFromBrowsersAndWindows) {
    struct Peer {
        const char* name;
        const char* url;
    };
    const Peer peers[] = {
        {"bnrbot_GitHub.url", "https://github.com/carlbennett/BNRBot"},
        {"gabriel_firefox_GitHub.url",
         "https://gabrielmoraru.com/my-delphi-code/ssim-image-quality-assessment-delphi-library/"
         "?preview_id=1128&preview_nonce=29a32598fc&_thumbnail_id=-1&preview=true"},
        {"happysolver_Homepage_modified.url", "http://happysolver.sourceforge.net/"},
        {"ivansibirev_GitHub.url", "https://github.com/IvanSibirevV2?tab=repositories"},
        {"sgorain_ie-suggested-sites_monitoreditem.url", "https://ieonline.microsoft.com/#ieslice"},
        {"xrefresh_minimal_website.url", "http://xrefresh.binaryage.com/"},
        {"reconstructed/scox_ie_frames_SEVEN-BANK.url", "http://www.sevenbank.co.jp/english/"},
        {"sgorain_ie-suggested-sites_NO-URL.url", nullptr},
    };
    for (const Peer& peer : peers) {
        std::string path = PeerPath("url", peer.name);
        SKIP_WITHOUT_PEERS(path);
        std::string url, title;
        int result = ReadUrlFile(path, url, title);
        if (!peer.url) {
            EXPECT_EQ(result, -1) << peer.name;
            continue;
        }
        EXPECT_EQ(result, 0) << peer.name;
        EXPECT_EQ(url, peer.url);
    }
}

TEST(UrlFile, WrittenAsTwoLinesUnderASafeName) {
    ScratchFolder folder;
    ASSERT_EQ(WriteUrlFile(folder.Root().string(), "a:b", "http://x/"), 0);
    EXPECT_EQ(ReadBytes(folder.Path("a b.url")), "[InternetShortcut]\r\nURL=http://x/\r\n");
    ASSERT_EQ(WriteUrlFile(folder.Root().string(), "a:b", "http://y/"), 0);  // replaces
    EXPECT_EQ(ReadBytes(folder.Path("a b.url")), "[InternetShortcut]\r\nURL=http://y/\r\n");
    EXPECT_EQ(WriteUrlFile(folder.Path("missing"), "a", "http://x/"), -1);
}

TEST(ShellLink, NoLinkIsReadFromWhatIsNone) {
    std::string path = PeerPath("lnk", "sgorain_recyclebin_IEL0GWS_NOT-A-LNK.lnk");
    SKIP_WITHOUT_PEERS(path);
    std::string target;
    EXPECT_EQ(ReadShellLink(path, target), -1);
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path())) {
        target.clear();
        int result = ReadShellLink(entry.path().string(), target);
        EXPECT_TRUE(result == -1 || (result == 0 && !target.empty())) << entry.path();
    }
}

#ifdef _WIN32
TEST(ShellLink, TargetAndArgumentsOfALinkTheShellWrote) {
    ScratchFolder folder;
    WriteBytes(folder.Path("tool.exe"), "");
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        IShellLinkA* link = nullptr;
        ASSERT_TRUE(SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                                 IID_IShellLinkA, reinterpret_cast<void**>(&link))));
        link->SetPath(folder.Path("tool.exe").c_str());
        link->SetArguments("-a \"b c\"");
        IPersistFile* file = nullptr;
        link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        std::wstring path = folder.Root().wstring() + L"\\Tool.old.lnk";
        EXPECT_TRUE(SUCCEEDED(file->Save(path.c_str(), TRUE)));
        file->Release();
        link->Release();
    }
    ::CoUninitialize();
    std::string target;
    ASSERT_EQ(ReadShellLink(folder.Path("Tool.old.lnk"), target), 0);
    EXPECT_EQ(target, folder.Path("tool.exe") + " -a \"b c\"");
}
#else
TEST(ShellLink, OnlyWindowsReadsShellLinks) {
    ScratchFolder folder;
    WriteBytes(folder.Path("a.lnk"), std::string("L\0\0\0", 4));
    std::string target;
    EXPECT_EQ(ReadShellLink(folder.Path("a.lnk"), target), -1);
}
#endif

}  // namespace
