#include "win/dialog.h"

#include "win/module.h"
#include "win/window_text.h"

namespace win {

namespace {

// The messages whose result the dialog manager takes from the dialog
// procedure's return value instead of DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
        case WM_INITDIALOG:
        case WM_CHARTOITEM:
        case WM_VKEYTOITEM:
        case WM_COMPAREITEM:
        case WM_QUERYDRAGICON:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return true;
        default:
            return false;
    }
}

// Messages whose senders never read the result: writing DWLP_MSGRESULT for
// them would only cost time (under Wine a round trip to the server, for
// every entry an owner-drawn list box measures or draws).
bool ResultIsIgnored(UINT message) {
    switch (message) {
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
        case WM_DELETEITEM:
        case WM_COMMAND:
        case WM_SIZE:
        case WM_MOVE:
        case WM_TIMER:
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_DESTROY:
        case WM_NCDESTROY:
            return true;
        default:
            return false;
    }
}

}  // namespace

CDialog::~CDialog() {
    if (HWND window = Handle()) {
        // Cut loose first: the window's last messages must not reach an
        // object whose derived part is already destroyed.
        CutLoose(DWLP_USER);
        ::DestroyWindow(window);
    }
}

INT_PTR CDialog::RunModal() noexcept {
    if (Handle()) return -1;
    modal_ = true;
    CreationScope scope(*this);
    return ::DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(templateId_), owner_, DialogProc, 0);
}

bool CDialog::Create() noexcept {
    if (Handle()) return false;
    modal_ = false;
    CreationScope scope(*this);
    return ::CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(templateId_), owner_, DialogProc,
                                0) != nullptr;
}

void CDialog::Close(INT_PTR code) noexcept {
    result_ = code;
    if (!Handle()) return;
    if (modal_)
        ::EndDialog(Handle(), code);
    else
        ::DestroyWindow(Handle());
}

bool CDialog::PreTranslate(MSG& message) noexcept {
    HWND window = Handle();
    if (!window || (message.hwnd != window && !::IsChild(window, message.hwnd))) return false;
    return ::IsDialogMessageA(window, &message) != FALSE;
}

std::optional<LRESULT> CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInit() ? TRUE : FALSE;
    return CWindowBase::OnMessage(message, wParam, lParam);
}

bool CDialog::OnCommand(int id, int code, HWND) {
    if ((id == IDOK || id == IDCANCEL) && code == BN_CLICKED) {
        Close(id);
        return true;
    }
    return false;
}

std::string CDialog::ItemText(int id) const { return WindowText(Item(id)); }

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept {
    auto* self = static_cast<CDialog*>(ObjectOf(window, DWLP_USER));
    if (!self) return FALSE;
    std::optional<LRESULT> result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) self->CutLoose(DWLP_USER);
    if (!result) return FALSE;
    if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(*result);
    if (ResultIsIgnored(message)) return TRUE;
    // Set only now: a handler that sends messages to its own dialog or shows
    // a message box may have changed DWLP_MSGRESULT while it ran.
    ::SetWindowLongPtrA(window, DWLP_MSGRESULT, *result);
    return TRUE;
}

}  // namespace win
