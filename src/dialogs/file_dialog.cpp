// The system's explorer-style Open/Save dialog, and its conversion into a
// folder chooser: the file name and type controls hidden, OK renamed
// "Select", and a click on it accepting the folder being shown (or the
// subfolder selected in the list) at once.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <cstring>
#include <vector>

#include "dialogs/pickers.h"
#include "platform/file_system.h"
#include "win/subclass.h"

namespace {

// Controls of the explorer dialog (dlgs.h).
constexpr int kReadOnlyCheck = 0x410;   // chx1
constexpr int kFileTypeLabel = 0x441;   // stc2
constexpr int kFileNameLabel = 0x442;   // stc3
constexpr int kFileTypeCombo = 0x470;   // cmb1
constexpr int kFileNameCombo = 0x47c;   // cmb13
constexpr int kFileList = 0x460;        // lst1, where the shell view sits
constexpr int kFileNameEdit = 0x480;    // edt1
constexpr int kHiddenControls[] = {kFileNameEdit, kFileNameCombo, kFileNameLabel,
                                   kFileTypeCombo, kFileTypeLabel, kReadOnlyCheck};

constexpr int kCancelDrop = 24;      // pixels Cancel moves down
constexpr int kButtonGap = 4;        // between OK and Cancel
constexpr int kListToButtons = 8;    // between the file list and the buttons
constexpr DWORD kPathBuffer = 2048;

// The dialog's own procedure stays in charge of everything but "Select",
// which it would refuse without a file name.
class CSelectButton final : public win::CSubclassedControl {
protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK && HIWORD(wParam) == 0) {
            ::EndDialog(Handle(), IDOK);
            return 0;
        }
        return CSubclassedControl::OnMessage(message, wParam, lParam);
    }
};

struct FolderChooser {
    const PickerRequest* request = nullptr;
    PickerAnswer* answer = nullptr;
    CSelectButton select;
};

std::string AskText(HWND dialog, UINT message) {
    std::string text(kPathBuffer, '\0');
    const LRESULT length =
        ::SendMessageA(dialog, message, kPathBuffer, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length > 0 ? std::strlen(text.c_str()) : 0);
    return text;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HWND ShellListView(HWND dialog) {
    const HWND view = ::FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr);
    return view ? ::FindWindowExA(view, nullptr, WC_LISTVIEWA, nullptr) : nullptr;
}

// The folder shown and the file name; with no file name, the first
// selected entry of the list that is a folder stands for the folder.
void Track(HWND dialog, PickerAnswer& answer) {
    answer.folder = AskText(dialog, CDM_GETFOLDERPATH);
    answer.fileName = AskText(dialog, CDM_GETSPEC);
    if (!answer.fileName.empty()) return;
    const HWND list = ShellListView(dialog);
    if (!list) return;
    for (int item = -1; (item = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(item),
                                                                 LVNI_SELECTED))) >= 0;) {
        char name[MAX_PATH] = {};
        LVITEMA text{};
        text.pszText = name;
        text.cchTextMax = MAX_PATH;
        ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&text));
        const std::string path = platform::JoinPath(answer.folder, name);
        if (name[0] && IsFolder(path)) {
            answer.folder = path;
            return;
        }
    }
}

RECT ChildRect(HWND dialog, HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void MoveChild(HWND child, const RECT& rect) {
    ::SetWindowPos(child, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void MakeFolderChooser(HWND dialog, FolderChooser& chooser) {
    for (int id : kHiddenControls) ::SendMessageA(dialog, CDM_HIDECONTROL, static_cast<WPARAM>(id), 0);

    const HWND cancel = ::GetDlgItem(dialog, IDCANCEL);
    const HWND ok = ::GetDlgItem(dialog, IDOK);
    RECT cancelRect = ChildRect(dialog, cancel);
    ::OffsetRect(&cancelRect, 0, kCancelDrop);
    MoveChild(cancel, cancelRect);
    RECT okRect = ChildRect(dialog, ok);
    const int okWidth = okRect.right - okRect.left;
    okRect = {cancelRect.left - kButtonGap - okWidth, cancelRect.top, cancelRect.left - kButtonGap,
              cancelRect.bottom};
    MoveChild(ok, okRect);
    for (HWND list : {::GetDlgItem(dialog, kFileList), ::FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr)}) {
        if (!list) continue;
        RECT listRect = ChildRect(dialog, list);
        listRect.bottom = cancelRect.top - kListToButtons;
        MoveChild(list, listRect);
    }

    ::SendMessageA(dialog, CDM_SETCONTROLTEXT, IDOK, reinterpret_cast<LPARAM>("Select"));
    ::SetWindowTextA(dialog, chooser.request->title.c_str());
    chooser.select.Attach(dialog);
    Track(dialog, *chooser.answer);
}

UINT_PTR CALLBACK FolderHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* info = reinterpret_cast<const OPENFILENAMEA*>(lParam);
        ::SetWindowLongPtrA(hook, DWLP_USER, static_cast<LONG_PTR>(info->lCustData));
        return 0;
    }
    auto* chooser = reinterpret_cast<FolderChooser*>(::GetWindowLongPtrA(hook, DWLP_USER));
    if (message != WM_NOTIFY || !chooser) return 0;
    const HWND dialog = ::GetParent(hook);
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case CDN_INITDONE:
        MakeFolderChooser(dialog, *chooser);
        break;
    case CDN_FOLDERCHANGE:
    case CDN_SELCHANGE:
        Track(dialog, *chooser->answer);
        break;
    default:
        break;
    }
    return 0;
}

// "Text files (*.txt)|*.txt||" as the dialog wants it: zero-separated,
// ending with two zeros.
std::string SystemFilter(const std::string& filter) {
    std::string converted = filter;
    for (char& c : converted)
        if (c == '|') c = '\0';
    converted += '\0';
    return converted;
}

}  // namespace

int RunSystemFileDialog(const PickerRequest& request, PickerAnswer& answer) noexcept {
    try {
        const bool chooser = request.mode != PickerMode::kFile;
        const std::string filter = SystemFilter(request.filter);
        std::vector<char> file(kPathBuffer, '\0');
        request.fileName.copy(file.data(), file.size() - 1);
        FolderChooser state{&request, &answer, {}};

        OPENFILENAMEA info{};
        // The structure without the Windows 2000 fields: no places bar.
        info.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
        info.hwndOwner = request.owner;
        info.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
        info.lpstrFile = file.data();
        info.nMaxFile = static_cast<DWORD>(file.size());
        info.lpstrInitialDir = request.startFolder.empty() ? nullptr : request.startFolder.c_str();
        info.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
        info.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
        info.Flags = request.options | OFN_EXPLORER;
        if (chooser) {
            info.Flags |= OFN_ENABLEHOOK;
            info.lpfnHook = FolderHook;
            info.lCustData = reinterpret_cast<LPARAM>(&state);
        }
        const BOOL chosen = request.open || chooser ? ::GetOpenFileNameA(&info) : ::GetSaveFileNameA(&info);
        if (!chosen) return IDCANCEL;
        const std::string path = file.data();
        if (!chooser) {
            answer.path = path;
        } else if (!path.empty()) {
            // A file opened by a double click: the dialog's own choice.
            answer.folder = std::string(platform::FolderOf(path));
            answer.fileName = std::string(platform::FileNameOf(path));
        }
        return IDOK;
    } catch (...) {
        return IDCANCEL;
    }
}
