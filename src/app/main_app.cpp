// Start-up and end of the application.
#include "app/main_app.h"

#include <commctrl.h>
#include <ole2.h>

#include <clocale>

#include "app/setup_support.h"
#include "app/single_instance.h"
#include "app/startup_rules.h"
#include "dialogs/messages.h"
#include "platform/file_system.h"
#include "resource.h"
#include "win/module.h"

namespace {

// The button pictures of both main windows, in their present colours.
const std::vector<int> kButtonBitmapIds = {170, 171, 172, 174, 175, 176, 183, 184,
                                           185, 186, 187, 191, 192, 194, 195, 196,
                                           197, 198, 199, 200, 201, 202};

// False when Windows refused the delete because the file is in use (a
// program file while its program runs), so that it is worth another try.
bool DeleteUnlessInUse(const std::string& path) {
    platform::FileSystem& files = platform::OsFileSystem();
    return files.Classify(files.Remove(path)) != platform::ErrorKind::AccessOrSharing;
}

// Setup starts the program it moved and then ends: its own file can be
// deleted only once it has, which takes a moment.
constexpr UINT kOldCopyRetryMs = 100;
constexpr int kOldCopyTries = 100;

HICON LoadAppIcon(int id, int sizeMetric) {
    int size = ::GetSystemMetrics(sizeMetric);
    // Shared: the system keeps the icon for the module's lifetime.
    return static_cast<HICON>(::LoadImageA(win::ModuleInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                           size, size, LR_SHARED));
}

}  // namespace

CMainApp::CMainApp(AppEnvironment environment)
    : environment_(std::move(environment)),
      // Registered before anything else, so the probe of an instance that
      // starts meanwhile already gets its answer.
      probeMessage_(::RegisterWindowMessageA(kProbeMessageName)),
      settings_(*environment_.registry, SettingsEnvironment{&platform::OsFileSystem(),
                                                            &platform::AnsiCodePage(), &waitCursor_}) {}

CMainApp::~CMainApp() { End(); }

bool CMainApp::Start(const std::string& commandLine) {
    SetTimeLocale();
    settings_.RunState = kRunNormal;
    settings_.ViewMode = 0;  // stays 0 when an uninstall run reads no settings
    if (IsUninstallCommand(commandLine)) settings_.RunState = kRunUninstall;

    oleInitialized_ = SUCCEEDED(::OleInitialize(nullptr));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    settings_.ProgramPath = environment_.programPath.empty() ? ModulePath() : environment_.programPath;
    if (IsSetupProgram(settings_.ProgramPath)) settings_.RunState = kRunFirstRunSetup;
    settings_.AppFolder = FolderOfProgram(settings_.ProgramPath);
    LoadIcons();

    if (settings_.RunState != kRunUninstall) {
        if (!settings_.LoadSettings()) settings_.RunState = kRunFirstRunSetup;
        settings_.ResolveListFolder();
        if (settings_.RunState < kRunSetupRequested) {
            if (!IsOnlyInstance()) return false;
            DeleteOldProgramCopy();
            accelerators_.Reset(::LoadAcceleratorsA(win::ModuleInstance(),
                                                    MAKEINTRESOURCEA(IDR_GLOBAL_ACCELERATORS)));
            settings_.Browsers.UpdateOldIE(*environment_.registry);
        }
    }
    CreateColorResources();
    if (!CreateHiddenWindow()) return false;
    if (!oldCopyToDelete_.empty())
        ::SetTimer(appWindow_.Handle(), CAppWindow::kOldCopyTimerId, kOldCopyRetryMs, nullptr);
    SwitchMode(settings_.ViewMode, settings_.Options.StartMinimized);
    return settings_.RunState < kRunSetupRequested;
}

int CMainApp::Run() { return win::RunMessageLoop(*this); }

void CMainApp::End() {
    if (ended_) return;
    ended_ = true;
    // The window first: it stores its placement as it goes, and its
    // pictures and accelerators must outlive it.
    if (mainWindow_) {
        mainWindow_->Close(0);
        mainWindow_.reset();
    }
    accelerators_.Reset();
    DeleteColorResources();
    if (windowCreated_) settings_.SaveSettings(false, &lists_.Current());
    appWindow_.Destroy();
    windowClass_.Reset();
    lists_.DiscardOther();
    instanceMutex_.Reset();
    if (oleInitialized_) ::OleUninitialize();
    oleInitialized_ = false;
}

bool CMainApp::PreTranslate(MSG& message) noexcept {
    return mainWindow_ && mainWindow_->PreTranslate(message);
}

void CMainApp::SetTimeLocale() {
    // Dates shown later (Last Visited) then read in the user's language.
    char language[8] = {};
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, language, sizeof language))
        std::setlocale(LC_TIME, language);
}

void CMainApp::LoadIcons() {
    largeIcon_ = LoadAppIcon(IDI_APP, SM_CXICON);
    smallIcon_ = LoadAppIcon(IDI_APP_SMALL, SM_CXSMICON);
}

bool CMainApp::IsOnlyInstance() {
    // A second attempt after a pause gives an instance that is just ending
    // the time to let go of the mutex.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt > 0) ::Sleep(250);
        ::SetLastError(ERROR_SUCCESS);
        win::UniqueHandle mutex(::CreateMutexA(nullptr, FALSE, kMutexName));
        DWORD error = ::GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED) {
            instanceMutex_ = std::move(mutex);  // held for the whole run
            return true;
        }
    }
    // Bring the running instance forward and end without showing anything,
    // also when it cannot be found.
    if (HWND other = FindRunningInstance(probeMessage_))
        ::PostMessageA(other, WM_SYSCOMMAND, SC_RESTORE, 0);
    return false;
}

void CMainApp::DeleteOldProgramCopy() {
    // After Setup moved the program the old file is left where it was. A
    // failed delete is not reported: the file is only clutter.
    const std::string old = settings_.PreviousProgramPath;
    if (old.empty() || SameText(old, settings_.ProgramPath) || !FileExists(old)) return;
    if (!IsSetupProgram(old) &&
        MsgBoxFormatted(nullptr, IDS_DELETE_OLD_COPY, MsgBoxKind::kQuestionYesNo, {old}) != IDYES)
        return;
    MakeWritable(old);  // a read-only file is refused as one in use is
    if (!DeleteUnlessInUse(old)) {
        oldCopyToDelete_ = old;  // tried again once the hidden window can keep time
        oldCopyTries_ = 0;
    }
}

void CMainApp::RetryOldProgramCopyDelete() {
    if (DeleteUnlessInUse(oldCopyToDelete_) || ++oldCopyTries_ == kOldCopyTries) {
        ::KillTimer(appWindow_.Handle(), CAppWindow::kOldCopyTimerId);
        oldCopyToDelete_.clear();
    }
}

void CMainApp::CreateColorResources() {
    colors_.Create(ChooseButtonColors(settings_.Options.CustomColors, settings_.Colors,
                                      ::GetSysColor(COLOR_BTNFACE)),
                   kButtonBitmapIds);
}

void CMainApp::RecreateColorResources() {
    DeleteColorResources();
    CreateColorResources();
}

bool CMainApp::CreateHiddenWindow() {
    windowClass_ = win::CWindow::RegisterClassNamed(CAppWindow::kClassName, 0, nullptr, largeIcon_);
    if (!windowClass_) return false;
    // Zero size: the window is never seen, only its taskbar button.
    windowCreated_ = appWindow_.Create(CAppWindow::kClassName, CAppWindow::kTitle,
                                       CAppWindow::kStyle, 0, win::Placement{0, 0, 0, 0});
    return windowCreated_;
}
