// CMainDlg: the List menu's cleanup commands: marking duplicate URLs (or
// the titles the other list already holds), merging duplicates into
// aliases, and checking the Web links. Each says on the status line and in
// a message what it found and did; the list changes only through the
// model's operations, and a link check changes URLs only when the user
// chooses to in its summary.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/settings/app_settings.h"
#include "dialogs/messages.h"
#include "model/duplicate_urls.h"
#include "model/link_check.h"
#include "model/title_text.h"
#include "platform/http_client.h"
#include "resource.h"
#include "ui/level_list_box.h"
#include "ui/link_check_dlgs.h"
#include "ui/main_dlg.h"
#include "win/resource_string.h"

namespace {

struct LinkCounts {
    unsigned dead = 0;
    unsigned moved = 0;
    unsigned fine = 0;
    unsigned unclear = 0;
};

std::string DeadReason(const LinkResult& result) {
    std::string text = LinkReasonText(result.reason);
    if (result.status != 0) text += " (" + std::to_string(result.status) + ')';
    return text;
}

}  // namespace

bool CMainDlg::RunCleanupCommand(int id) {
    switch (id) {
    case ID_MARK_DUPLICATE_URLS:
        MarkDuplicates();
        return true;
    case ID_MERGE_DUPLICATES:
        MergeDuplicates();
        return true;
    case ID_CHECK_LINKS:
        CheckLinks();
        return true;
    default:
        return false;
    }
}

void CMainDlg::ShowStatusText(UINT id, std::initializer_list<MessageArg> args) {
    SetItemText(IDC_STATUS_LINE, FormatResourceString(id, args).value_or(std::string()));
}

void CMainDlg::RefreshMarks() {
    RefreshItemData(0);
    UpdateControls();
}

// With the other list open (it holds marks), the user chooses between the
// titles that list already holds and the duplicates within this list.
void CMainDlg::MarkDuplicates() {
    if (!EnterOrganizeMode()) return;
    CUrlListFile& list = List();
    const CUrlListFile* other = host_.OtherList();
    if (other) {
        const std::string otherName = ListName(*other);
        switch (MsgBoxFormatted(Handle(), IDS_WHICH_DUPLICATES, MsgBoxKind::kQuestionYesNoCancel, {otherName})) {
        case IDYES:
            break;
        case IDNO:
            other = nullptr;
            break;
        default:
            return;
        }
    }
    DuplicateGroups groups;
    if (!other && FindDuplicateUrls(list, groups) != 0) {
        ShowOutOfMemory();
        return;
    }
    const int marked = other ? MarkUrlsHeldBy(list, *other) : MarkDuplicateUrls(list, groups);
    if (marked == -4) {
        SetItemText(IDC_STATUS_LINE, win::LoadResourceString(IDS_MARKS_AT_OTHER_LEVEL));
        return;
    }
    if (marked == -3) ShowOutOfMemory();  // the marks made stay
    RefreshMarks();
    const auto newlyMarked = static_cast<unsigned>(marked < 0 ? 0 : marked);
    const std::string name = ListName(list);
    if (other) {
        const std::string otherName = ListName(*other);
        ShowStatusText(IDS_STATUS_HELD_MARKED, {newlyMarked, otherName});
        if (newlyMarked == 0) {
            MsgBoxFormatted(Handle(), IDS_NONE_HELD, MsgBoxKind::kInformation, {name, otherName});
        } else {
            MsgBoxFormatted(Handle(), IDS_HELD_MARKED, MsgBoxKind::kInformation, {newlyMarked, name, otherName});
        }
        return;
    }
    const auto found = static_cast<unsigned>(groups.Count());
    ShowStatusText(IDS_STATUS_DUPLICATES_MARKED, {static_cast<unsigned>(groups.items.size()) - found, newlyMarked});
    if (found == 0) {
        MsgBoxFormatted(Handle(), IDS_NO_DUPLICATES, MsgBoxKind::kInformation, {name});
    } else {
        MsgBoxFormatted(Handle(), IDS_DUPLICATES_MARKED, MsgBoxKind::kInformation, {found, name, newlyMarked});
    }
}

