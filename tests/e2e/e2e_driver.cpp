#include "e2e_driver.h"

#include <algorithm>
#include <iterator>

#include "browser_test_support.h"
#include "win/global_text.h"
#include "window_picture.h"

namespace e2e {

bool WaitUntil(const std::function<bool()>& done, DWORD boundMs) {
    return browser_test::WaitUntil(done, boundMs);
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

namespace {

std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                           0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                          nullptr, nullptr);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

// The visible top-level windows of a process that pass `accept`.
HWND FindTopWindow(DWORD process, const std::function<bool(HWND)>& accept) {
    struct Search {
        DWORD process;
        const std::function<bool(HWND)>* accept;
        HWND found;
    } search{process, &accept, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM lParam) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lParam);
            if (ProcessOf(window) != s.process || !::IsWindowVisible(window) || !(*s.accept)(window))
                return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Every static text of a dialog, one after the other: a message box's text.
std::string StaticTexts(HWND dialog) {
    std::string texts;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::lstrcmpiA(ClassOf(child).c_str(), "Static") == 0) texts += Text(child) + "\n";
    }
    return texts;
}

POINT EntryPoint(HWND box, int index) {
    const int count = static_cast<int>(::SendMessageW(box, LB_GETCOUNT, 0, 0));
    RECT rect{};
    ::SendMessageW(box, LB_GETITEMRECT, static_cast<WPARAM>(std::min(index, count - 1)),
                   reinterpret_cast<LPARAM>(&rect));
    POINT point{(rect.left + rect.right) / 2, index < count ? (rect.top + rect.bottom) / 2 : rect.bottom + 2};
    return point;
}

LPARAM ClientLParam(POINT point) { return MAKELPARAM(point.x, point.y); }

}  // namespace

std::string Text(HWND window) {
    const auto length = static_cast<int>(::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto got = static_cast<int>(
        ::SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return Narrow(text);
}

std::string Clipboard(const std::string& format) {
    const UINT id = format.empty() ? CF_TEXT : ::RegisterClipboardFormatA(format.c_str());
    if (!::OpenClipboard(nullptr)) return {};
    const HANDLE block = ::GetClipboardData(id);
    std::string data = block ? win::GlobalText(block) : std::string();
    ::CloseClipboard();
    return data;
}

// A page of a property sheet is a dialog inside the dialog: its controls are
// found among all the descendants.
HWND Control(HWND dialog, int id) {
    if (const HWND child = ::GetDlgItem(dialog, id)) return child;
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    ::EnumChildWindows(
        dialog,
        [](HWND window, LPARAM lParam) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lParam);
            if (::GetDlgCtrlID(window) != s.id) return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ControlText(HWND dialog, int id) { return Text(Control(dialog, id)); }

std::vector<std::string> ListTexts(HWND box) {
    std::vector<std::string> texts;
    const auto count = static_cast<int>(::SendMessageW(box, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        const auto length = ::SendMessageW(box, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        const auto got = ::SendMessageW(box, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
        texts.push_back(Narrow(text));
    }
    return texts;
}

int ListSelection(HWND box) { return static_cast<int>(::SendMessageW(box, LB_GETCURSEL, 0, 0)); }

bool IsShown(HWND window) { return ::IsWindowVisible(window) != FALSE; }

bool IsReadOnly(HWND field) { return (::GetWindowLongA(field, GWL_STYLE) & ES_READONLY) != 0; }

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

void Command(HWND window, int id) { ::SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0); }

void PostCommand(HWND window, int id) { ::PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0); }

void SetText(HWND dialog, int id, const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(static_cast<std::size_t>(::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(),
                                                              static_cast<int>(wide.size()))));
    ::SendMessageW(Control(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void ClickButton(HWND dialog, int id) { ::PostMessageA(Control(dialog, id), BM_CLICK, 0, 0); }

bool Press(HWND dialog, int button) {
    ClickButton(dialog, button);
    return WaitUntil([&] { return !::IsWindow(dialog); });
}

void ClickPicture(HWND dialog, int id) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(Control(dialog, id)));
}

void ClickInto(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
    ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ::SendMessageA(control, WM_LBUTTONUP, 0, middle);
}

bool Type(HWND control, const std::string& characters) {
    for (unsigned char c : characters) ::PostMessageA(control, WM_CHAR, c, 1);
    return WaitUntil([&] {
        const std::string text = Text(control);
        return text.size() >= characters.size() &&
               text.compare(text.size() - characters.size(), characters.size(), characters) == 0;
    });
}

bool TypeOver(HWND field, const std::string& characters) {
    ClickInto(field);
    if (!WaitUntil([&] { return FocusOf(field) == field; })) return false;
    ::SendMessageA(field, EM_SETSEL, 0, -1);
    return Type(field, characters) && Text(field) == characters;
}

void PressKey(HWND control, UINT virtualKey) {
    ::PostMessageA(control, WM_KEYDOWN, virtualKey, 1);
    ::PostMessageA(control, WM_KEYUP, virtualKey, 0xC0000001);
}

bool Chord(HWND window, std::initializer_list<WORD> keys) {
    if (window) {
        ::SetForegroundWindow(window);
        if (!WaitUntil([&] { return ::GetForegroundWindow() == window; })) return false;
    }
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    return ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

void SelectEntry(HWND box, int index) {
    const bool dropDown = ::lstrcmpiA(ClassOf(box).c_str(), "ComboBox") == 0;
    ::SendMessageA(box, dropDown ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(::GetParent(box), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(box), dropDown ? CBN_SELCHANGE : LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(box));
}

void ClickEntry(HWND box, int index, WPARAM keys) {
    const POINT at = EntryPoint(box, index);
    ::SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON | keys, ClientLParam(at));
    ::SendMessageA(box, WM_LBUTTONUP, keys, ClientLParam(at));
}

// The drag list reads where the pointer is, not the messages' positions.
void DragEntry(HWND box, int from, int to) {
    POINT start = EntryPoint(box, from);
    POINT end = EntryPoint(box, to);
    POINT screen = start;
    ::ClientToScreen(box, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, ClientLParam(start));
    screen = end;
    ::ClientToScreen(box, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendMessageA(box, WM_MOUSEMOVE, MK_LBUTTON, ClientLParam(end));
    ::SendMessageA(box, WM_LBUTTONUP, 0, ClientLParam(end));
}

bool Screenshot(HWND window, const std::string& name) {
    ::CreateDirectoryA("Z:" VELLINOR_SCREENSHOT_DIR, nullptr);
    ::CreateDirectoryA("Z:" VELLINOR_SCREENSHOT_DIR "/e2e", nullptr);
    return CanTakePictures() && SaveWindowPicture(window, "e2e/" + name);
}

Program::Program(const std::string& arguments, const std::string& program) {
    const bool fullPath = program.find('\\') != std::string::npos;
    std::string commandLine = "\"" + (fullPath ? program : ProgramFolder() + program) + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info)) {
        startError_ = ::GetLastError();
        return;
    }
    process_.Reset(info.hProcess);
    id_ = info.dwProcessId;
    ::CloseHandle(info.hThread);
}

Program::Program(DWORD processId)
    : process_(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, processId)),
      id_(processId) {}

Program::~Program() {
    DWORD code = 0;
    if (process_ && !Ended(code, 0)) Kill();
}

HWND Program::Hidden() const {
    for (HWND window = ::FindWindowExA(nullptr, nullptr, "VELLIN", nullptr); window;
         window = ::FindWindowExA(nullptr, window, "VELLIN", nullptr)) {
        if (ProcessOf(window) == id_) return window;
    }
    return nullptr;
}

DWORD Program::RunningProgramId() {
    const HWND hidden = ::FindWindowExA(nullptr, nullptr, "VELLIN", nullptr);
    return hidden ? ProcessOf(hidden) : 0;
}

HWND Program::WaitForMain() const {
    HWND main = nullptr;
    WaitUntil([&] {
        const HWND hidden = Hidden();
        main = hidden ? FindTopWindow(id_, [&](HWND w) { return ::GetWindow(w, GW_OWNER) == hidden; }) : nullptr;
        return main != nullptr;
    });
    return main;
}

HWND Program::FindDialog(const std::string& caption) const {
    return FindTopWindow(id_, [&](HWND w) { return ClassOf(w) == "#32770" && Text(w) == caption; });
}

HWND Program::WaitForDialog(const std::string& caption) const {
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindDialog(caption)) != nullptr; });
    return dialog;
}

