// COrganizeDlg: editing in place. Typing in a name field renames the
// selected entry at once; the New buttons start a new entry, which is added
// when its New button is pressed again.
#include <algorithm>

#include "app/settings/app_settings.h"
#include "dialogs/messages.h"
#include "model/title_text.h"
#include "model/typed_text.h"
#include "model/url_list_file.h"
#include "resource.h"
#include "ui/list_box_entries.h"
#include "ui/organize_dlg.h"

namespace {

constexpr char kDefaultName[] = "Uncategorized";
constexpr char kNewTitle[] = "(New title)";
constexpr char kNewUrl[] = "(New URL)";

// The level a name field or the URL field belongs to.
int FieldLevel(int field) { return field == IDC_URL ? kTitle : field - IDC_CATEGORY_NAME; }

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// A TAB would split the line's fields and a line break the line.
bool MakeOneLine(std::string& text) {
    bool changed = false;
    for (char& c : text) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
            changed = true;
        }
    }
    return changed;
}

}  // namespace

void COrganizeDlg::SetDefaultButton(int id) const noexcept {
    ::SendMessageA(Handle(), DM_SETDEFID, static_cast<WPARAM>(id), 0);
}

void COrganizeDlg::OnFieldNotify(int field, int code) {
    if (!organizing_) return;
    const int level = FieldLevel(field);
    switch (code) {
    case EN_SETFOCUS:
        SendItemMessage(field, EM_SETREADONLY, FALSE);
        // Enter presses the level's New button (the title's for the URL).
        SetDefaultButton(IDC_NEW_CATEGORY + level);
        break;
    case EN_KILLFOCUS:
        if (pending_[level] == kNotPending) SendItemMessage(field, EM_SETREADONLY, TRUE);
        break;
    case EN_CHANGE:
        if (!updating_ && ::GetFocus() == Item(field)) OnFieldChange(field);
        break;
    default:
        break;
    }
}

