#include "ui/main_window_host.h"

#include <commdlg.h>

#include "dialogs/pickers.h"
#include "dialogs/prompt_dlg.h"
#include "platform/file_system.h"

int IMainWindowHost::RunPrompt(HWND owner, int templateId, std::string& text) {
    CPromptDlg prompt(static_cast<UINT>(templateId), owner, text);
    const int button = static_cast<int>(prompt.RunModal());
    text = prompt.Text();
    return button;
}

bool IMainWindowHost::ChooseSaveCopyPath(HWND owner, const std::string& title, std::string& path) {
    PickerRequest request;
    request.open = false;
    request.owner = owner;
    request.title = title;
    request.defaultExtension = "txt";
    request.fileName = path;
    request.filter = "Text files (*.txt)|*.txt|All files (*.*)|*.*||";
    request.options = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    PickerAnswer answer;
    if (Pickers().PickFile(request, answer) != IDOK) return false;
    path = answer.path;
    return true;
}

bool IMainWindowHost::ChooseFileOrFolder(HWND owner, const std::string& title, std::string& path) {
    PickerRequest request;
    request.mode = PickerMode::kFileOrFolder;
    request.owner = owner;
    request.title = title;
    request.startFolder = std::string(platform::FolderOf(path));
    PickerAnswer answer;
    if (Pickers().PickFile(request, answer) != IDOK) return false;
    path = answer.fileName.empty() ? answer.folder : platform::JoinPath(answer.folder, answer.fileName);
    return true;
}
