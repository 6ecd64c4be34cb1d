#include "browser/win32/ie_automation.h"

#include <exdisp.h>
#include <oleauto.h>

#include "browser/win32/browser_dde.h"

namespace {

// IWebBrowser2, as the browser object answers QueryInterface.
constexpr IID kWebBrowser2Id = {0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};
constexpr CLSID kWindowClassTemplate = {0x00000000, 0x7A1C, 0x4B2E, {0x8E, 0x52, 0x00, 0xC0, 0x4F, 0x6B, 0x2D, 0x19}};

class Bstr {
public:
    explicit Bstr(BSTR text = nullptr) noexcept : text_(text) {}
    ~Bstr() { ::SysFreeString(text_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR Get() const noexcept { return text_; }
    BSTR* Put() noexcept {
        ::SysFreeString(text_);
        text_ = nullptr;
        return &text_;
    }

private:
    BSTR text_;
};

BSTR ToBstr(std::string_view text) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR wide = ::SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (wide && length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide, length);
    return wide;
}

std::string FromBstr(BSTR text) {
    if (!text) return {};
    int wideLength = static_cast<int>(::SysStringLen(text));
    int length = ::WideCharToMultiByte(CP_ACP, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) ::WideCharToMultiByte(CP_ACP, 0, text, wideLength, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

}  // namespace

CWebBrowserRef::~CWebBrowserRef() {
    if (browser_) browser_->Release();
}

CLSID IEWindowClassId(HWND window) noexcept {
    CLSID id = kWindowClassTemplate;
    id.Data1 = static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window));
    return id;
}

CWebBrowserRef IEGetBrowser(HWND window) noexcept {
    CLSID id = IEWindowClassId(window);
    IUnknown* object = nullptr;
    if (FAILED(::GetActiveObject(id, nullptr, &object)) || !object) return {};
    void* browser = nullptr;
    HRESULT queried = object->QueryInterface(kWebBrowser2Id, &browser);
    object->Release();
    return SUCCEEDED(queried) ? CWebBrowserRef(static_cast<IWebBrowser2*>(browser)) : CWebBrowserRef();
}

bool IENavigate(std::string_view url, bool newWindow) noexcept {
    try {
        CWebBrowserRef browser = IEGetBrowser(FindIEWindow(nullptr));
        if (!browser) return false;
        Bstr address(ToBstr(url));
        VARIANT flags, frame, postData, headers;
        for (VARIANT* v : {&flags, &frame, &postData, &headers}) ::VariantInit(v);
        flags.vt = VT_I4;
        flags.lVal = newWindow ? navOpenInNewWindow : 0;
        // Whether the window then loads the page is the browser's matter.
        browser.Get()->Navigate(address.Get(), &flags, &frame, &postData, &headers);
        for (VARIANT* v : {&flags, &frame, &postData, &headers}) ::VariantClear(v);
        return true;
    } catch (...) {
        return false;
    }
}

bool IEGetLocation(HWND window, std::string& url, std::string& title) noexcept {
    try {
        CWebBrowserRef browser = IEGetBrowser(window ? window : FindIEWindow(nullptr));
        if (!browser) return false;
        Bstr location;
        Bstr name;
        if (FAILED(browser.Get()->get_LocationURL(location.Put())) ||
            FAILED(browser.Get()->get_LocationName(name.Put())))
            return false;
        url = FromBstr(location.Get());
        title = FromBstr(name.Get());
        return true;
    } catch (...) {
        return false;
    }
}

bool IEGetLocationName(HWND window, std::string& title) noexcept {
    try {
        CWebBrowserRef browser = IEGetBrowser(window);
        Bstr name;
        if (!browser || FAILED(browser.Get()->get_LocationName(name.Put()))) return false;
        title = FromBstr(name.Get());
        return true;
    } catch (...) {
        return false;
    }
}
