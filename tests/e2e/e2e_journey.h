// What every journey starts from: no settings of the program anywhere (the
// registry key and its backup file are removed before and after), a folder
// of its own for the list files, and the settings a previous run would have
// left, written through the program's own settings code.
//
// All journeys share the one Wine prefix of the test run (a fresh prefix
// costs seconds each); each still starts from nothing of its own.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/settings/app_settings.h"
#include "app/win32/registry_store.h"
#include "e2e_driver.h"
#include "model/url_list_file.h"
#include "registry_test_support.h"

namespace e2e {

class Journey : public ::testing::Test {
protected:
    Journey() {
        DeleteSettingsBackup();
        // The pointer left over a control would put that control's help in
        // the status line: it rests in the screen's far corner instead.
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    ~Journey() override {
        program.reset();  // a run still going could write the backup again
        DeleteSettingsBackup();
    }

    std::string Path(const std::string& name) const { return folder.Path() + name; }

    // Stores the lists (name and file name in the journey's folder) with the
    // first one current, the mode, and whatever `adjust` changes.
    void StoreSettings(const std::vector<std::string>& listNames, int viewMode,
                       const std::function<void(CAppSettings&)>& adjust = {}) {
        CAppSettings stored(registry);
        stored.AppFolder = folder.Path();
        stored.LoadSettings();
        stored.Lists.entries.clear();
        for (const std::string& name : listNames) stored.Lists.entries.push_back({name, Path(name + ".txt")});
        stored.Lists.CurrentList = listNames.empty() ? -1 : 0;
        stored.ViewMode = viewMode;
        if (adjust) adjust(stored);
        ASSERT_TRUE(stored.SaveSettings(false, nullptr));
    }
    // The settings stored as StoreSettings does, and the program started on
    // them; `main` is its main window, null when none came.
    void StartProgram(const std::vector<std::string>& listNames, int viewMode,
                      const std::function<void(CAppSettings&)>& adjust = {}) {
        StoreSettings(listNames, viewMode, adjust);
        main = program.emplace().WaitForMain();
    }
    CAppSettings StoredSettings() {
        CAppSettings stored(registry);
        stored.AppFolder = folder.Path();
        stored.LoadSettings();
        return stored;
    }

    // The stand-in browser answering DDE as `service`: it opens every URL in
    // its window 9 and its frontmost page is "Fetched Page" at
    // http://fetched.example/. UseFakeBrowser makes it the current browser.
    void StartFakeBrowser(const std::string& service) {
        fake = std::make_unique<browser_test::CFakeDdeBrowser>(
            folder.Path(), service,
            std::vector<std::string>{"WWW_GetWindowInfo -1 text \"http://fetched.example/\",\"Fetched Page\"",
                                     "WWW_Activate * id 9", "WWW_OpenURL * id 9"});
        ASSERT_TRUE(fake->Ready());
    }
    static void UseFakeBrowser(CAppSettings& settings, const std::string& service) {
        settings.Browsers.entries = {{"E2E Browser", "C:\\Browser\\browser.exe", service}};
        settings.Browsers.CurrentBrowser = 0;
    }

    // The list file as the model reads it: one line per entry, indented by
    // its level, an alias marked with "="; with `whole`, a title's whole text
    // (URL, name, last visited, note, log-in name) in place of its name.
    static std::vector<std::string> Outline(const std::string& path, bool whole = false) {
        CUrlListFile list;
        list.Load(path);
        std::vector<std::string> lines;
        for (int item = list.First(); item != 0; item = list.Next(item)) {
            const bool alias = list.Item(item).Has(ItemFlags::kAlias);
            lines.push_back(std::string(static_cast<std::size_t>(list.Level(item)), ' ') + (alias ? "=" : "") +
                            std::string(whole ? list.ItemText(item) : list.DisplayName(item)));
        }
        return lines;
    }
    // The text of the title line that starts with `url` in the list file,
    // empty when there is none.
    static std::string TitleText(const std::string& path, const std::string& url) {
        const std::string saved = ReadFile(path);
        const std::size_t title = saved.find(url);
        return title == std::string::npos ? std::string() : saved.substr(title, saved.find('\r', title) - title);
    }

    // The level list boxes and fields of the Regular and Organize window.
    static HWND Box(HWND main, int level) { return Control(main, 1024 + level); }
    static HWND NameField(HWND main, int level) { return Control(main, 1000 + level); }

    registry_test::ScopedKeyTree maker{HKEY_CURRENT_USER, "Software\\Corvain"};
    registry_test::ScratchFolder folder;
    RegistryStore registry;
    // Ended before its folder goes.
    std::unique_ptr<browser_test::CFakeDdeBrowser> fake;
    std::optional<Program> program;  // killed when the test ends
    HWND main = nullptr;

private:
    // The program keeps a copy of its settings beside itself and takes them
    // from there when the registry has none.
    static void DeleteSettingsBackup() { ::DeleteFileA((ProgramFolder() + "Vellin.sav").c_str()); }
};

}  // namespace e2e
