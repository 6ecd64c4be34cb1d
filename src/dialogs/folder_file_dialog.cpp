#include "dialogs/folder_file_dialog.h"

#include <commdlg.h>

#include "platform/file_system.h"

namespace {

constexpr char kDefaultFolderTitle[] = "Choose folder";
// A filter entry that matches no file: only folders are listed.
constexpr char kFoldersOnlyFilter[] = "...|...||";

bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string WithBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

PickerRequest FolderRequest(PickerMode mode, HWND owner, const std::string& title,
                            const std::string& startPath, DWORD options, const std::string& filter) {
    PickerRequest request;
    request.mode = mode;
    request.owner = owner;
    request.title = title.empty() ? kDefaultFolderTitle : title;
    request.startFolder = startPath;
    request.options = options | OFN_EXPLORER;
    request.filter = filter;
    return request;
}

}  // namespace

std::string StartingFolder(std::string path) {
    while (!path.empty() && !IsFolder(path)) {
        const std::size_t cut = path.rfind('\\');
        path.resize(cut == std::string::npos ? 0 : cut);
    }
    return path;
}

CFolderFileDialog CFolderFileDialog::ForFile(HWND owner, bool open, const std::string& title,
                                             const std::string& defaultExtension,
                                             const std::string& fileName, const std::string& startPath,
                                             DWORD options, const std::string& filter) {
    PickerRequest request;
    request.open = open;
    request.owner = owner;
    request.title = title;
    request.defaultExtension = defaultExtension;
    request.fileName = fileName;
    request.startFolder = startPath;
    request.options = options | OFN_EXPLORER;
    request.filter = filter;
    return CFolderFileDialog(std::move(request));
}

CFolderFileDialog CFolderFileDialog::ForFolder(HWND owner, const std::string& title,
                                               const std::string& startPath, DWORD options) {
    return CFolderFileDialog(
        FolderRequest(PickerMode::kFolder, owner, title, startPath, options, kFoldersOnlyFilter));
}

CFolderFileDialog CFolderFileDialog::ForFileOrFolder(HWND owner, const std::string& title,
                                                     const std::string& startPath, DWORD options,
                                                     const std::string& filter) {
    return CFolderFileDialog(
        FolderRequest(PickerMode::kFileOrFolder, owner, title, startPath, options, filter));
}

int CFolderFileDialog::Run() {
    PickerRequest request = request_;
    request.startFolder = StartingFolder(request_.startFolder);
    answer_ = {};
    return Pickers().PickFile(request, answer_) == IDOK ? IDOK : IDCANCEL;
}

std::string CFolderFileDialog::Path() const {
    if (request_.mode == PickerMode::kFile) return answer_.path;
    return WithBackslash(answer_.folder) + answer_.fileName;
}

std::string CFolderFileDialog::Folder() const {
    if (request_.mode == PickerMode::kFile)
        return WithBackslash(std::string(platform::FolderOf(answer_.path)));
    return WithBackslash(answer_.folder);
}

std::string CFolderFileDialog::EntryName() const {
    std::string name = request_.mode == PickerMode::kFile
                           ? std::string(platform::FileNameOf(answer_.path))
                           : answer_.fileName;
    if (!name.empty()) {
        const std::size_t dot = name.rfind('.');
        return dot == std::string::npos ? name : name.substr(0, dot);
    }
    std::string folder = answer_.folder;
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return std::string(platform::FileNameOf(folder));
}
