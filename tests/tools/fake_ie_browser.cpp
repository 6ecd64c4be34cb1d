// A stand-in for an Internet Explorer window with its extension library: a
// top-level window titled "<page> - Microsoft Internet Explorer" whose
// browser object (answering IWebBrowser2 for Navigate, get_LocationName and
// get_LocationURL; every other method fails) is registered as the active
// object of the class identifier that carries the window's handle. Every
// call is appended to a log: "Navigate<TAB>URL<TAB>FLAGS", "LocationName",
// "LocationURL".
//
//     fake_ie_browser.exe PAGE_TITLE URL LOG READY_EVENT
#define CINTERFACE
#include <windows.h>
#include <exdisp.h>
#include <ole2.h>

#include <fstream>
#include <string>

namespace {

// The extension library's contract: {XXXXXXXX-7A1C-4B2E-8E52-00C04F6B2D19},
// XXXXXXXX the frame window's handle.
constexpr CLSID kWindowClassTemplate = {0, 0x7A1C, 0x4B2E, {0x8E, 0x52, 0x00, 0xC0, 0x4F, 0x6B, 0x2D, 0x19}};
constexpr IID kWebBrowser2Id = {0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};
constexpr IID kWebBrowserAppId = {0x0002DF05, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kWebBrowserId = {0xEAB22AC1, 0x30C1, 0x11CF, {0xA7, 0xEB, 0x00, 0x00, 0xC0, 0x5B, 0xAE, 0x0B}};

std::string g_title;
std::string g_url;
std::string g_logPath;

void Log(const std::string& line) {
    std::ofstream log(g_logPath, std::ios::app | std::ios::binary);
    log << line << "\n";
}

std::string Narrow(BSTR text) {
    if (!text) return {};
    int length = ::WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(::SysStringLen(text)), nullptr, 0, nullptr, nullptr);
    std::string ansi(length, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(::SysStringLen(text)), ansi.data(), length, nullptr, nullptr);
    return ansi;
}

BSTR Wide(const std::string& text) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR wide = ::SysAllocStringLen(nullptr, length);
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide, length);
    return wide;
}

struct FakeBrowser {
    IWebBrowser2 face;
    LONG references;
};

HRESULT STDMETHODCALLTYPE NotImplemented() { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE QueryInterface(IWebBrowser2* self, REFIID id, void** out) {
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) || IsEqualIID(id, kWebBrowser2Id) ||
        IsEqualIID(id, kWebBrowserAppId) || IsEqualIID(id, kWebBrowserId)) {
        *out = self;
        self->lpVtbl->AddRef(self);
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE AddRef(IWebBrowser2* self) {
    return ::InterlockedIncrement(&reinterpret_cast<FakeBrowser*>(self)->references);
}

ULONG STDMETHODCALLTYPE Release(IWebBrowser2* self) {
    return ::InterlockedDecrement(&reinterpret_cast<FakeBrowser*>(self)->references);  // lives as long as the process
}

HRESULT STDMETHODCALLTYPE Navigate(IWebBrowser2*, BSTR url, VARIANT* flags, VARIANT*, VARIANT*, VARIANT*) {
    long value = flags && flags->vt == VT_I4 ? flags->lVal : -1;
    Log("Navigate\t" + Narrow(url) + "\t" + std::to_string(value));
    return S_OK;
}

HRESULT STDMETHODCALLTYPE LocationName(IWebBrowser2*, BSTR* name) {
    Log("LocationName");
    *name = Wide(g_title);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE LocationURL(IWebBrowser2*, BSTR* url) {
    Log("LocationURL");
    *url = Wide(g_url);
    return S_OK;
}

IWebBrowser2Vtbl MakeVtable() {
    IWebBrowser2Vtbl table;
    // Every slot fails first; the few the program calls are filled in.
    auto* slots = reinterpret_cast<void**>(&table);
    for (std::size_t i = 0; i < sizeof table / sizeof(void*); ++i)
        slots[i] = reinterpret_cast<void*>(&NotImplemented);
    table.QueryInterface = QueryInterface;
    table.AddRef = AddRef;
    table.Release = Release;
    table.Navigate = Navigate;
    table.get_LocationName = LocationName;
    table.get_LocationURL = LocationURL;
    return table;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) ::PostQuitMessage(0);
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) return 2;
    g_title = argv[1];
    g_url = argv[2];
    g_logPath = argv[3];
    if (FAILED(::OleInitialize(nullptr))) return 2;
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "VellinorFakeIEFrame";
    ::RegisterClassA(&windowClass);
    std::string caption = g_title + " - Microsoft Internet Explorer";
    HWND window = ::CreateWindowExA(0, windowClass.lpszClassName, caption.c_str(), WS_OVERLAPPEDWINDOW,
                                    0, 0, 300, 200, nullptr, nullptr, instance, nullptr);
    if (!window) return 2;
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    static IWebBrowser2Vtbl vtable = MakeVtable();
    static FakeBrowser browser{{&vtable}, 1};
    CLSID id = kWindowClassTemplate;
    id.Data1 = static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window));
    DWORD cookie = 0;
    if (FAILED(::RegisterActiveObject(reinterpret_cast<IUnknown*>(&browser.face), id, ACTIVEOBJECT_STRONG, &cookie)))
        return 2;
    if (HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[4])) {
        ::SetEvent(ready);
        ::CloseHandle(ready);
    }
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
    ::RevokeActiveObject(cookie, nullptr);
    ::OleUninitialize();
    return 0;
}
