// CMainDlg::CopyAs: the selected title, or the marked titles, on the
// clipboard as text or as HTML.
#include <string>

#include "model/title_text.h"
#include "model/url_list_file.h"
#include "platform/code_page.h"
#include "resource.h"
#include "ui/main_dlg.h"
#include "ui/text/html_clipboard.h"
#include "win/global_text.h"
#include "win/guards.h"
#include "win/handles.h"

namespace {

enum class Entry { kUrl, kTitleAndUrl, kLink };

// What one command writes: each title as `entry` between `rowStart` and
// `rowEnd`, the whole between `start` and `end`.
struct CopyShape {
    int command;
    bool marked;  // the marked titles, else the selected title
    bool html;
    Entry entry;
    const char* start;
    const char* rowStart;
    const char* rowEnd;
    const char* end;
};

constexpr CopyShape kShapes[] = {
    {ID_COPY_URL, false, false, Entry::kUrl, "", "", "", ""},
    {ID_COPY_TITLE_AND_URL, false, false, Entry::kTitleAndUrl, "", "", "", ""},
    {ID_COPY_HTML_LINK, false, true, Entry::kLink, "", "", "", ""},
    {ID_COPY_MARKED_URLS, true, false, Entry::kUrl, "", "", "\r\n", ""},
    {ID_COPY_MARKED_TITLES_AND_URLS, true, false, Entry::kTitleAndUrl, "", "", "\r\n", ""},
    {ID_COPY_MARKED_HTML_LIST, true, true, Entry::kLink, "", "", "<br>\r\n", ""},
    {ID_COPY_MARKED_HTML_TABLE, true, true, Entry::kLink, "<table>\r\n", "<tr><td>", "</td></tr>\r\n",
     "</table>\r\n"},
};

void AppendEntry(std::string& out, const CopyShape& shape, std::string_view text) {
    out.append(shape.rowStart);
    switch (shape.entry) {
    case Entry::kUrl:
        out.append(TitleUrl(text));
        break;
    case Entry::kTitleAndUrl:
        out.append(TitleName(text)).append("\t").append(TitleUrl(text));
        break;
    case Entry::kLink:
        out.append(ui::HtmlLink(TitleUrl(text), TitleName(text)));
        break;
    }
    out.append(shape.rowEnd);
}

// The text of the command; false when there is nothing to copy.
bool BuildCopyText(const CUrlListFile& list, const CopyShape& shape, std::string& out) {
    out = shape.start;
    if (shape.marked) {
        if (list.MarkCount() == 0 || list.MarkLevel() != kTitle) return false;
        for (int item : list.Marks()) AppendEntry(out, shape, list.ItemText(item));
    } else {
        const int item = list.SelectedItem(kTitle);
        if (item <= 0 || list.Item(item).Has(ItemFlags::kSeparator)) return false;
        AppendEntry(out, shape, list.ItemText(item));
    }
    out.append(shape.end);
    return true;
}

void PlaceOnClipboard(UINT format, std::string_view data) {
    win::UniqueGlobal memory(win::GlobalCopy(data));
    if (memory && ::SetClipboardData(format, memory.Get())) (void)memory.Release();  // the clipboard owns it
}

}  // namespace

bool CMainDlg::CopyAs(int command) {
    const CopyShape* shape = nullptr;
    for (const CopyShape& candidate : kShapes) {
        if (candidate.command == command) shape = &candidate;
    }
    if (!shape) return false;
    const HWND focus = ::GetFocus();
    if (!focus) return true;
    bool fromList = false;
    for (int level = 0; level < kLevelCount; ++level) fromList = fromList || (focus == LevelBoxWindow(level));
    if (!fromList) {
        // Ctrl+C in a field copies the field's selection.
        ::PostMessageA(focus, WM_COPY, 0, 0);
        return true;
    }
    win::ClipboardGuard clipboard(Handle());
    std::string text;
    if (!clipboard || !::EmptyClipboard() || !BuildCopyText(List(), *shape, text)) return true;
    if (shape->html) {
        static const UINT htmlFormat = ::RegisterClipboardFormatA("HTML Format");
        PlaceOnClipboard(htmlFormat, ui::HtmlClipboardData(text, platform::AnsiCodePage()));
    }
    PlaceOnClipboard(CF_TEXT, text);
    return true;
}
