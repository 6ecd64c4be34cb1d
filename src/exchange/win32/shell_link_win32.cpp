// Reading and writing shell links through the shell's link object. COM is
// entered for the call when the thread has not entered it yet.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "exchange/shortcut_files.h"

namespace {

class ComScope {
public:
    ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    // RPC_E_CHANGED_MODE: the thread is in COM already, in the other model.
    bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT result_;
};

template <typename Interface>
class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer() {
        if (pointer_) pointer_->Release();
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    Interface* operator->() const { return pointer_; }
    Interface** Out() { return &pointer_; }
    void** OutVoid() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

// Resolving may search the disk and the network for a moved target: no user
// interface (no owner window to show it in) and at most a second. The link
// file is the user's own and is never rewritten by reading it.
const DWORD kResolveFlags = static_cast<DWORD>(SLR_NO_UI) | SLR_NOUPDATE | SLR_NOSEARCH |
                            SLR_NOTRACK | (1000u << 16);

// The link object with its file interface; false when either cannot be had.
bool MakeLinkObject(ComPointer<IShellLinkA>& link, ComPointer<IPersistFile>& file) {
    return SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                        link.OutVoid())) &&
           SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.OutVoid()));
}

// The ANSI path as the file interface takes it; empty when it cannot be converted.
std::wstring WidePath(const std::string& path) {
    int wideLength = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (wideLength <= 0) return {};
    std::wstring widePath(static_cast<std::size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath.data(), wideLength);
    widePath.resize(static_cast<std::size_t>(wideLength - 1));
    return widePath;
}

}  // namespace

int ReadShellLink(const std::string& path, std::string& target) {
    ComScope com;
    if (!com.Usable()) return -1;
    ComPointer<IShellLinkA> link;
    ComPointer<IPersistFile> file;
    if (!MakeLinkObject(link, file)) return -1;
    std::wstring widePath = WidePath(path);
    if (widePath.empty() || FAILED(file->Load(widePath.c_str(), STGM_READ))) return -1;
    if (FAILED(link->Resolve(nullptr, kResolveFlags))) return -1;

    char buffer[MAX_PATH * 4] = {};
    // S_FALSE: the link points at something that has no path (a printer, a control panel).
    if (link->GetPath(buffer, sizeof buffer, nullptr, 0) != S_OK || buffer[0] == '\0') return -1;
    target = buffer;
    char arguments[INFOTIPSIZE * 4] = {};
    if (SUCCEEDED(link->GetArguments(arguments, sizeof arguments))) target.append(" ").append(arguments);
    return 0;
}

int CreateShellLink(const std::string& program, const std::string& linkPath,
                    const std::string& description) {
    ComScope com;
    if (!com.Usable()) return -1;
    ComPointer<IShellLinkA> link;
    ComPointer<IPersistFile> file;
    if (!MakeLinkObject(link, file)) return -1;
    link->SetPath(program.c_str());
    link->SetDescription(description.c_str());
    std::wstring widePath = WidePath(linkPath);
    if (widePath.empty() || widePath.size() >= MAX_PATH) return -1;
    return SUCCEEDED(file->Save(widePath.c_str(), TRUE)) ? 0 : -1;
}
