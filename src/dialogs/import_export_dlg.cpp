#include "dialogs/import_export_dlg.h"

#include <commdlg.h>

#include <algorithm>
#include <iterator>

#include "app/win32/wait_cursor_win32.h"
#include "browser/win32/ensure_folder.h"
#include "dialogs/folder_file_dialog.h"
#include "dialogs/help.h"
#include "dialogs/messages.h"
#include "exchange/aol_favorites.h"
#include "exchange/favorites.h"
#include "exchange/json_bookmarks.h"
#include "exchange/netscape_bookmarks.h"
#include "exchange/opera_hotlist.h"
#include "platform/file_system.h"
#include "resource.h"

namespace {

using Importer = int (*)(const std::string& newList, const std::string& source, const ListEnvironment& env);

constexpr char kBookmarkFilter[] = "Bookmark files (*.html, *.htm)|*.html;*.htm|All files (*.*)|*.*||";
constexpr char kHotlistFilter[] = "Opera hotlists (*.adr)|*.adr|All files (*.*)|*.*||";
constexpr char kListFilter[] = "Text files (*.txt)|*.txt|All files (*.*)|*.*||";
constexpr DWORD kSaveOptions = OFN_HIDEREADONLY | OFN_LONGNAMES;

// What each kind reads or writes, and how its source or output is chosen;
// the table's order is the combos' order. A kind without a picker file name
// is a folder.
struct KindTraits {
    const char* name;
    const char* newListName;
    Importer import;
    const char* sourceTitle;   // the Import dialog's "..."
    const char* sourceFileName;
    const char* sourceFilter;
    const char* outputTitle;   // the Export dialog's "..."; null: no export
    const char* outputExtension;
    UINT overwriteMessage;     // asked before an output file is replaced
};

const KindTraits kKinds[] = {
    {"Internet Explorer Favorites", "IE Favorites.txt", ImportFavorites, "Select Import Folder", nullptr, nullptr,
     "Choose Export Folder", nullptr, 0},
    {"Netscape Bookmarks", "Netscape Bookmarks.txt", ImportNetscape, "Select Netscape Bookmark File",
     "bookmarks.html", kBookmarkFilter, "Save as Netscape Bookmark File", "htm", IDS_OVERWRITE_BOOKMARK_FILE},
    {"Opera Hotlist", "Opera Hotlist.txt", ImportOpera, "Select Opera Hotlist File", "opera6.adr", kHotlistFilter,
     "Save as Opera Hotlist", "adr", IDS_OVERWRITE_HOTLIST_FILE},
    {"AOL Favorite Places", "AOL Favorites.txt", ImportAol, "Select AOL Favorite Places File",
     "Favorite Places.pfc", "AOL Personal Filing Cabinets (*.pfc)|*.pfc|All files (*.*)|*.*||", nullptr, nullptr, 0},
    {"Start Menu", "Start Menu.txt", ImportFavorites, "Select Import Folder", nullptr, nullptr, nullptr, nullptr, 0},
    {"Chrome/Edge Bookmarks (JSON)", "Chrome Bookmarks.txt", ImportChromium, "Select Chrome or Edge Bookmarks File",
     "Bookmarks", "Bookmarks files (Bookmarks)|Bookmarks|All files (*.*)|*.*||", nullptr, nullptr, 0},
    {"Firefox Bookmarks Backup (JSON)", "Firefox Bookmarks.txt", ImportFirefoxJson,
     "Select Firefox Bookmarks Backup", "bookmarks.json", "Bookmarks backups (*.json)|*.json|All files (*.*)|*.*||",
     nullptr, nullptr, 0},
};
constexpr int kExportKinds = 3;

const KindTraits& TraitsOf(int kind) { return kKinds[kind]; }
bool IsFolderKind(int kind) { return TraitsOf(kind).sourceFileName == nullptr; }

std::string ShellFolder(IExchangeHost& host, const char* name) {
    return ShellFolderValue(host.Registry(), name).value_or("");
}

// Where the kind's collection usually is; empty when there is no guess.
std::string ProposedPath(IExchangeHost& host, int kind) {
    switch (kind) {
    case kFavoritesKind:
        return ShellFolder(host, "Favorites");
    case kNetscapeKind: {
        if (!host.Settings().BookmarkFilePath.empty()) return host.Settings().BookmarkFilePath;
        const std::string appData = ShellFolder(host, "AppData");
        return appData.empty() ? appData : appData + "\\Mozilla\\Profiles\\";
    }
    case kOperaKind: {
        const std::string appData = ShellFolder(host, "AppData");
        return appData.empty() ? appData : appData + "\\Opera\\Opera7\\profile\\opera6.adr";
    }
    case kStartMenuKind:
        return ShellFolder(host, "Programs");
    case kChromiumKind:
        return ProposedChromiumSource(ShellFolder(host, "Local AppData"));
    default:
        return {};
    }
}

// The kind that fits the current browser.
int InitialKind(const CAppSettings& settings) {
    const std::string dde = platform::AnsiCodePage().Lower(settings.Browsers.Current().ddeName);
    if (dde.compare(0, 8, "netscape") == 0) return kNetscapeKind;
    if (dde == "opera") return kOperaKind;
    return kFavoritesKind;
}

bool Exists(const std::string& path) { return platform::OsFileSystem().Exists(path); }

// A new list is named after its file, up to the first dot.
std::string NameOfNewList(const std::string& path) {
    std::string name(platform::FileNameOf(path));
    if (const std::size_t dot = name.find('.'); dot != std::string::npos) name.resize(dot);
    return name;
}

// A title the favorites export could not write: the user says whether to go on.
class CExportProblemBox final : public CFavoritesExportProblem {
public:
    explicit CExportProblemBox(HWND owner) : owner_(owner) {}
    bool GoOn(std::string_view category, std::string_view subcategory, std::string_view title,
              platform::OsError) override {
        const std::string names[] = {std::string(category), std::string(subcategory), std::string(title)};
        return MsgBoxFormatted(owner_, IDS_EXPORT_PROBLEM, MsgBoxKind::kStopOkCancel,
                               {names[0], names[1], names[2]}) == IDOK;
    }

private:
    HWND owner_;
};

}  // namespace

