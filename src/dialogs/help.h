// The one way the program opens its help file, "Vellin.chm" beside the
// program file: F1, the Help menu item and every dialog's Help button come
// here with the topic that fits them. A test installs a stand-in for its scope
// (HelpViewerOverride) that records the topics asked for.
#pragma once

#include <windows.h>

// The help file's pages; every dialog's Help button names one of them.
namespace help_topic {
inline constexpr char kContents[] = "index.html";
inline constexpr char kGettingStarted[] = "getting_started.html";
inline constexpr char kModes[] = "modes.html";
inline constexpr char kOrganizing[] = "organizing.html";   // marks, moving, sorting
inline constexpr char kSeveralLists[] = "lists.html";      // aliases and several lists
inline constexpr char kImportExport[] = "import_export.html";
inline constexpr char kNoteWindow[] = "note_window.html";
inline constexpr char kBrowsers[] = "browsers.html";
inline constexpr char kPreferences[] = "preferences.html";
inline constexpr char kListFile[] = "list_file.html";      // the list file format
inline constexpr char kKeyboard[] = "keyboard.html";
inline constexpr char kSetup[] = "setup.html";              // Setup and Uninstall
inline constexpr char kCleanup[] = "cleanup.html";          // duplicates and dead links
}  // namespace help_topic

class IHelpViewer {
public:
    // Shows `topic` (one of help_topic) of the help file, owned by `owner`.
    virtual void Show(HWND owner, const char* topic) noexcept = 0;

protected:
    ~IHelpViewer() = default;
};

// The viewer in use: the system's HTML Help unless an override is alive.
IHelpViewer& HelpViewer() noexcept;

class HelpViewerOverride {
public:
    explicit HelpViewerOverride(IHelpViewer& viewer) noexcept;
    ~HelpViewerOverride();
    HelpViewerOverride(const HelpViewerOverride&) = delete;
    HelpViewerOverride& operator=(const HelpViewerOverride&) = delete;

private:
    IHelpViewer* previous_;
};
