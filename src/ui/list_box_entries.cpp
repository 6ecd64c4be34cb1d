#include "ui/list_box_entries.h"

void ReplaceListBoxEntry(HWND box, int index, const std::string& text) noexcept {
    const LRESULT data = ::SendMessageA(box, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (data == LB_ERR) return;
    const bool selected = ::SendMessageA(box, LB_GETCURSEL, 0, 0) == index;
    const LRESULT top = ::SendMessageA(box, LB_GETTOPINDEX, 0, 0);
    ::SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(box, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    InsertListBoxEntry(box, index, text, data);
    if (selected) ::SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(box, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    ::SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    RECT entry{};
    if (::SendMessageA(box, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry)) != LB_ERR)
        ::InvalidateRect(box, &entry, TRUE);
}

void InsertListBoxEntry(HWND box, int index, const std::string& text, LPARAM data) noexcept {
    const LRESULT at = ::SendMessageA(box, LB_INSERTSTRING, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.c_str()));
    if (at >= 0) ::SendMessageA(box, LB_SETITEMDATA, static_cast<WPARAM>(at), data);
}

void SetListBoxEntryData(HWND box, int index, LPARAM data) noexcept {
    if (::SendMessageA(box, LB_SETITEMDATA, static_cast<WPARAM>(index), data) == LB_ERR) return;
    RECT entry{};
    if (::SendMessageA(box, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry)) != LB_ERR)
        ::InvalidateRect(box, &entry, TRUE);
}
