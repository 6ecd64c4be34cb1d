// Filling a column with 10,000 entries and painting it: the titles column of
// the real main window (selecting a subcategory that holds 10,000 titles)
// against a bare variable-height owner-drawn list box, filled the same way in
// the same run (redraw off, storage reserved, one string and one item data
// per entry). Prints both times, the best of several rounds, and the ratio.
//
//     scripts/wine-exec build/windows/bin/vellinor_list_fill_timing.exe [entries] [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "model/title_text.h"
#include "resource.h"
#include "ui/main_dlg.h"
#include "ui_fake_host.h"
#include "timing_support.h"

namespace {

constexpr char kBareClass[] = "VellinorBareListParent";

// The best round: on a machine shared with other work the others only add
// time that is not the program's.
double Best(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

// A category with two subcategories: one title, then `count` titles, every
// other one visited once (long ago).
std::string BigList(int count) {
    std::string text = "<1>Everything\r\n\t<2>Few\r\n\t\thttp://example.com/\tOne\r\n\t<2>Many\r\n";
    for (int i = 0; i < count; ++i) {
        const std::int64_t visited = i % 2 ? 1000000000 + i : 0;
        text += "\t\t" +
                ComposeTitleText("http://example.com/" + std::to_string(i), "Title number " + std::to_string(i),
                                 visited, "", "", 0) +
                "\r\n";
    }
    return text;
}

// The yardstick's parent: measures every entry at one height, draws its text.
int g_bareHeight = 16;

LRESULT CALLBACK BareParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(g_bareHeight);
        return TRUE;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (static_cast<int>(item.itemID) < 0) return TRUE;
        char text[256] = {};
        ::SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        ::SetBkColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        ::SetTextColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        ::ExtTextOutA(item.hDC, item.rcItem.left + 2, item.rcItem.top, ETO_OPAQUE, &item.rcItem, text,
                      static_cast<UINT>(std::strlen(text)), nullptr);
        return TRUE;
    }
    default:
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

// From one entry to all, as the titles column goes from one subcategory to
// the other.
double FillBare(HWND box, const std::vector<std::string>& names) {
    ::SendMessageA(box, LB_RESETCONTENT, 0, 0);
    ::SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("One"));
    DrainMessages();
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    ::SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(box, LB_RESETCONTENT, 0, 0);
    ::SendMessageA(box, LB_INITSTORAGE, names.size(), static_cast<LPARAM>(names.size()) * 32);
    for (const std::string& name : names) {
        const LRESULT index = ::SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        ::SendMessageA(box, LB_SETITEMDATA, static_cast<WPARAM>(index), 1);
    }
    ::SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(box, nullptr, TRUE);
    ::UpdateWindow(box);
    ::QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

// What a click on a subcategory does: the box selects, then tells the window.
void ChooseSubcategory(const CMainDlg& window, int index) {
    const HWND box = ::GetDlgItem(window.Handle(), IDC_SUBCATEGORY_LIST);
    ::SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_SUBCATEGORY_LIST, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(box));
}

double FillTitles(const CMainDlg& window) {
    ChooseSubcategory(window, 0);
    DrainMessages();
    const HWND titles = ::GetDlgItem(window.Handle(), IDC_TITLE_LIST);
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    ChooseSubcategory(window, 1);
    ::UpdateWindow(titles);
    ::QueryPerformanceCounter(&end);
    DrainMessages();
    return Milliseconds(start, end);
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;

    CFakeHost host(BigList(count));
    host.startCategory = 0;
    auto window = host.OpenWindow(kViewRegular, SW_SHOWNOACTIVATE);
    if (!window) {
        std::fprintf(stderr, "the main window could not be created\n");
        return 2;
    }
    DrainMessages();
    const HWND titles = ::GetDlgItem(window->Handle(), IDC_TITLE_LIST);
    RECT rect{};
    ::GetWindowRect(titles, &rect);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = BareParentProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kBareClass;
    windowClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    ::RegisterClassA(&windowClass);
    const HWND parent = ::CreateWindowExA(0, kBareClass, "Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 0,
                                          rect.right - rect.left + 40, rect.bottom - rect.top + 60,
                                          nullptr, nullptr, windowClass.hInstance, nullptr);
    const HWND bare = ::CreateWindowExA(
        WS_EX_CLIENTEDGE, "LISTBOX", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS |
            LBS_NOINTEGRALHEIGHT,
        10, 10, rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, windowClass.hInstance, nullptr);
    const auto font = reinterpret_cast<HFONT>(::SendMessageA(titles, WM_GETFONT, 0, 0));
    ::SendMessageA(bare, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    {
        const HDC dc = ::GetDC(bare);
        const HGDIOBJ old = ::SelectObject(dc, font);
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(dc, &metrics);
        g_bareHeight = metrics.tmHeight;
        ::SelectObject(dc, old);
        ::ReleaseDC(bare, dc);
    }
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back("Title number " + std::to_string(i));
    DrainMessages();

    std::vector<double> bareTimes, titleTimes;
    for (int round = 0; round < rounds; ++round) {
        bareTimes.push_back(FillBare(bare, names));
        DrainMessages();
        titleTimes.push_back(FillTitles(*window));
    }
    const int filled = static_cast<int>(::SendMessageA(titles, LB_GETCOUNT, 0, 0));
    const double bareMs = Best(bareTimes);
    const double titlesMs = Best(titleTimes);
    std::printf("%d entries, best of %d rounds\n", count, rounds);
    std::printf("bare owner-drawn list box: %.1f ms\n", bareMs);
    std::printf("titles column:             %.1f ms (%d entries)\n", titlesMs, filled);
    std::printf("ratio:                     %.2f\n", titlesMs / bareMs);
    ::DestroyWindow(parent);
    ::DestroyWindow(window->Handle());
    return filled == count ? 0 : 1;
}
