// Asking the user for a file: the window says what it wants chosen, the
// chooser answers with a path or nothing. Tests answer in its place.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

struct FileChoice {
    std::string title;
    std::string defaultExtension;  // without the dot
    // Pairs of description and pattern separated by "|", ending in "||".
    std::string filter;
    std::string folder;  // where the dialog starts
};

class IFileChooser {
public:
    // The chosen path; nothing when the user cancelled. A file that does
    // not exist yet may be named (it is then to be created).
    virtual std::optional<std::string> ChooseFile(HWND owner, const FileChoice& choice) = 0;

protected:
    ~IFileChooser() = default;
};

// The system's Open dialog.
IFileChooser& SystemFileChooser() noexcept;
