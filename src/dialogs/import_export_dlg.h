// CImportExportDlg: the Import dialog (template IDD_IMPORT) and the Export
// dialog (IDD_EXPORT). Import reads a foreign collection (a bookmark file,
// a hotlist, a favorites folder, ...) into a new list file; Export writes the
// open list in a foreign format. The formats themselves are src/exchange's.
//
//     CImportExportDlg dialog(host, owner, IDD_IMPORT);
//     if (dialog.Run(-1) == IDOK) AddList(dialog.ResultName(), dialog.ResultPath());
//
// Both dialogs start with the kind that fits the current browser and propose
// where the collection is (the user's folders from Explorer's "Shell
// Folders" key, the bookmark file used last); every check and failure is
// told in a message box and keeps the dialog open.
#pragma once

#include <windows.h>

#include <string>

#include "dialogs/exchange_host.h"
#include "dialogs/help_dialog.h"

// Import kinds in their combo order; the export kinds are the first three.
enum ExchangeKind : int {
    kFavoritesKind,
    kNetscapeKind,
    kOperaKind,
    kAolKind,
    kStartMenuKind,
    kChromiumKind,
    kFirefoxJsonKind,
};

class CImportExportDlg final : public CHelpDialog {
public:
    // `templateId`: IDD_IMPORT or IDD_EXPORT.
    CImportExportDlg(IExchangeHost& host, HWND owner, UINT templateId);

    // Modal: IDOK after a successful import or export, else IDCANCEL. The
    // Export dialog starts with list `listIndex` of the list table opened.
    INT_PTR Run(int listIndex);

    // After an import: the new list's name (its file name up to the first
    // dot) and its file.
    const std::string& ResultName() const noexcept { return resultName_; }
    const std::string& ResultPath() const noexcept { return resultPath_; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    int Kind() const;
    int KindCombo() const;
    void OnKindChange();
    void OnExportListChange();
    void ChooseSource();
    void ChooseNewList();
    void ChooseOutput();
    void Import();
    void Export();
    bool ReleaseTarget(const std::string& target);
    int ExportAs(int kind, const std::string& output);

    IExchangeHost& host_;
    bool importing_;
    int listIndex_ = -1;
    std::string defaultListName_;
    std::string resultName_;
    std::string resultPath_;
};

// How many items a list file holds as the list reads it (one per line from
// its first category line on); 0 when it cannot be read.
std::size_t ListFileItemCount(const std::string& path);
