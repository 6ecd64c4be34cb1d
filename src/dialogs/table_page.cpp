#include "dialogs/table_page.h"

#include <commdlg.h>

#include "dialogs/folder_file_dialog.h"
#include "dialogs/help.h"
#include "dialogs/import_export_dlg.h"
#include "dialogs/messages.h"
#include "dialogs/prefs_sheet.h"
#include "platform/code_page.h"
#include "resource.h"

namespace {

// What differs between the two pages.
struct TableTraits {
    UINT templateId;
    UINT fullMessage;
    const char* newTitle;
    const char* changeTitle;
    const char* filter;
    DWORD pickerOptions;
};

const TableTraits& TraitsOf(TableKind kind) {
    static const TableTraits kLists = {
        IDD_URL_LISTS_PAGE, IDS_LIST_MENU_FULL, "Select or create URL list", "Change URL list",
        "Text files (*.txt)|*.txt|All files (*.*)|*.*||", OFN_HIDEREADONLY | OFN_LONGNAMES};
    static const TableTraits kBrowsers = {
        IDD_BROWSERS_PAGE, IDS_BROWSER_MENU_FULL, "Identify new Web browser", "Change Web browser",
        "Program Files (*.exe, *.bat)|*.exe;*.bat|All files (*.*)|*.*||",
        OFN_HIDEREADONLY | OFN_LONGNAMES | OFN_FILEMUSTEXIST};
    return kind == TableKind::kLists ? kLists : kBrowsers;
}

constexpr char kNoStartSelection[] = "-1,-1,-1";
constexpr char kDefaultExtension[] = "txt";
// The longest text the settings store reads back (a longer one would end
// its table there on the next start).
constexpr std::size_t kMaxStoredText = 255;

constexpr int kEntryFields[] = {IDC_ENTRY_NAME, IDC_ENTRY_PATH, IDC_DDE_NAME, IDC_CHOOSE_PATH, IDC_REMOVE_ENTRY};

std::string Lower(const std::string& text) { return platform::AnsiCodePage().Lower(text); }

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string DdeNameFor(const std::string& browserName) {
    const std::string lower = Lower(browserName);
    if (lower == "netscp") return "netscape6";
    if (lower == "mozillafirebird") return "Mozilla Firebird";
    return lower;
}

int CTableListBox::Dropped(int source, POINT screenPoint) {
    const int target = CMyDragListBox::Dropped(source, screenPoint);
    if (target != kNoMove && onMoved) onMoved();
    return target;
}

CTablePage::CTablePage(TableKind kind, CPrefsSheet& sheet)
    : CPrefsPage(TraitsOf(kind).templateId, sheet), kind_(kind) {}

int CTablePage::LineCount() const { return static_cast<int>(SendItemMessage(IDC_TABLE_LIST, LB_GETCOUNT)); }

int CTablePage::SlotOfLine(int line) const {
    return static_cast<int>(SendItemMessage(IDC_TABLE_LIST, LB_GETITEMDATA, static_cast<WPARAM>(line)));
}

bool CTablePage::OnInit() {
    updating_ = true;
    box_.Attach(Item(IDC_TABLE_LIST));
    box_.onMoved = [this] { Changed(); };
    const CAppSettings& settings = Settings();
    int current = -1;
    if (kind_ == TableKind::kLists) {
        for (const ListEntry& entry : settings.Lists.entries) slots_.push_back({entry.name, entry.path, entry.start});
        current = settings.Lists.CurrentList;
    } else {
        for (const BrowserEntry& entry : settings.Browsers.entries)
            slots_.push_back({entry.name, entry.programPath, entry.ddeName});
        current = settings.Browsers.CurrentBrowser;
        EnableItem(IDC_ADD_ENTRY, static_cast<int>(slots_.size()) < kMaxLines);
    }
    for (std::size_t slot = 0; slot < slots_.size(); ++slot) {
        const auto line = SendItemMessage(IDC_TABLE_LIST, LB_ADDSTRING, 0,
                                          reinterpret_cast<LPARAM>(slots_[slot][0].c_str()));
        SendItemMessage(IDC_TABLE_LIST, LB_SETITEMDATA, static_cast<WPARAM>(line), static_cast<LPARAM>(slot));
    }
    if (kind_ == TableKind::kLists) {
        EnableItem(IDC_IMPORT_LIST, Host().Exchange() != nullptr);
        EnableItem(IDC_EXPORT_LIST, Host().Exchange() != nullptr);
    }
    if (slots_.empty()) EnableEntryFields(false);
    if (current >= 0 && current < static_cast<int>(slots_.size())) {
        box_.SetSelection(current);
        currentSlot_ = current;
        ShowSlot(current);
    }
    updating_ = false;
    return true;
}

void CTablePage::EnableEntryFields(bool enabled) const {
    for (int id : kEntryFields) EnableItem(id, enabled);
}

void CTablePage::ShowSlot(int slot) {
    const Slot empty;
    const Slot& shown = slot >= 0 ? slots_[static_cast<std::size_t>(slot)] : empty;
    SetItemText(IDC_ENTRY_NAME, shown[0]);
    SetItemText(IDC_ENTRY_PATH, shown[1]);
    if (kind_ == TableKind::kBrowsers) SetItemText(IDC_DDE_NAME, shown[2]);
}

void CTablePage::StoreShown() {
    if (currentSlot_ < 0) return;
    Slot& slot = slots_[static_cast<std::size_t>(currentSlot_)];
    slot[0] = ItemText(IDC_ENTRY_NAME);
    slot[1] = ItemText(IDC_ENTRY_PATH);
    if (kind_ == TableKind::kBrowsers)
        slot[2] = Lower(ItemText(IDC_DDE_NAME));
    else if (slot[2].empty())
        slot[2] = kNoStartSelection;
}

void CTablePage::OnSelectionChange() {
    updating_ = true;
    StoreShown();
    const int line = box_.Selection();
    currentSlot_ = line >= 0 ? SlotOfLine(line) : -1;
    ShowSlot(currentSlot_);
    updating_ = false;
    Changed();
}

// The line follows the name as it is typed.
void CTablePage::OnNameTyped() {
    const int line = box_.Selection();
    if (currentSlot_ < 0 || line < 0) return;
    updating_ = true;
    std::string& name = slots_[static_cast<std::size_t>(currentSlot_)][0];
    name = ItemText(IDC_ENTRY_NAME);
    SendItemMessage(IDC_TABLE_LIST, LB_DELETESTRING, static_cast<WPARAM>(line));
    SendItemMessage(IDC_TABLE_LIST, LB_INSERTSTRING, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(name.c_str()));
    SendItemMessage(IDC_TABLE_LIST, LB_SETITEMDATA, static_cast<WPARAM>(line), currentSlot_);
    box_.SetSelection(line);
    updating_ = false;
    Changed();
}

bool CTablePage::Add(const std::string& name, const std::string& path) {
    if (LineCount() >= kMaxLines) {
        MsgBoxFromString(Owner(), TraitsOf(kind_).fullMessage, MsgBoxKind::kInformation);
        return false;
    }
    if (currentSlot_ < 0)
        EnableEntryFields(true);
    else
        StoreShown();
    slots_.push_back({});
    currentSlot_ = static_cast<int>(slots_.size()) - 1;
    updating_ = true;
    const auto line = SendItemMessage(IDC_TABLE_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendItemMessage(IDC_TABLE_LIST, LB_SETITEMDATA, static_cast<WPARAM>(line), currentSlot_);
    box_.SetSelection(static_cast<int>(line));
    SetItemText(IDC_ENTRY_PATH, path);
    SetItemText(IDC_ENTRY_NAME, name);
    if (kind_ == TableKind::kBrowsers) SetItemText(IDC_DDE_NAME, DdeNameFor(name));
    updating_ = false;
    Changed();
    return true;
}

// The limit is checked before the picker, which may create a list file.
void CTablePage::OnNewAdd() {
    const TableTraits& traits = TraitsOf(kind_);
    if (LineCount() >= kMaxLines) {
        MsgBoxFromString(Owner(), traits.fullMessage, MsgBoxKind::kInformation);
        return;
    }
    const bool lists = kind_ == TableKind::kLists;
    auto picker = CFolderFileDialog::ForFile(Owner(), true, traits.newTitle, kDefaultExtension, "",
                                             lists ? Settings().ListFolder : "", traits.pickerOptions,
                                             traits.filter);
    if (picker.Run() != IDOK) return;
    const std::string path = picker.Path();
    if (lists && !Host().EnsureListFileExists(Owner(), path, false)) return;
    Add(picker.EntryName(), path);
}

void CTablePage::OnChoosePath() {
    const TableTraits& traits = TraitsOf(kind_);
    const std::string path = ItemText(IDC_ENTRY_PATH);
    const bool lists = kind_ == TableKind::kLists;
    const std::string start = lists && path.empty() ? Settings().ListFolder : path;
    const std::string fileName = lists ? std::string() : std::string(platform::FileNameOf(path));
    auto picker = CFolderFileDialog::ForFile(Owner(), true, traits.changeTitle, kDefaultExtension, fileName,
                                             start, traits.pickerOptions, traits.filter);
    if (picker.Run() != IDOK) return;
    SetItemText(IDC_ENTRY_PATH, picker.Path());
    Changed();
}

void CTablePage::OnRemove() {
    const int line = box_.Selection();
    if (line < 0) return;
    updating_ = true;
    SendItemMessage(IDC_TABLE_LIST, LB_DELETESTRING, static_cast<WPARAM>(line));
    const int count = LineCount();
    if (count == 0) {
        ShowSlot(-1);
        EnableEntryFields(false);
        box_.SetSelection(-1);
    } else {
        box_.SetSelection(line < count ? line : count - 1);
    }
    updating_ = false;
    // The removed slot keeps what it had: nothing is stored into it.
    currentSlot_ = -1;
    OnSelectionChange();
    EnableItem(IDC_ADD_ENTRY, true);
}

void CTablePage::OnImport() {
    IExchangeHost* exchange = Host().Exchange();
    if (!exchange) return;
    CImportExportDlg dialog(*exchange, Owner(), IDD_IMPORT);
    if (dialog.Run(-1) != IDOK) return;
    // A collection imported into the file of a list the page shows becomes
    // that list again, not a second line for the same file.
    StoreShown();
    const int line = LineOfFile(dialog.ResultPath());
    if (line < 0) {
        Add(dialog.ResultName(), dialog.ResultPath());
    } else {
        box_.SetSelection(line);
        OnSelectionChange();
    }
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

int CTablePage::LineOfFile(const std::string& path) const {
    std::vector<std::string> paths;
    for (int line = 0; line < LineCount(); ++line)
        paths.push_back(slots_[static_cast<std::size_t>(SlotOfLine(line))][1]);
    return Settings().FindFileAmong(paths, path);
}

// The line shown is preselected when the list table has it (a line added
// on this page has no list to open yet).
void CTablePage::OnExport() {
    IExchangeHost* exchange = Host().Exchange();
    if (!exchange) return;
    const ListTable& lists = Settings().Lists;
    const int index = currentSlot_ >= 0 && currentSlot_ < lists.Count() ? currentSlot_ : lists.CurrentList;
    CImportExportDlg(*exchange, Owner(), IDD_EXPORT).Run(index);
}

// The first line, in menu order, that the settings could not keep as it
// is, with the reason shown.
bool CTablePage::CheckLines() const {
    const int count = LineCount();
    for (int line = 0; line < count; ++line) {
        const Slot& slot = slots_[static_cast<std::size_t>(SlotOfLine(line))];
        const std::string& name = slot[0];
        const std::string& path = slot[1];
        if (path.empty()) {
            MsgBoxFormatted(Owner(), IDS_ENTER_FILE_PATH, MsgBoxKind::kInformation, {name});
            return false;
        }
        if (name.empty()) {
            MsgBoxFormatted(Owner(), IDS_ENTER_NAME, MsgBoxKind::kInformation, {path});
            return false;
        }
        for (const std::string& text : slot) {
            if (text.size() > kMaxStoredText) {
                MsgBoxFormatted(Owner(), IDS_TEXT_TOO_LONG, MsgBoxKind::kInformation, {text});
                return false;
            }
        }
        if (name.find('\t') != std::string::npos) {
            MsgBoxFormatted(Owner(), IDS_TAB_IN_NAME, MsgBoxKind::kInformation, {name});
            return false;
        }
        if (kind_ == TableKind::kBrowsers && !FileExists(path)) {
            MsgBoxFormatted(Owner(), IDS_PROGRAM_NOT_FOUND, MsgBoxKind::kInformation, {name, path});
            return false;
        }
    }
    return true;
}

bool CTablePage::Apply() {
    StoreShown();
    if (!CheckLines()) return false;
    const int count = LineCount();
    const int highlighted = box_.Selection();
    if (kind_ == TableKind::kLists) {
        std::vector<ListEntry> entries;
        for (int line = 0; line < count; ++line) {
            const Slot& slot = slots_[static_cast<std::size_t>(SlotOfLine(line))];
            entries.push_back({slot[0], slot[1], slot[2]});
        }
        return Host().ApplyListTable(Owner(), std::move(entries), highlighted);
    }
    std::vector<BrowserEntry> entries;
    for (int line = 0; line < count; ++line) {
        const Slot& slot = slots_[static_cast<std::size_t>(SlotOfLine(line))];
        entries.push_back({slot[0], slot[1], slot[2]});
    }
    Host().ApplyBrowserTable(std::move(entries), highlighted);
    return true;
}

const char* CTablePage::HelpTopic() const noexcept {
    return kind_ == TableKind::kLists ? help_topic::kSeveralLists : help_topic::kBrowsers;
}

bool CTablePage::OnCommand(int id, int code, HWND control) {
    switch (id) {
    case IDC_TABLE_LIST:
        if (code == LBN_SELCHANGE) OnSelectionChange();
        return true;
    case IDC_ENTRY_NAME:
        if (code == EN_CHANGE && !updating_) OnNameTyped();
        return true;
    case IDC_ENTRY_PATH:
    case IDC_DDE_NAME:
        if (code == EN_CHANGE && !updating_) Changed();
        return true;
    case IDC_ADD_ENTRY:
        if (code == BN_CLICKED) OnNewAdd();
        return true;
    case IDC_CHOOSE_PATH:
        if (code == BN_CLICKED) OnChoosePath();
        return true;
    case IDC_REMOVE_ENTRY:
        if (code == BN_CLICKED) OnRemove();
        return true;
    case IDC_IMPORT_LIST:
        if (code == BN_CLICKED) OnImport();
        return true;
    case IDC_EXPORT_LIST:
        if (code == BN_CLICKED) OnExport();
        return true;
    default:
        return CPrefsPage::OnCommand(id, code, control);
    }
}

std::optional<LRESULT> CTablePage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto result = box_.OnParentMessage(message, wParam, lParam)) return result;
    return CPrefsPage::OnMessage(message, wParam, lParam);
}
