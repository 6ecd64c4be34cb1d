// The Check Links command's dialogs: the progress of a check that runs on
// a worker thread, which the user can cancel at any moment, and the summary
// of the dead and moved links, from which the user can choose to update the
// moved URLs. The Help buttons (and F1) open the help file's cleanup page.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "model/link_check.h"
#include "dialogs/help.h"
#include "dialogs/help_dialog.h"

class CCleanupDlg : public CHelpDialog {
protected:
    CCleanupDlg(UINT templateId, HWND owner) noexcept : CHelpDialog(templateId, owner, help_topic::kCleanup) {}
};

// Checks `links` with `checker` on a worker thread while the dialog shows
// how many are done. RunModal returns IDOK when every link was checked,
// IDCANCEL when the user cancelled (links not reached stay unchecked),
// IDABORT when memory ran out.
class CLinkProgressDlg final : public CCleanupDlg {
public:
    CLinkProgressDlg(HWND owner, CLinkChecker& checker, const std::vector<LinkToCheck>& links,
                     std::vector<LinkResult>& results) noexcept;
    // Waits for the worker: after a cancel, for the requests in flight to end.
    ~CLinkProgressDlg() override;

protected:
    bool OnInit() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ShowDone(int done, int total) const;
    void Finish(int result);

    CLinkChecker& checker_;
    const std::vector<LinkToCheck>& links_;
    std::vector<LinkResult>& results_;
    std::atomic<int> done_{0};
    std::atomic<bool> progressPosted_{false};
    std::thread worker_;
};

// One line of the summary: a dead link with its reason, or a moved one
// with where it leads now.
struct LinkSummaryRow {
    std::string title;
    std::string url;
    std::string result;
};

// RunModal returns IDC_UPDATE_MOVED when the user chose to update the moved
// URLs, else IDOK.
class CLinkSummaryDlg final : public CCleanupDlg {
public:
    CLinkSummaryDlg(HWND owner, std::string text, std::vector<LinkSummaryRow> rows, bool anyMoved);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void FillRows(HWND list) const;

    std::string text_;
    std::vector<LinkSummaryRow> rows_;
    bool anyMoved_;
};