std::size_t ListFileItemCount(const std::string& path) {
    platform::OsError error = 0;
    auto file = platform::OsFileSystem().Open(path, platform::OpenMode::ReadShareAll, error);
    platform::FileBytes content;
    if (!file || file->ReadAll(content) != 0) return 0;
    // The list starts at its first category line, which may be indented.
    std::size_t start = 0;
    for (;;) {
        const std::size_t text = content.find_first_not_of(" \t\r", start);
        if (text != std::string::npos && content.compare(text, 3, "<1>") == 0) break;
        start = content.find('\n', start);
        if (start == std::string::npos) return 0;
        ++start;
    }
    const auto lines = static_cast<std::size_t>(std::count(content.begin() + static_cast<std::ptrdiff_t>(start),
                                                           content.end(), '\n'));
    return lines + (content.back() != '\n' ? 1 : 0);
}

CImportExportDlg::CImportExportDlg(IExchangeHost& host, HWND owner, UINT templateId)
    : CHelpDialog(templateId, owner, help_topic::kImportExport), host_(host), importing_(templateId == IDD_IMPORT) {}

INT_PTR CImportExportDlg::Run(int listIndex) {
    listIndex_ = listIndex;
    const INT_PTR result = RunModal();
    return result == IDOK ? IDOK : IDCANCEL;
}

int CImportExportDlg::KindCombo() const { return importing_ ? IDC_IMPORT_KIND : IDC_EXPORT_KIND; }

int CImportExportDlg::Kind() const { return static_cast<int>(SendItemMessage(KindCombo(), CB_GETCURSEL)); }

bool CImportExportDlg::OnInit() {
    const int kinds = importing_ ? static_cast<int>(std::size(kKinds)) : kExportKinds;
    for (int kind = 0; kind < kinds; ++kind)
        SendItemMessage(KindCombo(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(TraitsOf(kind).name));
    if (!importing_) {
        for (const ListEntry& entry : host_.Settings().Lists.entries)
            SendItemMessage(IDC_EXPORT_LIST_CHOICE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name.c_str()));
        SendItemMessage(IDC_EXPORT_LIST_CHOICE, CB_SETCURSEL, static_cast<WPARAM>(listIndex_));
        OnExportListChange();
    }
    SendItemMessage(KindCombo(), CB_SETCURSEL, static_cast<WPARAM>(InitialKind(host_.Settings())));
    OnKindChange();
    return true;
}

