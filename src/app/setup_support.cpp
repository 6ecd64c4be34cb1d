#include "app/setup_support.h"

#include "app/win32/window_placement.h"
#include "win/handles.h"

namespace {

constexpr char kShortcutName[] = "Vellinor.lnk";

// Volume and file index of an existing file; false when it cannot be opened.
bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& identity) {
    win::UniqueFile file(::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && ::GetFileInformationByHandle(file.Get(), &identity);
}

bool FileSize(const std::string& path, ULONGLONG& size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
    size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

}  // namespace

std::string ShortcutPath(const std::string& folder) {
    if (!folder.empty() && folder.back() == '\\') return folder + kShortcutName;
    return folder + '\\' + kShortcutName;
}

bool FileExists(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SameText(const std::string& a, const std::string& b) {
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
           CSTR_EQUAL;
}

bool IsSameFile(const std::string& a, const std::string& b) {
    if (SameText(a, b)) return true;
    BY_HANDLE_FILE_INFORMATION first;
    BY_HANDLE_FILE_INFORMATION second;
    return FileIdentity(a, first) && FileIdentity(b, second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

void MakeWritable(const std::string& path) { ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL); }

bool CopyWholeFile(const std::string& source, const std::string& target) {
    char temporary[MAX_PATH] = {};
    if (!::GetTempFileNameA(FolderOf(target).c_str(), "vel", 0, temporary)) return false;
    ULONGLONG sourceSize = 0;
    ULONGLONG copySize = 0;
    if (::CopyFileA(source.c_str(), temporary, FALSE) && FileSize(source, sourceSize) &&
        FileSize(temporary, copySize) && copySize == sourceSize) {
        MakeWritable(target);
        if (::MoveFileExA(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
    }
    ::DeleteFileA(temporary);
    return false;
}

ExtensionCall CallExtension(const std::string& folder, const char* entry) {
    std::string path = folder + program_files::kNames[program_files::kExtension];
    // Not shipped with every copy of the program: then there is nothing to do.
    if (!FileExists(path)) return ExtensionCall::kAbsent;
    win::UniqueLibrary library(::LoadLibraryA(path.c_str()));
    if (!library.Get()) return ExtensionCall::kNotLoaded;
    using EntryPoint = HRESULT(STDAPICALLTYPE*)();
    if (auto call = reinterpret_cast<EntryPoint>(
            reinterpret_cast<void*>(::GetProcAddress(library.Get(), entry))))
        call();
    return ExtensionCall::kCalled;
}

bool CSetupDialogBase::OnInit() {
    const WindowRect area = WorkArea();
    RECT own{};
    if (::GetWindowRect(Handle(), &own)) {
        int width = own.right - own.left;
        int height = own.bottom - own.top;
        ::SetWindowPos(Handle(), nullptr, area.left + (area.right - area.left - width) / 2,
                       area.top + (area.bottom - area.top - height) / 2, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}
