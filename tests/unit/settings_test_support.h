// Shared set-up for the settings tests: an in-memory store, settings over it
// and short ways to put values where the program keeps them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/settings/app_settings.h"
#include "app/store/memory_store.h"
#include "app/store/store_values.h"

namespace settings_test {

inline constexpr const char* kMainKey = "Software\\Corvain\\Vellinor\\2.0";
inline constexpr const char* kAppFolder = "C:\\Tools\\Links\\";
inline constexpr const char* kBackupFile = "C:\\Tools\\Links\\Vellin.sav";
inline constexpr const char* kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// Detection as on Windows, also when the tests run under Wine: nothing to
// expand, no desktop browser of the host's own.
class WindowsHost final : public BrowserHost {
public:
    std::string ExpandEnvironment(const std::string& text) const override { return text; }
    std::optional<BrowserEntry> DesktopBrowser() const override { return std::nullopt; }
};

inline SettingsEnvironment TestEnvironment() {
    static const WindowsHost host;
    SettingsEnvironment env;
    env.browserHost = &host;
    return env;
}

inline store::Value Text(const std::string& text) {
    return {store::ValueKind::kText, text + '\0'};
}

inline store::Value Number(std::uint32_t number) {
    std::string data(4, '\0');
    for (int i = 0; i < 4; ++i) data[static_cast<std::size_t>(i)] = static_cast<char>(number >> (8 * i));
    return {store::ValueKind::kNumber, data};
}

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() { settings.AppFolder = kAppFolder; }

    void Put(const std::string& name, store::Value value, const std::string& subkey = "") {
        store.PutValue(store::Root::kCurrentUser,
                       subkey.empty() ? kMainKey : std::string(kMainKey) + "\\" + subkey, name,
                       std::move(value));
    }
    void PutColumn(const std::string& subkey, int count, const std::string& prefix) {
        for (int i = 0; i < count; ++i) Put(std::to_string(i), Text(prefix + std::to_string(i)), subkey);
    }
    void RegisterBrowser(const std::string& appPathsKey, const std::string& program) {
        store.PutValue(store::Root::kLocalMachine, kAppPaths + appPathsKey, "", Text(program));
    }
    std::unique_ptr<store::StoreKey> MainKey() {
        return store.Open(store::Root::kCurrentUser, kMainKey);
    }
    std::optional<std::string> StoredText(const std::string& name, const std::string& subkey = "") {
        return store::ReadRegistryString(
            store, store::Root::kCurrentUser,
            subkey.empty() ? kMainKey : std::string(kMainKey) + "\\" + subkey, name);
    }
    std::optional<std::uint32_t> StoredNumber(const std::string& name) {
        auto key = MainKey();
        std::uint32_t number = 0;
        if (!key || !store::ReadNumber(*key, name, number)) return std::nullopt;
        return number;
    }
    // A fresh program start on the same store.
    CAppSettings Reloaded() {
        CAppSettings fresh(store, TestEnvironment());
        fresh.AppFolder = kAppFolder;
        fresh.LoadSettings();
        return fresh;
    }

    store::MemoryStore store;
    CAppSettings settings{store, TestEnvironment()};
};

}  // namespace settings_test