void CImportExportDlg::OnKindChange() {
    const int kind = Kind();
    if (kind < 0) return;
    SetItemText(IDC_EXCHANGE_PATH, ProposedPath(host_, kind));
    defaultListName_ = TraitsOf(kind).newListName;
    if (importing_) SetItemText(IDC_NEW_LIST_PATH, host_.Settings().ListFolder + defaultListName_);
}

// The export works on the open list: the list chosen is opened, or the
// choice goes back to the open one.
void CImportExportDlg::OnExportListChange() {
    const int chosen = static_cast<int>(SendItemMessage(IDC_EXPORT_LIST_CHOICE, CB_GETCURSEL));
    const ListTable& lists = host_.Settings().Lists;
    if (chosen < 0 || chosen == lists.CurrentList) return;
    if (!host_.OpenListForExport(Handle(), chosen))
        SendItemMessage(IDC_EXPORT_LIST_CHOICE, CB_SETCURSEL, static_cast<WPARAM>(lists.CurrentList));
}

void CImportExportDlg::ChooseSource() {
    const KindTraits& traits = TraitsOf(Kind());
    const std::string start = StartingFolder(ItemText(IDC_EXCHANGE_PATH));
    auto picker = IsFolderKind(Kind())
                      ? CFolderFileDialog::ForFolder(Handle(), traits.sourceTitle, start)
                      : CFolderFileDialog::ForFile(Handle(), true, traits.sourceTitle, "", traits.sourceFileName,
                                                   start, OFN_HIDEREADONLY | OFN_LONGNAMES, traits.sourceFilter);
    if (picker.Run() == IDOK) SetItemText(IDC_EXCHANGE_PATH, picker.Path());
}

void CImportExportDlg::ChooseNewList() {
    auto picker = CFolderFileDialog::ForFile(Handle(), false, "Save as URL List", "txt", defaultListName_,
                                             StartingFolder(ItemText(IDC_NEW_LIST_PATH)), kSaveOptions, kListFilter);
    if (picker.Run() == IDOK) SetItemText(IDC_NEW_LIST_PATH, picker.Path());
}

void CImportExportDlg::ChooseOutput() {
    const int kind = Kind();
    const KindTraits& traits = TraitsOf(kind);
    const std::string start = StartingFolder(ItemText(IDC_EXCHANGE_PATH));
    auto picker = kind == kFavoritesKind
                      ? CFolderFileDialog::ForFolder(Handle(), traits.outputTitle, start)
                      : CFolderFileDialog::ForFile(Handle(), false, traits.outputTitle, traits.outputExtension,
                                                   traits.sourceFileName, start, kSaveOptions, traits.sourceFilter);
    if (picker.Run() == IDOK) SetItemText(IDC_EXCHANGE_PATH, picker.Path());
}

// After the user agreed to replace an existing list file, the open list, or
// the list kept for its marks, lets go of it (the main window reads it again
// once the import has replaced it).
bool CImportExportDlg::ReleaseTarget(const std::string& target) {
    if (MsgBoxFromString(Handle(), IDS_OVERWRITE_LIST_FILE, MsgBoxKind::kQuestionOkCancel) != IDOK) return false;
    if (host_.CurrentList().IsSameFile(target)) host_.CurrentList().CloseFile();
    if (CUrlListFile* other = host_.OtherList(); other && other->IsSameFile(target)) other->CloseFile();
    return true;
}

