#include "dialogs/prefs_sheet.h"

#include <commctrl.h>

#include "dialogs/behavior_page.h"
#include "dialogs/help.h"
#include "dialogs/messages.h"
#include "dialogs/presentation_page.h"
#include "dialogs/table_page.h"
#include "resource.h"

namespace {

constexpr const char* kTabNames[] = {"URL Lists", "Browsers", "Behavior", "Presentation"};
constexpr int kTabHeight = 20;
constexpr int kTabPaddingX = 15;
constexpr int kTabPaddingY = 4;
// Where a page sits inside the sheet, in dialog units.
constexpr RECT kPageOrigin = {9, 22, 0, 0};

std::unique_ptr<CPrefsPage> MakePage(int tab, CPrefsSheet& sheet) {
    switch (tab) {
    case kUrlListsTab:
        return std::make_unique<CTablePage>(TableKind::kLists, sheet);
    case kBrowsersTab:
        return std::make_unique<CTablePage>(TableKind::kBrowsers, sheet);
    case kBehaviorTab:
        return std::make_unique<CBehaviorPage>(sheet);
    default:
        return std::make_unique<CPresentationPage>(sheet);
    }
}

}  // namespace

CPrefsPage::CPrefsPage(UINT templateId, CPrefsSheet& sheet) : CDialog(templateId, sheet.Handle()), sheet_(sheet) {}

IPrefsHost& CPrefsPage::Host() const noexcept { return sheet_.Host(); }

HWND CPrefsPage::Owner() const noexcept { return sheet_.Handle(); }

void CPrefsPage::Changed() const noexcept { sheet_.EnableApply(); }

const char* CPrefsPage::HelpTopic() const noexcept { return help_topic::kPreferences; }

bool CPrefsPage::OnCommand(int id, int code, HWND) {
    if (id == IDC_PAGE_HELP && code == BN_CLICKED) {
        HelpViewer().Show(Owner(), HelpTopic());
        return true;
    }
    return id == IDOK || id == IDCANCEL;
}

CPrefsSheet::CPrefsSheet(IPrefsHost& host, HWND owner, int tab)
    : CDialog(IDD_PREFS, owner), host_(host), tab_(tab) {}

CPrefsSheet::~CPrefsSheet() = default;

void CPrefsSheet::EnableApply() const noexcept { EnableItem(IDC_APPLY, true); }

bool CPrefsSheet::IsApplyPending() const noexcept { return ::IsWindowEnabled(Item(IDC_APPLY)) != FALSE; }

bool CPrefsSheet::OnInit() {
    RECT window{};
    ::GetWindowRect(Handle(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    ::SetWindowPos(Handle(), nullptr, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    const HWND tabs = Item(IDC_PREFS_TAB);
    ::SendMessageA(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(0, kTabHeight));
    ::SendMessageA(tabs, TCM_SETPADDING, 0, MAKELPARAM(kTabPaddingX, kTabPaddingY));
    for (int i = 0; i < static_cast<int>(std::size(kTabNames)); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kTabNames[i]);
        ::SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    if (tab_ < kUrlListsTab || tab_ > kPresentationTab) tab_ = kUrlListsTab;
    ::SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab_), 0);
    ShowPage(tab_);
    return true;
}

void CPrefsSheet::ShowPage(int tab) {
    if (page_) page_->Close(0);
    page_ = MakePage(tab, *this);
    if (!page_->Create()) return;
    RECT origin = kPageOrigin;
    ::MapDialogRect(Handle(), &origin);
    ::SetWindowPos(page_->Handle(), HWND_TOP, origin.left, origin.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    ::ShowWindow(page_->Handle(), SW_SHOWNA);
}

bool CPrefsSheet::ApplyPending() {
    if (!IsApplyPending()) return true;
    if (!page_ || !page_->Apply()) return false;
    EnableItem(IDC_APPLY, false);
    return true;
}

// A No discards the page's changes, and a failed Apply does not keep the
// tab from changing: the page goes either way.
void CPrefsSheet::SwitchTab() {
    if (IsApplyPending() &&
        MsgBoxFromString(Handle(), IDS_SAVE_PREFERENCES, MsgBoxKind::kQuestionYesNo) == IDYES)
        ApplyPending();
    EnableItem(IDC_APPLY, false);
    tab_ = static_cast<int>(SendItemMessage(IDC_PREFS_TAB, TCM_GETCURSEL));
    ShowPage(tab_);
}

void CPrefsSheet::Done() {
    if (!ApplyPending()) return;
    host_.SaveSettings();
    Close(IDOK);
}

bool CPrefsSheet::OnCommand(int id, int code, HWND control) {
    switch (id) {
    case IDOK: {
        // Enter in a page reaches the sheet as its default button: it
        // applies the page; the Done button itself has the focus when used.
        const HWND focus = ::GetFocus();
        if (page_ && focus && ::IsChild(page_->Handle(), focus)) {
            ApplyPending();
        } else {
            Done();
        }
        return true;
    }
    case IDC_APPLY:
        if (code == BN_CLICKED) ApplyPending();
        return true;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

// F1 anywhere in the sheet: the dialog manager sends WM_HELP to the focused
// control, which passes it up through the page to here.
std::optional<LRESULT> CPrefsSheet::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HELP) {
        HelpViewer().Show(Handle(), page_ ? page_->HelpTopic() : help_topic::kPreferences);
        return TRUE;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

std::optional<LRESULT> CPrefsSheet::OnNotify(const NMHDR& header) {
    if (header.idFrom == IDC_PREFS_TAB && header.code == TCN_SELCHANGE) {
        SwitchTab();
        return 0;
    }
    return CDialog::OnNotify(header);
}

INT_PTR RunPrefsSheet(IPrefsHost& host, HWND owner, int tab) {
    CPrefsSheet sheet(host, owner, tab);
    return sheet.RunModal();
}
