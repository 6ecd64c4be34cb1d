// CFolderFileDialog: every file and folder choice of the program.
//
//     auto dialog = CFolderFileDialog::ForFolder(owner, "Select Import Folder", start);
//     if (dialog.Run() == IDOK) Import(dialog.Path());   // "C:\Lists\Old\"
//
// Three modes (dialogs/pickers.h): a file, a folder, or either. The dialog
// starts in the nearest existing folder of the path it is given; it is
// shown through the pickers seam, so tests answer it.
#pragma once

#include <windows.h>

#include <string>

#include "dialogs/pickers.h"

class CFolderFileDialog {
public:
    // An Open (`open`) or Save dialog; `filter` as "Text files (*.txt)|*.txt||".
    static CFolderFileDialog ForFile(HWND owner, bool open, const std::string& title,
                                     const std::string& defaultExtension, const std::string& fileName,
                                     const std::string& startPath, DWORD options,
                                     const std::string& filter);
    // Only folders are listed; the title defaults to "Choose folder".
    static CFolderFileDialog ForFolder(HWND owner, const std::string& title,
                                       const std::string& startPath, DWORD options = 0);
    // A file or a folder; no filter lists every file.
    static CFolderFileDialog ForFileOrFolder(HWND owner, const std::string& title,
                                             const std::string& startPath, DWORD options,
                                             const std::string& filter);

    // Modal: IDOK or IDCANCEL.
    int Run();

    // File mode: the full path chosen. Other modes: the folder shown, with a
    // backslash, followed by the file name selected (none for a folder, so
    // a folder comes back ending with a backslash).
    std::string Path() const;
    // The folder, with a trailing backslash.
    std::string Folder() const;
    // A name for a new list or browser: the file name without its extension;
    // without a file name, the folder's last component.
    std::string EntryName() const;

    const PickerRequest& Request() const noexcept { return request_; }

private:
    explicit CFolderFileDialog(PickerRequest request) : request_(std::move(request)) {}

    PickerRequest request_;
    PickerAnswer answer_;
};

// From `path`, cut at the last backslash until what is left is an existing
// folder or nothing.
std::string StartingFolder(std::string path);