void CImportExportDlg::Import() {
    const int kind = Kind();
    const std::string source = ItemText(IDC_EXCHANGE_PATH);
    const std::string target = ItemText(IDC_NEW_LIST_PATH);
    std::string folder;
    if (IsFolderKind(kind)) {
        if (!EnsureFolder(Handle(), folder, source, false, false, true)) return;
    } else if (!Exists(source)) {
        MsgBoxFormatted(Handle(), IDS_SOURCE_MISSING, MsgBoxKind::kExclamation, {source});
        return;
    }
    if (!Exists(target)) {
        // Only a folder that cannot be created at all (a drive that is not
        // there) is reported here; the others are asked about.
        if (!EnsureFolder(Handle(), folder, target, true, true, true)) return;
    } else if (!ReleaseTarget(target)) {
        return;
    }
    int result;
    {
        SystemWaitCursor cursor;
        WaitCursorScope wait(&cursor);
        result = TraitsOf(kind).import(target, source, ListEnvironment{});
    }
    if (result == -1) {
        MsgBoxFromString(Handle(), IDS_IMPORT_FAILED, MsgBoxKind::kStop);
        return;
    }
    resultName_ = NameOfNewList(target);
    resultPath_ = target;
    if (kind == kNetscapeKind) host_.Settings().BookmarkFilePath = source;
    if (const std::size_t items = ListFileItemCount(target); items > static_cast<std::size_t>(CUrlListFile::kMaxItems))
        MsgBoxFormatted(Handle(), IDS_IMPORT_TOO_LARGE, MsgBoxKind::kInformation,
                        {static_cast<unsigned long long>(items), resultName_, source});
    host_.ListFileReplaced(target);  // whichever window started the import
    Close(IDOK);
}

int CImportExportDlg::ExportAs(int kind, const std::string& output) {
    SystemWaitCursor cursor;
    WaitCursorScope wait(&cursor);
    const CUrlListFile& list = host_.CurrentList();
    switch (kind) {
    case kFavoritesKind: {
        CExportProblemBox problem(Handle());
        return ExportFavorites(list, output, problem);
    }
    case kNetscapeKind: {
        const ListTable& lists = host_.Settings().Lists;
        return ExportNetscape(list, lists.Entry(lists.CurrentList).name, output);
    }
    default:
        return ExportOpera(list, output);
    }
}

void CImportExportDlg::Export() {
    const int kind = Kind();
    const std::string output = ItemText(IDC_EXCHANGE_PATH);
    if (output.empty() || kind < 0) return;
    std::string folder;
    if (kind == kFavoritesKind) {
        if (!EnsureFolder(Handle(), folder, output, false, true, true)) return;
        if (MsgBoxFromString(Handle(), IDS_FAVORITES_MAY_BE_OVERWRITTEN, MsgBoxKind::kInformationOkCancel) != IDOK)
            return;
    } else if (!Exists(output)) {
        if (!EnsureFolder(Handle(), folder, output, true, true, true)) return;
    } else if (MsgBoxFromString(Handle(), TraitsOf(kind).overwriteMessage, MsgBoxKind::kQuestionOkCancel) != IDOK) {
        return;
    }
    if (const int error = ExportAs(kind, output); error != 0) {
        MsgBoxFromText(Handle(), FormatSystemError(IDS_EXPORT_FAILED, static_cast<DWORD>(error)).value_or(""),
                       MsgBoxKind::kStop);
        return;
    }
    MsgBoxFromString(Handle(), IDS_EXPORT_FINISHED, MsgBoxKind::kInformation);
    Close(IDOK);
}

bool CImportExportDlg::OnCommand(int id, int code, HWND control) {
    switch (id) {
    case IDC_IMPORT_KIND:
    case IDC_EXPORT_KIND:
        if (code == CBN_SELCHANGE) OnKindChange();
        return true;
    case IDC_EXPORT_LIST_CHOICE:
        if (code == CBN_SELCHANGE) OnExportListChange();
        return true;
    case IDC_CHOOSE_SOURCE:
        ChooseSource();
        return true;
    case IDC_CHOOSE_NEW_LIST:
        ChooseNewList();
        return true;
    case IDC_CHOOSE_OUTPUT:
        ChooseOutput();
        return true;
    case IDC_IMPORT_LIST:
        Import();
        return true;
    case IDC_EXPORT_LIST:
        Export();
        return true;
    default:
        return CHelpDialog::OnCommand(id, code, control);
    }
}
