#include "ui_fake_host.h"

#include <cstdio>
#include <fstream>

#include "resource.h"
#include "win/module.h"

const char kSampleList[] =
    "<1>News\r\n"
    "\t<2>Daily\r\n"
    "\t\thttp://example.com/a\tAlpha\r\n"
    "\t\thttp://example.com/b\tBravo\r\n"
    "\t<2>Weekly\r\n"
    "\t\thttp://example.com/c\tCharlie\r\n"
    "<1>Reference\r\n"
    "\t<2>Dictionaries\r\n"
    "\t\thttp://example.com/d\tDelta\r\n"
    "\t\thttp://example.com/e\tEcho\r\n"
    "\t\thttp://example.com/f\tFoxtrot\r\n"
    "<1>Tools\r\n";

namespace {

constexpr char kHiddenClass[] = "VellinorUiTestHidden";

std::string FreshListPath() {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    char path[MAX_PATH] = {};
    ::GetTempFileNameA(folder, "vui", 0, path);
    return path;
}

const std::vector<int> kPictureIds = {170, 171, 172, 174, 175, 176, 183, 184, 185, 186, 187,
                                      191, 192, 194, 195, 196, 197, 198, 199, 200, 201, 202};

}  // namespace

bool CRecordingHiddenWindow::Saw(UINT message, WPARAM wParam) const {
    for (const PostedMessage& posted : received)
        if (posted.message == message && posted.wParam == wParam) return true;
    return false;
}

std::optional<LRESULT> CRecordingHiddenWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_CLOSE) {
        received.push_back({message, wParam});
        return 0;
    }
    return CWindow::OnMessage(message, wParam, lParam);
}

CFakeHost::CFakeHost(const std::string& listText) : path_(FreshListPath()) {
    std::ofstream(path_, std::ios::binary) << listText;
    settings_.Lists.entries.push_back({"Sample", path_, "-1,-1,-1"});
    settings_.Lists.CurrentList = 0;
    hiddenClass_ = win::CWindow::RegisterClassNamed(kHiddenClass);
    hidden_.Create(kHiddenClass, "Vellinor", WS_POPUP);
    globalAccelerators_.Reset(
        ::LoadAcceleratorsA(win::ModuleInstance(), MAKEINTRESOURCEA(IDR_GLOBAL_ACCELERATORS)));
    icon_ = static_cast<HICON>(::LoadImageA(win::ModuleInstance(), MAKEINTRESOURCEA(IDI_APP),
                                            IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    RecreateColorResources();
}

CFakeHost::~CFakeHost() {
    hidden_.Destroy();
    ::SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(path_.c_str());
}

std::unique_ptr<CMainDlg> CFakeHost::OpenWindow(int mode, int show) {
    settings_.ViewMode = mode;
    auto window = CreateMainWindow(*this, mode, HiddenWindow());
    if (!window) return nullptr;
    ::ShowWindow(window->Handle(), show);
    window->ShowCurrentList();
    return window;
}

std::unique_ptr<platform::OpenFile> CSaveFailingFileSystem::Open(const std::string& path,
                                                                 platform::OpenMode mode,
                                                                 platform::OsError& error) {
    if (failSaves && mode != platform::OpenMode::ReadShareAll) {
        error = kAccessDenied;
        return nullptr;
    }
    return real_.Open(path, mode, error);
}

void CFakeHost::GiveOtherList(std::unique_ptr<CUrlListFile> other) {
    other_ = std::move(other);
    list_.SetOtherList(other_.get());
}

void CFakeHost::DiscardOtherList() {
    ++discards;
    list_.SetOtherList(nullptr);
    other_.reset();
}

int CFakeHost::RunPrompt(HWND, int templateId, std::string& text) {
    prompted.push_back(templateId);
    text = promptText;
    if (promptAnswers.empty()) return IDCANCEL;
    const int answer = promptAnswers.front();
    promptAnswers.erase(promptAnswers.begin());
    return answer;
}

bool CFakeHost::OpenCurrentList(HWND, bool) {
    ++opens;
    const int result = list_.Load(settings_.Lists.Entry(settings_.Lists.CurrentList).path);
    list_.SetOtherList(other_.get());
    if (startCategory >= 0) list_.Select(kCategory, startCategory, SelectMode::kFirstChild);
    return result >= 0;
}

bool CFakeHost::SelectList(HWND owner, int index, bool reload) {
    const int old = settings_.Lists.CurrentList;
    settings_.Lists.CurrentList = index;
    if (OpenCurrentList(owner, reload)) {
        previousList = old;
        return true;
    }
    settings_.Lists.CurrentList = old;
    return false;
}

bool CFakeHost::EnsureListFileExists(HWND, const std::string& path, bool) {
    return static_cast<bool>(std::ofstream(path, std::ios::app));
}

void CFakeHost::RecreateColorResources() {
    colors_.Create(ChooseButtonColors(settings_.Options.CustomColors, settings_.Colors,
                                      ::GetSysColor(COLOR_BTNFACE)),
                   kPictureIds);
}