HWND Program::WaitForMessageBox(const std::string& part) const {
    HWND box = nullptr;
    WaitUntil([&] {
        box = FindTopWindow(id_, [&](HWND w) {
            return ClassOf(w) == "#32770" && StaticTexts(w).find(part) != std::string::npos;
        });
        return box != nullptr;
    });
    return box;
}

bool Program::Answer(const std::string& part, int button) const {
    const HWND box = WaitForMessageBox(part);
    return box && Press(box, button);
}

bool Program::ChooseFile(const std::string& caption, const std::string& path) const {
    constexpr int kFileNameCombo = 0x47c;  // cmb13 of the Explorer-style dialogs
    const HWND dialog = WaitForDialog(caption);
    if (!dialog) return false;
    SetText(dialog, kFileNameCombo, path);
    return Press(dialog, IDOK);
}

std::string Program::Windows() const {
    std::string description;
    FindTopWindow(id_, [&](HWND w) {
        description += ClassOf(w) + " \"" + Text(w) + "\": " + StaticTexts(w) + "\n";
        return false;
    });
    return description;
}

void Program::RequestClose() const { ::PostMessageA(Hidden(), WM_CLOSE, 0, 0); }

bool Program::Close() const {
    RequestClose();
    return EndedWithCode0();
}

bool Program::Ended(DWORD& code, DWORD boundMs) const {
    if (::WaitForSingleObject(process_.Get(), boundMs) != WAIT_OBJECT_0) return false;
    return ::GetExitCodeProcess(process_.Get(), &code) != FALSE;
}

bool Program::EndedWithCode0() const {
    DWORD code = 1;
    return Ended(code) && code == 0;
}

void Program::Kill() const {
    ::TerminateProcess(process_.Get(), 1);
    ::WaitForSingleObject(process_.Get(), kBoundMs);
}

}  // namespace e2e
