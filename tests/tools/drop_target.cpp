// An OLE drop target in a window of its own that records what a drag from
// another program brought: the calls it got and, on the drop, every format
// the data object lists with its bytes. Its caption tells a test driver how
// far the drag came ("waiting", "entered", "dropped"); it takes each drag as
// a copy and ends after the first drop, or after 30 s without one.
//
//     drop_target.exe REPORT_FILE X Y WIDTH HEIGHT
//
// The report: one line per call ("DragEnter keys=1 allowed=5 at 1100,200"),
// then for each format "format NAME SIZE", a line end and SIZE bytes as they
// came, and a line end.
#include <windows.h>

#include <ole2.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "ui/com_object.h"

namespace {

constexpr UINT kGiveUpMs = 30000;

std::string FormatName(CLIPFORMAT format) {
    switch (format) {
    case CF_TEXT:
        return "CF_TEXT";
    case CF_OEMTEXT:
        return "CF_OEMTEXT";
    case CF_UNICODETEXT:
        return "CF_UNICODETEXT";
    case CF_LOCALE:
        return "CF_LOCALE";
    case CF_HDROP:
        return "CF_HDROP";
    default:
        break;
    }
    char name[256] = {};
    if (::GetClipboardFormatNameA(format, name, sizeof name) > 0) return name;
    return "#" + std::to_string(format);
}

std::string GlobalBytes(HGLOBAL memory) {
    const auto* bytes = static_cast<const char*>(::GlobalLock(memory));
    if (!bytes) return {};
    std::string block(bytes, ::GlobalSize(memory));
    ::GlobalUnlock(memory);
    return block;
}

class CRecordingTarget final : public CComObject<IDropTarget> {
public:
    CRecordingTarget(HWND window, std::ofstream& report) : window_(window), report_(report) {}

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD keys, POINTL at, DWORD* effect) override {
        Record("DragEnter", keys, at, effect);
        ::SetWindowTextA(window_, "entered");
        return Accept(effect);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override {
        Record("DragOver", keys, at, effect);
        return Accept(effect);
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        report_ << "DragLeave\n";
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override {
        Record("Drop", keys, at, effect);
        if (data) RecordFormats(data);
        report_.flush();
        ::SetWindowTextA(window_, "dropped");
        ::PostQuitMessage(0);
        return Accept(effect);
    }

private:
    void Record(const char* call, DWORD keys, POINTL at, const DWORD* effect) {
        report_ << call << " keys=" << keys << " allowed=" << (effect ? *effect : 0) << " at " << at.x << ","
                << at.y << "\n";
    }
    static HRESULT Accept(DWORD* effect) {
        if (!effect) return E_INVALIDARG;
        *effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    void RecordFormats(IDataObject* data) {
        IEnumFORMATETC* formats = nullptr;
        const HRESULT listed = data->EnumFormatEtc(DATADIR_GET, &formats);
        if (FAILED(listed) || !formats) {
            report_ << "EnumFormatEtc failed 0x" << std::hex << listed << std::dec << "\n";
            return;
        }
        FORMATETC format{};
        while (formats->Next(1, &format, nullptr) == S_OK) {
            STGMEDIUM medium{};
            format.tymed = TYMED_HGLOBAL;
            const HRESULT got = data->GetData(&format, &medium);
            if (FAILED(got) || medium.tymed != TYMED_HGLOBAL) {
                report_ << "format " << FormatName(format.cfFormat) << " GetData failed 0x" << std::hex << got
                        << std::dec << "\n";
            } else {
                const std::string bytes = GlobalBytes(medium.hGlobal);
                report_ << "format " << FormatName(format.cfFormat) << " " << bytes.size() << "\n" << bytes << "\n";
            }
            if (SUCCEEDED(got)) ::ReleaseStgMedium(&medium);
        }
        formats->Release();
    }

    HWND window_;
    std::ofstream& report_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc != 6) return 2;
    std::ofstream report(__argv[1], std::ios::binary);
    if (!report || FAILED(::OleInitialize(nullptr))) return 2;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = "VellinorTestDropTarget";
    ::RegisterClassA(&windowClass);
    // Shown without taking the foreground: the mouse capture of the program
    // dragging works only while that program is in the foreground.
    const HWND window = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, windowClass.lpszClassName, "waiting",
                                          WS_POPUP, std::atoi(__argv[2]), std::atoi(__argv[3]), std::atoi(__argv[4]),
                                          std::atoi(__argv[5]), nullptr, nullptr, instance, nullptr);
    if (window) ::ShowWindow(window, SW_SHOWNOACTIVATE);
    auto* target = new CRecordingTarget(window, report);
    if (!window || FAILED(::RegisterDragDrop(window, target))) return 2;
    ::SetTimer(window, 1, kGiveUpMs, nullptr);
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0)) {
        if (message.message == WM_TIMER && message.hwnd == window) break;
        ::DispatchMessageA(&message);
    }
    const bool dropped = message.message == WM_QUIT;
    ::RevokeDragDrop(window);
    target->Release();
    ::DestroyWindow(window);
    ::OleUninitialize();
    return dropped ? 0 : 1;
}
