#include "prefs_test_support.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "resource.h"

CFakePrefsHost::CFakePrefsHost() { settings_.ListFolder = "C:\\Lists\\"; }

bool CFakePrefsHost::ApplyListTable(HWND, std::vector<ListEntry> entries, int line) {
    ++listApplies;
    highlighted = line;
    settings_.Lists.entries = std::move(entries);
    if (listOpens) settings_.Lists.CurrentList = line;
    return listOpens;
}

void CFakePrefsHost::ApplyBrowserTable(std::vector<BrowserEntry> entries, int line) {
    ++browserApplies;
    highlighted = line;
    settings_.Browsers.entries = std::move(entries);
    settings_.Browsers.CurrentBrowser = line;
}

int CFakePrefsHost::ApplyHotKeys(std::uint16_t appHotKey, std::uint16_t fetchHotKey) {
    if (refusedHotKey >= 0) return refusedHotKey;
    settings_.AppHotKey = appHotKey;
    settings_.FetchHotKey = fetchHotKey;
    return -1;
}

bool CFakePrefsHost::EnsureListFileExists(HWND, const std::string& path, bool) {
    ensuredFiles.push_back(path);
    return true;
}

HWND PageOf(HWND sheet) { return ::FindWindowExA(sheet, nullptr, "#32770", nullptr); }

HWND PageItem(HWND sheet, int id) { return ::GetDlgItem(PageOf(sheet), id); }

std::string PageItemText(HWND sheet, int id) {
    char text[1024] = {};
    ::GetWindowTextA(PageItem(sheet, id), text, sizeof text);
    return text;
}

std::vector<std::string> PageLines(HWND sheet) {
    const HWND box = PageItem(sheet, IDC_TABLE_LIST);
    std::vector<std::string> lines;
    const int count = static_cast<int>(::SendMessageA(box, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[1024] = {};
        ::SendMessageA(box, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        lines.emplace_back(text);
    }
    return lines;
}

namespace prefs_steps {

Step ClickTab(int tab) {
    return [tab](HWND sheet) {
        const HWND tabs = ::GetDlgItem(sheet, IDC_PREFS_TAB);
        RECT rect{};
        ASSERT_TRUE(::SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&rect)));
        const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        ::PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::PostMessageA(tabs, WM_LBUTTONUP, 0, at);
    };
}

Step ClickPage(int id) {
    return [id](HWND sheet) {
        const HWND control = PageItem(sheet, id);
        ASSERT_NE(control, nullptr) << "no control " << id;
        char className[32] = {};
        ::GetClassNameA(control, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0)
            ::PostMessageA(PageOf(sheet), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(control));
        else
            ::PostMessageA(control, BM_CLICK, 0, 0);
    };
}

Step SetPageText(int id, const std::string& text) {
    return [id, text](HWND sheet) { ::SetWindowTextA(PageItem(sheet, id), text.c_str()); };
}

Step SelectLine(int line) {
    return [line](HWND sheet) {
        const HWND box = PageItem(sheet, IDC_TABLE_LIST);
        ::SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
        ::PostMessageA(PageOf(sheet), WM_COMMAND, MAKEWPARAM(IDC_TABLE_LIST, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(box));
    };
}

Step KeyInPage(int id, UINT virtualKey) {
    return [id, virtualKey](HWND sheet) {
        const HWND control = PageItem(sheet, id);
        ::SetFocus(control);
        const UINT scan = ::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
        ::PostMessageA(control, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
        ::PostMessageA(control, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
    };
}

Step Check(std::function<void(HWND sheet)> check) { return [check](HWND sheet) { check(sheet); }; }

}  // namespace prefs_steps
