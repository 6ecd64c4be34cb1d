// The application in process over a memory store: list files in a scratch
// folder, the settings a previous run would have left, the start, and an end
// that leaves no WM_QUIT behind for the next test's pumping.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_app.h"
#include "app/store/memory_store.h"
#include "registry_test_support.h"
#include "test_files.h"

class AppFixture : public ::testing::Test {
protected:
    ~AppFixture() override { EndApp(); }

    std::string Path(const std::string& name) const { return folder.Path() + name; }
    // The list file `name`.txt in the folder, holding `text`; its path.
    std::string WriteList(const std::string& name, const std::string& text) const {
        const std::string path = Path(name + ".txt");
        test_files::WriteFile(path, text);
        return path;
    }

    // Stores `lists` with `current` open, changed by `adjust`; true when written.
    bool StoreSettings(const std::vector<ListEntry>& lists, int current,
                       const std::function<void(CAppSettings&)>& adjust = {}) {
        CAppSettings stored = StoredSettings();
        stored.Lists.entries = lists;
        stored.Lists.CurrentList = current;
        if (adjust) adjust(stored);
        return stored.SaveSettings(true, nullptr);
    }
    CAppSettings StoredSettings() {
        CAppSettings stored(registry);
        stored.AppFolder = folder.Path();
        stored.LoadSettings();
        return stored;
    }

    // The program as if run from the folder, on the store.
    AppEnvironment Environment() { return AppEnvironment{&registry, Path("vellinor.exe")}; }
    // A new application on `environment`, started; true when it runs on.
    bool StartApp(AppEnvironment environment, const std::string& commandLine = "") {
        app = std::make_unique<CMainApp>(std::move(environment));
        return app->Start(commandLine);
    }
    HWND Main() const { return app->MainWindow() ? app->MainWindow()->Handle() : nullptr; }

    // A run that ended posted WM_QUIT; the next test's pumping must not see it.
    static void DrainQuit() {
        MSG message;
        while (::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    // Ends the run, then lets the application go. A fixture whose own
    // members the application uses calls this from its own destructor.
    void EndApp() {
        if (app) app->End();
        DrainQuit();
        app.reset();
    }

    registry_test::ScratchFolder folder;
    store::MemoryStore registry;
    std::unique_ptr<CMainApp> app;
};
