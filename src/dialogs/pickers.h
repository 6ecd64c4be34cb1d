// The one way the program asks the user for a file, a folder or a colour.
//
// Every choice goes through IPickers: the program's own shows the system's
// explorer-style Open/Save dialog (turned into a folder chooser where asked,
// see dialogs/folder_file_dialog.h) and the common colour dialog; a test
// installs a stand-in for its scope (PickersOverride) that sees each request
// and answers it. Production code neither knows nor asks which one is in use.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

enum class PickerMode {
    kFile = 0,          // an ordinary Open or Save dialog
    kFolder = 1,        // only folders are listed; "Select" takes the folder shown
    kFileOrFolder = 2,  // files are listed too; either may be chosen
};

struct PickerRequest {
    PickerMode mode = PickerMode::kFile;
    bool open = true;  // Open, else Save (file mode)
    HWND owner = nullptr;
    std::string title;
    std::string defaultExtension;
    std::string fileName;
    // The nearest existing folder of the caller's path (empty: the system's choice).
    std::string startFolder;
    // "Text files (*.txt)|*.txt|All files (*.*)|*.*||"; empty: none.
    std::string filter;
    DWORD options = 0;  // OFN_*, always with OFN_EXPLORER
};

struct PickerAnswer {
    std::string path;      // file mode: the full path chosen
    std::string folder;    // other modes: the folder the dialog showed last
    std::string fileName;  // other modes: the file name selected or typed; empty for a folder
};

class IPickers {
public:
    // IDOK with `answer` filled in, or IDCANCEL.
    virtual int PickFile(const PickerRequest& request, PickerAnswer& answer) noexcept = 0;
    // The colour chosen, or std::nullopt when the dialog was cancelled.
    virtual std::optional<COLORREF> PickColor(HWND owner, COLORREF initial) noexcept = 0;

protected:
    ~IPickers() = default;
};

// The pickers in use on the user-interface thread: the system's dialogs
// unless an override is alive.
IPickers& Pickers() noexcept;

class PickersOverride {
public:
    explicit PickersOverride(IPickers& pickers) noexcept;
    ~PickersOverride();
    PickersOverride(const PickersOverride&) = delete;
    PickersOverride& operator=(const PickersOverride&) = delete;

private:
    IPickers* previous_;
};

// The system's explorer-style dialog for `request` (dialogs/file_dialog.cpp).
int RunSystemFileDialog(const PickerRequest& request, PickerAnswer& answer) noexcept;
