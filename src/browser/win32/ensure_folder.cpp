#include "browser/win32/ensure_folder.h"

#include "browser/target_text.h"
#include "dialogs/message_boxes.h"

namespace {

// Fixed texts: these three messages are not in the string table.
constexpr char kCreateCaption[] = "Create folder?";
constexpr char kCreateText[] = "This folder doesn't exist. Do you want to create it?\n";
constexpr char kCannotCreateCaption[] = "Error";
constexpr char kCannotCreateText[] = "Sorry, I cannot create this folder:\n";
constexpr char kMissingCaption[] = "Folder doesn't exist";
constexpr char kMissingText[] = "Sorry, but this folder doesn't exist:\n";

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsExistingFile(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Cut at the last backslash unless that is the first character.
void CutAtLastBackslash(std::string& path) {
    std::size_t last = LastBackslash(path);
    if (last != std::string::npos && last != 0) path.resize(last);
}

bool IsDriveRoot(const std::string& folder) {
    std::size_t n = folder.size();
    return (n >= 1 && folder[n - 1] == ':') || (n >= 2 && folder.compare(n - 2, 2, ":\\") == 0);
}

}  // namespace

bool EnsureFolder(HWND owner, std::string& folder, const std::string& path, bool strip,
                  bool mayCreate, bool reportMissing) {
    folder = path;
    if (strip || IsExistingFile(path)) CutAtLastBackslash(folder);
    if (IsDriveRoot(folder)) mayCreate = false;
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    if (Exists(folder)) return true;
    if (!mayCreate) {
        if (reportMissing)
            MessageBoxes().Show(owner, kMissingText + folder, kMissingCaption, MsgBoxKind::kExclamation);
        return false;
    }
    if (MessageBoxes().Show(owner, kCreateText + folder, kCreateCaption, MsgBoxKind::kQuestionYesNo) != IDYES)
        return false;
    if (::CreateDirectoryA(folder.c_str(), nullptr)) return true;
    // The parent may be missing too: it gets its own question. A missing
    // drive, which cannot be created, is reported.
    std::string parent = folder.substr(0, folder.size() - 1);
    CutAtLastBackslash(parent);
    std::string parentFolder;
    if (parent.size() + 1 >= folder.size() ||
        !EnsureFolder(owner, parentFolder, parent, false, true, true))
        return false;
    if (::CreateDirectoryA(folder.c_str(), nullptr)) return true;
    MessageBoxes().Show(owner, kCannotCreateText + folder, kCannotCreateCaption, MsgBoxKind::kExclamation);
    return false;
}

bool SplitFilePath(const std::string& path, std::string& folder, std::string& name,
                   std::string& extension, bool nameWithExtension) {
    PathParts parts = SplitPathParts(path, nameWithExtension);
    folder = std::move(parts.folder);
    name = std::move(parts.name);
    extension = std::move(parts.extension);
    return Exists(path);
}

std::string FileNameOfPath(const std::string& path, bool withExtension) {
    return SplitPathParts(path, withExtension).name;
}
