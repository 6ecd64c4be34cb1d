#include "ui/level_list_box.h"

#include <string>

#include "model/url_list_file.h"
#include "resource.h"

bool CLevelListBox::Attach(HWND dialog, int level) noexcept {
    level_ = level;
    return CSubclassedControl::Attach(::GetDlgItem(dialog, IDC_CATEGORY_LIST + level));
}

void CLevelListBox::Fill(const CUrlListFile& list, int recentPeriodDays) {
    const HWND box = Handle();
    // One repaint for the whole refill instead of one per entry.
    ::SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(box, LB_RESETCONTENT, 0, 0);
    for (int position = 0; position <= list.Last(level_); ++position) {
        const std::string name(list.DisplayName(list.ItemAt(level_, position)));
        const LRESULT index = ::SendMessageA(box, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(name.c_str()));
        if (index < 0) break;  // the box is out of memory: show what fits
        ::SendMessageA(box, LB_SETITEMDATA, static_cast<WPARAM>(index),
                       list.DisplayAttributes(level_, position, recentPeriodDays));
    }
    ::SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(box, nullptr, TRUE);
}

void CLevelListBox::SetSelection(int position) noexcept {
    ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

int CLevelListBox::Selection() const noexcept {
    return static_cast<int>(::SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}
