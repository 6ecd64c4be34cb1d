#include "ui/main_window_host.h"

#include "dialogs/prompt_dlg.h"

int IMainWindowHost::RunPrompt(HWND owner, int templateId, std::string& text) {
    CPromptDlg prompt(static_cast<UINT>(templateId), owner, text);
    const int button = static_cast<int>(prompt.RunModal());
    text = prompt.Text();
    return button;
}

// The file pickers are not part of the window; until the application
// offers them there is nowhere to choose.
bool IMainWindowHost::ChooseSaveCopyPath(HWND, const std::string&, std::string&) { return false; }
bool IMainWindowHost::ChooseFileOrFolder(HWND, const std::string&, std::string&) { return false; }
