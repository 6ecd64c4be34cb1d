#include "ui/file_choice.h"

#include <commdlg.h>

#include <algorithm>

namespace {

class CSystemFileChooser final : public IFileChooser {
public:
    std::optional<std::string> ChooseFile(HWND owner, const FileChoice& choice) override {
        std::string filter = choice.filter;
        std::replace(filter.begin(), filter.end(), '|', '\0');
        char path[MAX_PATH] = {};
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filter.c_str();
        dialog.lpstrFile = path;
        dialog.nMaxFile = MAX_PATH;
        dialog.lpstrInitialDir = choice.folder.empty() ? nullptr : choice.folder.c_str();
        dialog.lpstrTitle = choice.title.c_str();
        dialog.lpstrDefExt = choice.defaultExtension.c_str();
        dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
        if (!::GetOpenFileNameA(&dialog)) return std::nullopt;
        return std::string(path);
    }
};

}  // namespace

IFileChooser& SystemFileChooser() noexcept {
    static CSystemFileChooser system;
    return system;
}
