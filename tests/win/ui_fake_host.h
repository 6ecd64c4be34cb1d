// A stand-in for the application that owns the main window: real settings
// in memory, a real list model loaded from a file the test writes, the real
// colour-mapped pictures, and a hidden window that records what the main
// window posts to it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/color_resources.h"
#include "app/settings/app_settings.h"
#include "app/store/memory_store.h"
#include "model/find_state.h"
#include "model/url_list_file.h"
#include "ui/main_dlg.h"
#include "ui/main_window_host.h"
#include "win/handles.h"
#include "win/window.h"

struct PostedMessage {
    UINT message;
    WPARAM wParam;
};

class CRecordingHiddenWindow final : public win::CWindow {
public:
    std::vector<PostedMessage> received;
    bool Saw(UINT message, WPARAM wParam) const;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A clock the test sets.
class CFixedClock final : public platform::Clock {
public:
    std::int64_t now = 1'700'000'000;
    std::int64_t Now() const override { return now; }
};

// The browser side as the tests script it: records what is opened and
// hands out one fetched URL when asked.
class CRecordingBrowserActions final : public IBrowserActions {
public:
    struct Opened {
        std::string target;
        bool newWindow;
    };
    std::vector<Opened> opened;
    bool opens = true;     // OpenTarget succeeds
    FetchedUrl fetchable;  // empty URL: nothing to fetch
    int fetches = 0;

    bool OpenTarget(HWND, const std::string& target, bool newWindow) override {
        opened.push_back({target, newWindow});
        return opens;
    }
    bool OpenUrl(HWND owner, const std::string& url, bool newWindow) override {
        return OpenTarget(owner, url, newWindow);
    }
    bool FetchFrontmostUrl(HWND, FetchedUrl& fetched) override {
        ++fetches;
        fetched = fetchable;
        return !fetchable.url.empty();
    }
};

// The real file system, except that saving fails while `failSaves` is set:
// a list file that can no longer be written.
class CSaveFailingFileSystem final : public platform::FileSystem {
public:
    static constexpr platform::OsError kAccessDenied = 5;
    bool failSaves = false;

    std::unique_ptr<platform::OpenFile> Open(const std::string& path, platform::OpenMode mode,
                                             platform::OsError& error) override;
    platform::OsError Copy(const std::string& from, const std::string& to) override { return real_.Copy(from, to); }
    platform::OsError Replace(const std::string& source, const std::string& target) override {
        return failSaves ? kAccessDenied : real_.Replace(source, target);
    }
    platform::OsError Remove(const std::string& path) override { return real_.Remove(path); }
    platform::OsError CreateFolder(const std::string& path) override { return real_.CreateFolder(path); }
    platform::OsError ListFolder(const std::string& path, std::vector<platform::FolderEntry>& entries) override {
        return real_.ListFolder(path, entries);
    }
    bool FullPath(const std::string& path, std::string& full) override { return real_.FullPath(path, full); }
    bool Exists(const std::string& path) override { return real_.Exists(path); }
    bool IsFolder(const std::string& path) override { return real_.IsFolder(path); }
    platform::ErrorKind Classify(platform::OsError error) const override { return real_.Classify(error); }
    std::string ErrorText(platform::OsError error) const override { return real_.ErrorText(error); }

private:
    platform::FileSystem& real_ = platform::OsFileSystem();
};

class CFakeHost final : public IMainWindowHost {
public:
    // Writes `listText` to a fresh file and configures it as list 0.
    explicit CFakeHost(const std::string& listText);
    ~CFakeHost();

    CAppSettings& Settings() override { return settings_; }
    CUrlListFile& CurrentList() override { return list_; }
    CUrlListFile* OtherList() override { return other_.get(); }
    void DiscardOtherList() override;
    bool OpenCurrentList(HWND owner, bool reload) override;
    int PreviousMode() const override { return kViewRegular; }
    HWND HiddenWindow() const override { return hidden_.Handle(); }
    void HideApp() override { ++hides; }
    void RestoreApp() override { ++restores; }
    HACCEL GlobalAccelerators() const override { return globalAccelerators_.Get(); }
    HICON LargeIcon() const override { return icon_; }
    HICON SmallIcon() const override { return icon_; }
    HBRUSH BackgroundBrush() const override { return colors_.Brush(); }
    HBITMAP ButtonBitmap(int id) const override { return colors_.Bitmap(id); }
    void RecreateColorResources() override;
    IBrowserActions& BrowserActions() override { return browser; }
    LinkCheckOptions LinkCheckSettings() const override { return linkChecking; }
    // Opens the list's file into the one model (no other list is kept).
    bool SelectList(HWND owner, int index, bool reload) override;
    int PreviousList() const override { return previousList; }
    bool EnsureListFileExists(HWND, const std::string& path, bool) override;
    void SaveSettings() override { ++settingsSaves; }
    void SetCurrentBrowser(int index) override {
        browsersSet.push_back(index);
        settings_.Browsers.CurrentBrowser = index;
    }
    INT_PTR RunPreferences(HWND, int tab) override {
        preferencesTabs.push_back(tab);
        return IDCANCEL;
    }
    CFindState& FindRound() override { return findRound; }
    void PauseForNotice(unsigned milliseconds) override {
        pauses.push_back(milliseconds);
        if (onPause) onPause();
    }
    // The prompts answer with `promptAnswers` in order (and the Open New URL
    // prompt's text with `promptText`); the save-copy picker with `copyPath`.
    int RunPrompt(HWND owner, int templateId, std::string& text) override;
    bool ChooseFileOrFolder(HWND, const std::string&, std::string& path) override {
        path = chosenPath;
        return !path.empty();
    }
    bool ChooseSaveCopyPath(HWND, const std::string&, std::string& path) override {
        path = copyPath;
        return !path.empty();
    }

    // Creates the main window in `mode`, shows it with `show` and has it
    // show the list, as the application does; null when it failed.
    std::unique_ptr<CMainDlg> OpenWindow(int mode, int show);

    const std::string& ListPath() const { return path_; }
    void GiveOtherList(std::unique_ptr<CUrlListFile> other);
    const CRecordingHiddenWindow& Hidden() const { return hidden_; }

    CFixedClock clock;  // the list's clock
    CRecordingBrowserActions browser;
    LinkCheckOptions linkChecking;
    std::vector<int> preferencesTabs;
    std::vector<int> browsersSet;  // every change of the current browser
    int settingsSaves = 0;
    int previousList = -1;
    CFindState findRound;
    // The Find pauses asked for (none really waits), and what the test
    // looks at during one.
    std::vector<unsigned> pauses;
    std::function<void()> onPause;
    CSaveFailingFileSystem files;
    std::vector<int> promptAnswers;
    std::vector<int> prompted;  // the templates of the prompts shown
    std::string promptText;
    std::string copyPath;
    std::string chosenPath;
    int hides = 0;
    int restores = 0;
    int discards = 0;
    int opens = 0;
    // A category to select (with its first subcategory and title) after
    // every load; -1 none.
    int startCategory = -1;

private:
    store::MemoryStore store_;
    CAppSettings settings_{store_};
    CUrlListFile list_{ListEnvironment{&files, &platform::AnsiCodePage(), &clock, nullptr}};
    std::unique_ptr<CUrlListFile> other_;
    std::string path_;
    win::UniqueWindowClass hiddenClass_;
    CRecordingHiddenWindow hidden_;
    win::UniqueAccelerators globalAccelerators_;
    HICON icon_ = nullptr;
    CColorResources colors_;
};

// The list most tests show: two categories, the second with a separator.
extern const char kSampleList[];
