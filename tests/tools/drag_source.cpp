// Drags a link out of its own window as a browser does, with real mouse
// input: presses the left button on its window (top left of the screen),
// starts an OLE drag of the link, moves the pointer in steps onto the point
// given and releases the button there once the target has accepted the drag
// (or after a bound). What the drag loop reported is printed, one line each.
//
//     drag_source.exe X Y URL [TITLE]
//
// The data: "UniformResourceLocator" and CF_TEXT holding the URL, and with a
// title a "FileGroupDescriptor" naming "TITLE.url". Exit code: the drop
// effect after a drop (0 when the target refused it), 8 when the drag ended
// without a drop, 9 when it never started, 10 for a bad command line.
#include <windows.h>

#include <ole2.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "block_data_object.h"
#include "input_steps.h"

namespace {

constexpr RECT kSourceWindow = {0, 0, 120, 120};
constexpr int kSteps = 8;
constexpr DWORD kBoundMs = 5000;

// What the drag loop told the source, read by the thread that moves the pointer.
struct DragLog {
    std::atomic<int> feedbacks{0};
    std::atomic<DWORD> lastEffect{DROPEFFECT_NONE};
    std::atomic<bool> acceptedOnce{false};
    HANDLE changed = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
};

class CDropSource final : public CComObject<IDropSource> {
public:
    explicit CDropSource(DragLog& log) : log_(log) {}

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
        if (effect != log_.lastEffect.exchange(effect) || log_.feedbacks == 0) {
            POINT at{};
            ::GetCursorPos(&at);
            std::printf("feedback effect=%lu at %ld,%ld\n", effect, at.x, at.y);
            std::fflush(stdout);
        }
        if (effect != DROPEFFECT_NONE) log_.acceptedOnce = true;
        ++log_.feedbacks;
        ::SetEvent(log_.changed);
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }

private:
    DragLog& log_;
};

// Waits until the drag loop has reported `count` times in all.
bool WaitForFeedbacks(DragLog& log, int count) {
    const DWORD start = ::GetTickCount();
    while (log.feedbacks < count) {
        const DWORD spent = ::GetTickCount() - start;
        if (spent >= kBoundMs || ::WaitForSingleObject(log.changed, kBoundMs - spent) != WAIT_OBJECT_0) return false;
    }
    return true;
}

// Which cursor the user sees: the drag loop sets its own while it runs.
void PrintCursor(const char* where) {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    ::GetCursorInfo(&info);
    const char* name = info.hCursor == ::LoadCursorA(nullptr, IDC_ARROW) ? "the arrow"
                       : info.hCursor == ::LoadCursorA(nullptr, IDC_NO) ? "the no-entry sign"
                       : info.hCursor ? "a cursor of the drag loop"
                                      : "none";
    std::printf("cursor %s: %s (%p)\n", where, name, static_cast<void*>(info.hCursor));
}

// The user's hand: from the press point to the target in steps, each one
// answered by the drag loop, then the release once the target said yes.
void MovePointer(DragLog& log, POINT from, POINT to) {
    if (!WaitForFeedbacks(log, 1)) std::printf("the drag loop never reported\n");
    for (int step = 1; step <= kSteps; ++step) {
        const POINT at = {from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps};
        input_steps::MoveTo(at);
        WaitForFeedbacks(log, log.feedbacks + 1);
        if (step == 1) PrintCursor("over no target");
    }
    // The target answers the last move on one of the loop's next rounds.
    const DWORD start = ::GetTickCount();
    while (log.lastEffect == DROPEFFECT_NONE && ::GetTickCount() - start < kBoundMs)
        WaitForFeedbacks(log, log.feedbacks + 1);
    WaitForFeedbacks(log, log.feedbacks + 1);
    PrintCursor("over the target");
    std::printf("release at %ld,%ld after %d reports\n", to.x, to.y, log.feedbacks.load());
    std::fflush(stdout);
    input_steps::Button(MOUSEEVENTF_LEFTUP);
}

LRESULT CALLBACK SourceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) ::SetPropA(window, "pressed", reinterpret_cast<HANDLE>(1));
    return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateSourceWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = SourceProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = "VellinorTestDragSource";
    ::RegisterClassA(&windowClass);
    const RECT& r = kSourceWindow;
    return ::CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "Drag source", WS_POPUP | WS_VISIBLE, r.left,
                             r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, windowClass.hInstance,
                             nullptr);
}

// Pumps this thread's messages until `done` holds, for at most the bound.
template <class Condition>
bool PumpUntil(Condition done) {
    const DWORD start = ::GetTickCount();
    MSG message{};
    while (!done() && ::GetTickCount() - start < kBoundMs) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    }
    return done();
}

// Presses the left button on the window once it is in the foreground: the
// drag loop's mouse capture works only there.
bool PressOn(HWND window, POINT at) {
    ::SetForegroundWindow(window);
    if (!PumpUntil([&] { return ::GetForegroundWindow() == window; })) return false;
    input_steps::MoveTo(at);
    input_steps::Button(MOUSEEVENTF_LEFTDOWN);
    return PumpUntil([&] { return ::GetPropA(window, "pressed") != nullptr; });
}

CBlockDataObject* LinkData(const char* url, const char* title) {
    auto* data = new CBlockDataObject;
    const std::string text = std::string(url) + '\0';
    data->blocks[RegisteredFormat("UniformResourceLocator")] = text;
    data->blocks[CF_TEXT] = text;
    if (title) data->blocks[RegisteredFormat("FileGroupDescriptor")] = DescriptorBlock(std::string(title) + ".url");
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: drag_source X Y URL [TITLE]\n");
        return 10;
    }
    const POINT target = {std::atol(argv[1]), std::atol(argv[2])};
    if (FAILED(::OleInitialize(nullptr))) return 9;
    const HWND window = CreateSourceWindow();
    const POINT press = {(kSourceWindow.left + kSourceWindow.right) / 2,
                         (kSourceWindow.top + kSourceWindow.bottom) / 2};
    if (!window || !PressOn(window, press)) {
        std::printf("the press on the source window never arrived\n");
        input_steps::Button(MOUSEEVENTF_LEFTUP);
        return 9;
    }

    DragLog log;
    IDataObject* data = LinkData(argv[3], argc == 5 ? argv[4] : nullptr);
    IDropSource* source = new CDropSource(log);
    std::thread hand(MovePointer, std::ref(log), press, target);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = ::DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    hand.join();
    std::printf("DoDragDrop returned 0x%08lX, effect %lu, %d reports, accepted %s\n",
                static_cast<unsigned long>(result), effect, log.feedbacks.load(), log.acceptedOnce ? "yes" : "no");
    source->Release();
    data->Release();
    ::DestroyWindow(window);
    ::CloseHandle(log.changed);
    ::OleUninitialize();
    if (result == DRAGDROP_S_DROP) return static_cast<int>(effect);
    return 8;
}
