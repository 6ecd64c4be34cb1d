// CDialog: a dialog from a template in the module's resources, modal or
// modeless; the base of every dialog of the program.
//
//     class CAboutDlg : public win::CDialog {
//     public:
//         explicit CAboutDlg(HWND owner) : CDialog(IDD_ABOUT, owner) {}
//     protected:
//         bool OnInit() override {
//             SetItemText(IDC_VERSION, VersionLine());
//             return true;
//         }
//     };
//
//     CAboutDlg(owner).RunModal();
//
// Modal: RunModal shows the dialog and returns the code given to Close.
// Modeless: Create shows it and returns at once; Close destroys the window.
// The message loop must pass the dialog its keyboard messages (PreTranslate;
// see win/message_loop.h), or Tab, Enter and Esc do nothing.
//
// By default IDOK and IDCANCEL close the dialog with their id: the OK and
// Cancel buttons, Enter (when OK is the default button), Esc and the caption's
// close box (the dialog manager turns all of these into WM_COMMAND).
//
// The object must outlive its window; destroying the object destroys a
// modeless window that is still open, without calling OnDestroy (the derived
// part of the object is gone by then): close the dialog first when OnDestroy
// matters.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win/message_loop.h"
#include "win/window_base.h"

namespace win {

class CDialog : public CWindowBase, public IMessageFilter {
public:
    explicit CDialog(UINT templateId, HWND owner = nullptr) noexcept
        : templateId_(templateId), owner_(owner) {}
    ~CDialog() override;

    // The code given to Close; -1 when the dialog could not be created (no
    // such template, or the dialog is open already).
    INT_PTR RunModal() noexcept;
    // Creates and shows a modeless dialog (when its template has WS_VISIBLE);
    // false when it could not be created or is open already.
    bool Create() noexcept;
    // Ends a modal dialog or destroys a modeless one, keeping `code`.
    void Close(INT_PTR code) noexcept;
    // The code of the last Close.
    INT_PTR Result() const noexcept { return result_; }

    // The dialog's keyboard interface (IsDialogMessageA) for messages to the
    // dialog or its controls; a modal dialog's own loop does this itself.
    bool PreTranslate(MSG& message) noexcept override;

protected:
    // WM_INITDIALOG. Return true to let the system focus the first control
    // of the tab order, false after setting the focus yourself.
    virtual bool OnInit() { return true; }

    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(int id, int code, HWND control) override;

    // One-line helpers for the dialog's controls.
    HWND Item(int id) const noexcept { return ::GetDlgItem(Handle(), id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text) const noexcept {
        ::SetDlgItemTextA(Handle(), id, text.c_str());
    }
    bool IsItemChecked(int id) const noexcept {
        return ::IsDlgButtonChecked(Handle(), id) == BST_CHECKED;
    }
    void CheckItem(int id, bool checked) const noexcept {
        ::CheckDlgButton(Handle(), id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    void EnableItem(int id, bool enabled) const noexcept { ::EnableWindow(Item(id), enabled); }
    void ShowItem(int id, bool shown) const noexcept {
        ::ShowWindow(Item(id), shown ? SW_SHOW : SW_HIDE);
    }
    LRESULT SendItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept {
        return ::SendDlgItemMessageA(Handle(), id, message, wParam, lParam);
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;

    UINT templateId_;
    HWND owner_;
    bool modal_ = false;
    INT_PTR result_ = 0;
};

}  // namespace win
