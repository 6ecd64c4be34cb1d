// Acts for the user in a modal dialog that the code under test opens.
//
// The driver is a window that the test passes as the dialog's owner. A modal
// loop (DialogBox's, MessageBoxA's) sends its owner WM_ENTERIDLE each time
// its queue has run empty; the driver then runs the next step of its script
// against the dialog. Each step so sees everything the steps before it
// caused, without any waiting. When the script is done and the dialog is
// still open at the next idle moment, the driver fails the test and ends the
// dialog with kForcedClose; a dialog that never goes idle is ended after
// kBoundMs the same way.
//
// Wine: a window with a caption is "managed", and without a window manager
// Wine waits 2 s for one whenever such a window is hidden. Each dialog then
// takes 2 s to close unless the prefix sets HKCU\Software\Wine\X11 Driver
// "Managed" = "N"; the tests pass either way.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win/handles.h"
#include "win/window.h"

class CDialogDriver final : public win::CWindow {
public:
    using Step = std::function<void(HWND dialog)>;
    static constexpr INT_PTR kForcedClose = -2;
    static constexpr UINT kBoundMs = 10000;

    explicit CDialogDriver(std::vector<Step> script);
    ~CDialogDriver() override;

    HWND Owner() const { return Handle(); }
    // Serves also the modal dialogs that other windows of this thread own
    // (the main window's own dialogs): a hook passes their owners'
    // WM_ENTERIDLE on to the driver.
    void ServeEveryOwner();
    std::size_t StepsRun() const { return next_; }

    // Steps. Clicks and keys are posted, as input would be, so that the
    // dialog manager handles them in its loop.
    static Step Click(int id);                         // BM_CLICK on a button
    static Step Key(UINT virtualKey);                  // to the focused control
    static Step Type(const std::string& characters);   // WM_CHAR to the focused control
    static Step SetText(int id, const std::string& text);  // the control's text, set at once
    // Saves the dialog's picture where pictures can be taken.
    static Step Picture(const std::string& name);
    // Runs again at each idle moment until `ready` holds for the dialog open
    // then (the next step follows at the next idle moment).
    static Step Await(std::function<bool(HWND dialog)> ready);

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ForceClose(HWND dialog, const char* why);

    std::vector<Step> script_;
    std::size_t next_ = 0;
    HWND lastDialog_ = nullptr;
    win::UniqueWindowClass class_;
    win::Unique<win::NullHandleTraits<HHOOK, &::UnhookWindowsHookEx>> hook_;
};
