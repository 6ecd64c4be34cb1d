// CAppWindow: the hidden top-level window of class "VELLIN", titled
// "Vellinor". It outlives every main window: it owns the taskbar button
// and the tray icon, receives the two global hot keys, answers another
// instance's probe, and takes the commands that replace the main window.
// It is never shown with a size; the main windows are owned by it.
//
// The window only translates its messages into calls on the application
// (CMainApp), which holds the rules.
#pragma once

#include <windows.h>

#include "win/window.h"

class CMainApp;

class CAppWindow final : public win::CWindow {
public:
    static constexpr const char* kClassName = "VELLIN";
    static constexpr const char* kTitle = "Vellinor";
    // WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX: a caption and a
    // system menu give the taskbar button its Restore, Minimize and Close.
    static constexpr DWORD kStyle = 0x80CA0080;
    static constexpr UINT kTrayMessage = WM_APP + 63;
    // Hot-key ids on this window.
    static constexpr int kAppHotKeyId = 0;
    static constexpr int kFetchHotKeyId = 1;
    static constexpr UINT_PTR kOldCopyTimerId = 1;

    explicit CAppWindow(CMainApp& app) noexcept : app_(app) {}

protected:
    bool OnCreate(const CREATESTRUCTA& create) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnDestroy() override;

private:
    std::optional<LRESULT> OnSysCommand(WPARAM command);
    void OnHotKey(int id);
    LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);

    CMainApp& app_;
};
