// The main window created in-process against a fake application, with
// the small steps the window tests take: reading controls and list boxes,
// choosing entries, sending commands.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "resource.h"
#include "ui/dialog_geometry.h"
#include "ui/main_dlg.h"
#include "ui_fake_host.h"
#include "win/window_text.h"

class MainWindowFixture : public ::testing::Test {
protected:
    explicit MainWindowFixture(const char* listText = kSampleList) : host_(listText) {}

    std::unique_ptr<CMainDlg> Open(int mode) { return host_.OpenWindow(mode, SW_SHOWNOACTIVATE); }

    static HWND Item(const CMainDlg& window, int id) { return ::GetDlgItem(window.Handle(), id); }
    static RECT Rect(const CMainDlg& window, int id) { return ui::ControlRect(window.Handle(), id); }
    static int Width(const CMainDlg& window, int id) { return ui::ControlWidth(window.Handle(), id); }
    static int Height(const CMainDlg& window, int id) {
        const RECT rect = Rect(window, id);
        return rect.bottom - rect.top;
    }
    static bool Visible(const CMainDlg& window, int id) {
        return (::GetWindowLongA(Item(window, id), GWL_STYLE) & WS_VISIBLE) != 0;
    }
    static int Count(const CMainDlg& window, int id) {
        return static_cast<int>(::SendMessageA(Item(window, id), LB_GETCOUNT, 0, 0));
    }
    static std::string Entry(const CMainDlg& window, int id, int index) {
        const HWND box = Item(window, id);
        const LRESULT length = ::SendMessageA(box, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length < 0) return {};
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        ::SendMessageA(box, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        return text;
    }
    static std::string Text(const CMainDlg& window, int id) { return win::WindowText(Item(window, id)); }
    // What typing or pasting does: the field has the focus and its whole
    // text is replaced.
    static void Type(const CMainDlg& window, int id, const std::string& text) {
        const HWND field = Item(window, id);
        ::SetFocus(field);
        ::SendMessageA(field, EM_SETSEL, 0, -1);
        ::SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    static int Selection(const CMainDlg& window, int id) {
        return static_cast<int>(::SendMessageA(Item(window, id), LB_GETCURSEL, 0, 0));
    }
    // What a click on an entry does: the box selects, then tells the window.
    static void Choose(const CMainDlg& window, int id, int index) {
        const HWND box = Item(window, id);
        ::SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(box));
    }
    static void Command(const CMainDlg& window, int id) {
        ::SendMessageA(window.Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    std::string FileText() const {
        std::ifstream in(host_.ListPath(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    CFakeHost host_;
};
