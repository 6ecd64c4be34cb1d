#include "win/subclass.h"

#include <mutex>
#include <unordered_map>

namespace win {

// One chain per subclassed control: the newest object and the procedure the
// chain replaced. Found by the control's handle in a table of our own: a
// window property or GWLP_USERDATA would cost a round trip to the Wine
// server per message, or take a slot that belongs to the control's users.
struct CSubclassedControl::Chain {
    CSubclassedControl* top = nullptr;
    WNDPROC previous = nullptr;

    static std::mutex& Lock() {
        static std::mutex lock;
        return lock;
    }
    static std::unordered_map<HWND, Chain>& Table() {
        static std::unordered_map<HWND, Chain> table;
        return table;
    }

    // Puts the procedure back when it is still the control's own; below a
    // procedure put on top later it must stay, or that one would call a
    // procedure that is gone.
    static void Remove(HWND control, std::unordered_map<HWND, Chain>::iterator at) {
        const auto ours = reinterpret_cast<LONG_PTR>(&CSubclassedControl::ChainProc);
        if (::GetWindowLongPtrA(control, GWLP_WNDPROC) != ours) return;
        ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(at->second.previous));
        Table().erase(at);
    }
};

bool CSubclassedControl::Attach(HWND control) noexcept {
    if (Handle() || !::IsWindow(control)) return false;
    try {
        std::lock_guard<std::mutex> guard(Chain::Lock());
        auto [at, added] = Chain::Table().try_emplace(control);
        if (added) {
            const auto previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
                control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainProc)));
            if (!previous) {  // another process's window, or one being destroyed
                Chain::Table().erase(at);
                return false;
            }
            at->second.previous = previous;
        }
        next_ = at->second.top;
        previous_ = at->second.previous;
        at->second.top = this;
    } catch (...) {
        return false;
    }
    SetHandle(control);
    return true;
}

void CSubclassedControl::Detach() noexcept {
    const HWND control = Handle();
    if (!control) return;
    std::lock_guard<std::mutex> guard(Chain::Lock());
    auto& table = Chain::Table();
    const auto at = table.find(control);
    if (at != table.end()) {
        CSubclassedControl** link = &at->second.top;
        while (*link && *link != this) link = &(*link)->next_;
        if (*link) *link = next_;
        if (!at->second.top) Chain::Remove(control, at);
    }
    next_ = nullptr;
    SetHandle(nullptr);
}

LRESULT CSubclassedControl::CallControl(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (next_) return next_->Receive(message, wParam, lParam);
    const HWND control = Handle();
    return control ? ::CallWindowProcA(previous_, control, message, wParam, lParam) : 0;
}

LRESULT CSubclassedControl::Receive(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    const std::optional<LRESULT> result = Dispatch(message, wParam, lParam);
    return result ? *result : CallControl(message, wParam, lParam);
}

LRESULT CALLBACK CSubclassedControl::ChainProc(HWND control, UINT message, WPARAM wParam,
                                              LPARAM lParam) noexcept {
    CSubclassedControl* top = nullptr;
    WNDPROC previous = nullptr;
    {
        std::lock_guard<std::mutex> guard(Chain::Lock());
        const auto at = Chain::Table().find(control);
        if (at == Chain::Table().end()) return ::DefWindowProcA(control, message, wParam, lParam);
        top = at->second.top;
        previous = at->second.previous;
    }
    const LRESULT result = top ? top->Receive(message, wParam, lParam)
                               : ::CallWindowProcA(previous, control, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        std::lock_guard<std::mutex> guard(Chain::Lock());
        const auto at = Chain::Table().find(control);
        if (at != Chain::Table().end()) {
            for (CSubclassedControl* object = at->second.top; object;) {
                CSubclassedControl* next = object->next_;
                object->next_ = nullptr;
                object->SetHandle(nullptr);
                object = next;
            }
            ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            Chain::Table().erase(at);
        }
    }
    return result;
}

}  // namespace win