std::string COrganizeDlg::OneLineFieldText(int field) {
    std::string text = ItemText(field);
    if (MakeOneLine(text)) {
        CUpdating updating(*this);
        DWORD start = 0;
        DWORD end = 0;
        SendItemMessage(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        SetItemText(field, text);
        SendItemMessage(field, EM_SETSEL, start, end);
    }
    return text;
}

void COrganizeDlg::RestoreField(int field) {
    const CUrlListFile& list = List();
    const int level = FieldLevel(field);
    const int item = list.SelectedItem(level);
    std::string text;
    if (item > 0) {
        const std::string_view stored = list.ItemText(item);
        text = field == IDC_URL ? std::string(TitleUrl(stored)) : std::string(list.DisplayName(item));
    }
    CUpdating updating(*this);
    SetItemText(field, text);
    SendItemMessage(field, EM_SETSEL, text.size(), text.size());
}

bool COrganizeDlg::AcceptTypedText(int level, const std::string& name, const std::string& url) const {
    TypedTextClash clash = level == kTitle ? UrlClash(url) : NameClash(name);
    if (clash == TypedTextClash::kNone) return true;
    const std::string& text = level == kTitle ? url : name;
    const std::size_t start = std::min(text.find_first_not_of(" \t\r\n\v\f"), text.size());
    const char* what = level == kTitle ? "A URL" : "A name";
    const char* begin = "---";
    const char* readsAs = "a separator line";
    if (clash == TypedTextClash::kAlias) {
        begin = "alias:";
        readsAs = "an alias of another title";
    } else if (clash == TypedTextClash::kLevelLine) {
        readsAs = "a category or subcategory";
    }
    const std::string beginning =
        clash == TypedTextClash::kLevelLine ? text.substr(start, 3) : std::string(begin);
    MsgBoxFormatted(Handle(), IDS_TEXT_NOT_ALLOWED, MsgBoxKind::kExclamation,
                    {what, "\"" + beginning + "\"", readsAs});
    return false;
}

// Typing into the field of a selected entry renames it at once.
void COrganizeDlg::OnFieldChange(int field) {
    CUrlListFile& list = List();
    const int level = FieldLevel(field);
    const std::string typed = OneLineFieldText(field);
    if (list.IsReadOnly() || pending_[level] != kNotPending || !HasValidSelection(level)) {
        UpdateControls();
        return;
    }
    std::string name = field == IDC_URL ? OneLineFieldText(IDC_TITLE_NAME) : typed;
    std::string url = level == kTitle ? OneLineFieldText(IDC_URL) : std::string();
    if (!AcceptTypedText(level, name, url)) {
        RestoreField(field);
        return;
    }
    if (IsBlank(name)) name = kNewTitle;
    if (level == kTitle && IsBlank(url)) {
        url = kNewUrl;
        CUpdating updating(*this);
        SetItemText(IDC_URL, url);
    }
    const int position = list.Selection(level);
    list.EditItem(level, position, name, url);
    if (level == kTitle) ShowSelectedNote();  // the caption follows the name
    if (field != IDC_URL) {
        CUpdating updating(*this);
        ReplaceListBoxEntry(LevelBoxWindow(level), position, std::string(list.DisplayName(list.SelectedItem(level))));
    }
    UpdateControls();
}

// --- new entries ------------------------------------------------------------------------

bool COrganizeDlg::CanCommit(int level) const {
    if (ItemText(IDC_CATEGORY_NAME + level).empty()) return false;
    if (level == kTitle && ItemText(IDC_URL).empty()) return false;
    if (level == 0 || HasValidSelection(level - 1)) return true;
    return pending_[level - 1] != kNotPending && CanCommit(level - 1);
}

void COrganizeDlg::NewEntry(int level) {
    if (!organizing_ && !SetOrganizeMode(true)) return;
    CUrlListFile& list = List();
    if (pending_[level] != kNotPending) {
        if (CanCommit(level)) CommitPending(level, false);
        return;
    }
    if (list.IsFull()) return;
    {
        CUpdating updating(*this);
        list.Select(level, -1);
        for (int deeper = level; deeper < kLevelCount; ++deeper) {
            if (deeper != level && list.Selection(deeper) >= 0) continue;
            pending_[deeper] = kTyping;
            SetItemText(IDC_CATEGORY_NAME + deeper, "");
            if (deeper == kTitle) SetItemText(IDC_URL, "");
        }
    }
    const HWND field = Item(IDC_CATEGORY_NAME + level);
    ::SetFocus(field);
    ShowSelection(level, true, false);
    ::SetFocus(field);
}

bool COrganizeDlg::CommitPending(int level, bool fillIn) {
    CUrlListFile& list = List();
    const bool wasFull = list.IsFull();
    if (fillIn) {
        CUpdating updating(*this);
        for (int above = 0; above < level; ++above) {
            if (list.Selection(above) >= 0 || !ItemText(IDC_CATEGORY_NAME + above).empty()) continue;
            if (pending_[above] == kNotPending) pending_[above] = kTyping;
            SetItemText(IDC_CATEGORY_NAME + above, kDefaultName);
        }
    }
    for (int pending = 0; pending <= level; ++pending) {
        if (pending_[pending] != kNotPending && !CommitLevel(pending)) return false;
    }
    if (!wasFull && list.IsFull()) {
        MsgBoxFormatted(Handle(), IDS_LIST_FULL, MsgBoxKind::kInformation, {ListName(list)});
    }
    return true;
}

bool COrganizeDlg::CommitLevel(int level) {
    CUrlListFile& list = List();
    const std::string name = OneLineFieldText(IDC_CATEGORY_NAME + level);
    const std::string url = level == kTitle ? OneLineFieldText(IDC_URL) : std::string();
    if (IsBlank(name) || (level == kTitle && IsBlank(url))) return true;  // nothing to add
    if (!AcceptTypedText(level, name, url)) return false;
    int position = -1;
    if (level == kTitle) {
        const std::int64_t visited =
            pending_[level] == kTypingVisited ? list.Environment().clock->Now() : 0;
        position = list.AddItem(kTitle, ComposeTitleText(url, name, visited, {}, {}, 0), name);
    } else {
        position = list.AddItem(level, name, name);
    }
    if (position == -3) {
        MsgBoxFromString(Handle(), IDS_OUT_OF_MEMORY, MsgBoxKind::kExclamation);
        return false;
    }
    if (position < 0) return false;
    list.Select(level, position, SelectMode::kNone);
    pending_[level] = kNotPending;
    {
        CUpdating updating(*this);
        InsertListBoxEntry(LevelBoxWindow(level), position, std::string(list.DisplayName(list.SelectedItem(level))),
                           list.DisplayAttributes(level, position, Settings().RecentPeriod));
    }
    ShowSelection(level, true, false);
    return true;
}

void COrganizeDlg::EnterNewUrl(const std::string& url, const std::string& title, bool visited) {
    ::SetForegroundWindow(Handle());
    if (!organizing_ && !SetOrganizeMode(true)) return;
    CUrlListFile& list = List();
    {
        CUpdating updating(*this);
        list.Select(kTitle, -1);
        Box(kTitle).SetSelection(-1);
        std::string oneLineTitle = title;
        std::string oneLineUrl = url;
        MakeOneLine(oneLineTitle);
        MakeOneLine(oneLineUrl);
        SetItemText(IDC_TITLE_NAME, oneLineTitle);
        SetItemText(IDC_URL, oneLineUrl);
        pending_[kTitle] = visited ? kTypingVisited : kTyping;
        for (int level = kCategory; level < kTitle; ++level) {
            if (HasValidSelection(level)) continue;
            pending_[level] = kTyping;
            SetItemText(IDC_CATEGORY_NAME + level, kDefaultName);
        }
    }
    ShowLastVisited();
    ShowSelectedNote();
    const HWND field = Item(IDC_TITLE_NAME);
    ::SetFocus(field);
    ::SendMessageA(field, EM_SETSEL, 0, -1);
    UpdateControls();
}

// What the window was recreated for, in Organize mode.
void COrganizeDlg::RunStartAction() {
    switch (Settings().RunState) {
    case kRunAddDroppedUrl:
        EnterNewUrl(Settings().DroppedUrl, Settings().DroppedTitle, false);
        break;
    case kRunFetchUrl:
        Fetch();
        break;
    case kRunNewTitle:
        NewEntry(kTitle);
        break;
    default:
        break;
    }
}
