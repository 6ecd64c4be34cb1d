#include "app/tray_icon.h"

#include <cstring>

void CTrayIcon::Attach(HWND window, HICON icon, UINT callbackMessage) noexcept {
    data_.cbSize = sizeof data_;
    data_.hWnd = window;
    data_.uID = kIconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = callbackMessage;
    data_.hIcon = icon;
    std::strncpy(data_.szTip, kTip, sizeof data_.szTip - 1);
}

void CTrayIcon::Add() noexcept {
    if (data_.hWnd) shown_ = ::Shell_NotifyIconA(NIM_ADD, &data_) != FALSE;
}

void CTrayIcon::Delete() noexcept {
    // Asked whether or not the icon is shown: adding always deletes first,
    // and deleting an icon that is not there does no harm.
    if (data_.hWnd) ::Shell_NotifyIconA(NIM_DELETE, &data_);
    shown_ = false;
}
