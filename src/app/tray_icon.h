// CTrayIcon: the application's icon in the notification area, reporting
// mouse messages to its window as CAppWindow::kTrayMessage.
#pragma once

#include <windows.h>

#include <shellapi.h>

class CTrayIcon {
public:
    static constexpr UINT kIconId = 1;
    static constexpr const char* kTip = "Vellinor";

    CTrayIcon() = default;
    // Removes the icon if it is still shown.
    ~CTrayIcon() { Delete(); }
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Whose icon it is; called once the hidden window exists.
    void Attach(HWND window, HICON icon, UINT callbackMessage) noexcept;
    // Failures are ignored: the tray is then simply absent.
    void Add() noexcept;
    void Delete() noexcept;
    bool IsShown() const noexcept { return shown_; }

private:
    NOTIFYICONDATAA data_{};
    bool shown_ = false;
};
