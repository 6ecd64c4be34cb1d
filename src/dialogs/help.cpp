#include "dialogs/help.h"

#include <string>
#include <utility>

namespace {

// The help file lies beside the program file.
std::string HelpFilePath() {
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "Vellin.chm";
    std::string file(path, length);
    return file.substr(0, file.find_last_of("\\/") + 1) + "Vellin.chm";
}

// HTML Help is loaded when first asked for, so a program that never shows its
// help never loads the control.
class SystemHelpViewer final : public IHelpViewer {
public:
    void Show(HWND owner, const char* topic) noexcept override {
        using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
        constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC
        if (!library_) library_ = ::LoadLibraryA("hhctrl.ocx");
        if (!library_) return;
        auto htmlHelp = reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void*>(::GetProcAddress(library_, "HtmlHelpA")));
        if (!htmlHelp) return;
        std::string target = HelpFilePath() + "::/" + topic;
        htmlHelp(owner, target.c_str(), kDisplayTopic, 0);
    }

private:
    HMODULE library_ = nullptr;  // kept loaded for the whole run, as HTML Help expects
};

SystemHelpViewer g_system;
IHelpViewer* g_current = &g_system;

}  // namespace

IHelpViewer& HelpViewer() noexcept { return *g_current; }

HelpViewerOverride::HelpViewerOverride(IHelpViewer& viewer) noexcept
    : previous_(std::exchange(g_current, &viewer)) {}

HelpViewerOverride::~HelpViewerOverride() { g_current = previous_; }