void CMainDlg::MergeDuplicates() {
    if (!EnterOrganizeMode()) return;
    CUrlListFile& list = List();
    DuplicateMergeCounts counts;
    if (list.MergeDuplicateUrls(counts) != 0) {
        ShowOutOfMemory();
        return;
    }
    if (counts.groups > 0) ShowSelection(-1, true, false);
    ShowStatusText(IDS_STATUS_DUPLICATES_MERGED, {static_cast<unsigned>(counts.aliases)});
    const std::string name = ListName(list);
    if (counts.groups == 0) {
        MsgBoxFormatted(Handle(), IDS_NO_DUPLICATES, MsgBoxKind::kInformation, {name});
        return;
    }
    MsgBoxFormatted(Handle(), IDS_DUPLICATES_MERGED, MsgBoxKind::kInformation,
                    {static_cast<unsigned>(counts.groups), name, static_cast<unsigned>(counts.aliases),
                     static_cast<unsigned>(counts.notesExtended)});
}

// The check runs in the progress dialog; a cancel leaves everything as it
// was. Afterwards the dead links are marked and the summary lists them with
// the moved ones, whose URLs change only when the user asks for it there.
void CMainDlg::CheckLinks() {
    if (!EnterOrganizeMode()) return;
    CUrlListFile& list = List();
    LinkCollection collection;
    if (CollectLinks(list, collection) != 0) {
        ShowOutOfMemory();
        return;
    }
    const auto skipped = static_cast<unsigned>(collection.notWeb + collection.malformed);
    if (collection.links.empty()) {
        MsgBoxFormatted(Handle(), IDS_NO_LINKS_TO_CHECK, MsgBoxKind::kInformation, {ListName(list), skipped});
        return;
    }
    const std::unique_ptr<platform::HttpClient> http = platform::MakeHttpClient();
    if (!http) {
        MsgBoxFromString(Handle(), IDS_HTTP_UNAVAILABLE, MsgBoxKind::kExclamation);
        return;
    }
    CLinkChecker checker(*http, host_.LinkCheckSettings());
    std::vector<LinkResult> results;
    switch (CLinkProgressDlg(Handle(), checker, collection.links, results).RunModal()) {
    case IDOK:
        break;
    case IDCANCEL:
        ShowStatusText(IDS_STATUS_LINK_CHECK_CANCELLED, {});
        return;
    default:
        ShowOutOfMemory();
        return;
    }

    LinkCounts counts;
    std::vector<LinkSummaryRow> rows;
    for (std::size_t index = 0; index < results.size(); ++index) {
        const LinkResult& result = results[index];
        const LinkToCheck& link = collection.links[index];
        switch (result.state) {
        case LinkState::kDead:
            ++counts.dead;
            rows.push_back({std::string(TitleName(list.ItemText(link.item))), link.url, DeadReason(result)});
            break;
        case LinkState::kMoved:
            ++counts.moved;
            rows.push_back({std::string(TitleName(list.ItemText(link.item))), link.url,
                            FormatResourceString(IDS_LINK_MOVED_TO, {result.newUrl}).value_or(result.newUrl)});
            break;
        case LinkState::kFine:
            ++counts.fine;
            break;
        default:
            ++counts.unclear;
            break;
        }
    }
    if (counts.dead > 0 && MarkDeadLinks(list, collection.links, results) == -3) ShowOutOfMemory();
    RefreshMarks();
    const std::string summary =
        FormatResourceString(IDS_LINK_SUMMARY, {static_cast<unsigned>(results.size()), counts.dead, counts.moved,
                                                counts.fine, counts.unclear, skipped})
            .value_or(std::string());
    unsigned updated = 0;
    if (CLinkSummaryDlg(Handle(), summary, std::move(rows), counts.moved > 0).RunModal() == IDC_UPDATE_MOVED) {
        updated = static_cast<unsigned>(UpdateMovedLinks(list, collection.links, results));
        ShowSelection(-1, true, false);
    }
    ShowStatusText(IDS_STATUS_LINKS_CHECKED, {counts.dead, counts.moved, updated, skipped});
}
