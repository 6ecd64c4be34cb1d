// A dialog of the test template whose handlers each test supplies, with the
// framework's protected helpers made public, recording every message it sees.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "test_resources.h"
#include "win/dialog.h"

class CTestDialog final : public win::CDialog {
public:
    explicit CTestDialog(HWND owner = nullptr, UINT templateId = IDD_TEST)
        : CDialog(templateId, owner) {}

    // Hooks run before the framework's handling, which still runs when a
    // hook leaves the message unhandled (false, std::nullopt). onInit's
    // result is WM_INITDIALOG's.
    std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)> onMessage;
    std::function<bool()> onInit;
    std::function<bool(int id, int code)> onCommand;
    std::function<std::optional<LRESULT>(const NMHDR&)> onNotify;
    std::function<void()> onDestroy;

    struct Seen {
        UINT message;
        bool attached;  // Handle() was the window when the message arrived
    };
    std::vector<Seen> seen;

    using CDialog::CheckItem;
    using CDialog::EnableItem;
    using CDialog::IsItemChecked;
    using CDialog::Item;
    using CDialog::ItemText;
    using CDialog::SendItemMessage;
    using CDialog::SetItemText;
    using CDialog::ShowItem;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        seen.push_back({message, Handle() != nullptr});
        if (onMessage)
            if (auto result = onMessage(message, wParam, lParam)) return result;
        return CDialog::OnMessage(message, wParam, lParam);
    }
    bool OnInit() override { return onInit ? onInit() : CDialog::OnInit(); }
    bool OnCommand(int id, int code, HWND control) override {
        return (onCommand && onCommand(id, code)) || CDialog::OnCommand(id, code, control);
    }
    std::optional<LRESULT> OnNotify(const NMHDR& header) override {
        if (onNotify)
            if (auto result = onNotify(header)) return result;
        return CDialog::OnNotify(header);
    }
    void OnDestroy() override {
        if (onDestroy) onDestroy();
    }
};
