#include "ui/link_check_dlgs.h"

#include <commctrl.h>

#include <system_error>
#include <utility>

#include "dialogs/message_format.h"
#include "resource.h"

namespace {

// Posted by the worker: more links are done, and the check's result
// (wParam) once it has ended. At most one progress message waits in the
// queue at a time, so that a long list checked fast cannot fill the queue
// and lose the message that ends the dialog.
constexpr UINT kProgressMessage = WM_APP + 1;
constexpr UINT kFinishedMessage = WM_APP + 2;

struct Column {
    const char* heading;
    int percent;  // of the list's width
};
constexpr Column kColumns[] = {{"Title", 30}, {"URL", 38}, {"Result", 32}};

}  // namespace

// --- progress ---------------------------------------------------------------------

CLinkProgressDlg::CLinkProgressDlg(HWND owner, CLinkChecker& checker, const std::vector<LinkToCheck>& links,
                                   std::vector<LinkResult>& results) noexcept
    : CCleanupDlg(IDD_LINK_CHECK_PROGRESS, owner), checker_(checker), links_(links), results_(results) {}

CLinkProgressDlg::~CLinkProgressDlg() {
    if (worker_.joinable()) worker_.join();
}

bool CLinkProgressDlg::OnInit() {
    const int total = static_cast<int>(links_.size());
    SendItemMessage(IDC_LINK_PROGRESS_BAR, PBM_SETRANGE32, 0, total);
    ShowDone(0, total);
    const HWND window = Handle();
    try {
        worker_ = std::thread([this, window] {
            const int result = checker_.Check(links_, results_, [this, window](int done, int) {
                done_ = done;
                if (!progressPosted_.exchange(true)) ::PostMessageA(window, kProgressMessage, 0, 0);
            });
            ::PostMessageA(window, kFinishedMessage, static_cast<WPARAM>(result), 0);
        });
    } catch (const std::system_error&) {
        Close(IDABORT);
    }
    return true;
}

std::optional<LRESULT> CLinkProgressDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kProgressMessage:
        progressPosted_ = false;
        ShowDone(done_, static_cast<int>(links_.size()));
        return TRUE;
    case kFinishedMessage:
        Finish(static_cast<int>(wParam));
        return TRUE;
    default:
        return CCleanupDlg::OnMessage(message, wParam, lParam);
    }
}

// Cancel (Esc, the close box) stops the check and closes the dialog at
// once; the requests in flight end with the cancel, and the worker with them.
bool CLinkProgressDlg::OnCommand(int id, int code, HWND control) {
    if (id != IDCANCEL) return CCleanupDlg::OnCommand(id, code, control);
    checker_.Cancel();
    Close(IDCANCEL);
    return true;
}

void CLinkProgressDlg::ShowDone(int done, int total) const {
    SendItemMessage(IDC_LINK_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(done));
    SetItemText(IDC_LINK_PROGRESS_TEXT,
                FormatResourceString(IDS_LINK_PROGRESS, {static_cast<unsigned>(done), static_cast<unsigned>(total)})
                    .value_or(std::string()));
}

void CLinkProgressDlg::Finish(int result) {
    worker_.join();
    Close(result == 0 ? IDOK : result == -1 ? IDCANCEL : IDABORT);
}

// --- summary ----------------------------------------------------------------------

CLinkSummaryDlg::CLinkSummaryDlg(HWND owner, std::string text, std::vector<LinkSummaryRow> rows, bool anyMoved)
    : CCleanupDlg(IDD_LINK_CHECK_SUMMARY, owner), text_(std::move(text)), rows_(std::move(rows)),
      anyMoved_(anyMoved) {}

bool CLinkSummaryDlg::OnInit() {
    SetItemText(IDC_LINK_SUMMARY_TEXT, text_);
    EnableItem(IDC_UPDATE_MOVED, anyMoved_);
    const HWND list = Item(IDC_LINK_SUMMARY_LIST);
    ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client{};
    ::GetClientRect(list, &client);
    const int width = client.right - ::GetSystemMetrics(SM_CXVSCROLL);
    for (int index = 0; index < static_cast<int>(std::size(kColumns)); ++index) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(kColumns[index].heading);
        column.cx = width * kColumns[index].percent / 100;
        ::SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
    }
    FillRows(list);
    // A column is as wide as its longest text, or its share of the list.
    for (int index = 0; index < static_cast<int>(std::size(kColumns)); ++index) {
        const int share = width * kColumns[index].percent / 100;
        ::SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), LVSCW_AUTOSIZE_USEHEADER);
        if (::SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index), 0) < share)
            ::SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), share);
    }
    return true;
}

void CLinkSummaryDlg::FillRows(HWND list) const {
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        const LinkSummaryRow& line = rows_[static_cast<std::size_t>(row)];
        const std::string* cells[] = {&line.title, &line.url, &line.result};
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<char*>(cells[0]->c_str());
        ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int cell = 1; cell < static_cast<int>(std::size(cells)); ++cell) {
            item.iSubItem = cell;
            item.pszText = const_cast<char*>(cells[cell]->c_str());
            ::SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        }
    }
}

bool CLinkSummaryDlg::OnCommand(int id, int code, HWND control) {
    if (id != IDC_UPDATE_MOVED || code != BN_CLICKED) return CCleanupDlg::OnCommand(id, code, control);
    Close(IDC_UPDATE_MOVED);
    return true;
}
