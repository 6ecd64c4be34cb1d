#include "ui/level_context_menu.h"

#include <string>
#include <vector>

#include "app/settings/app_settings.h"
#include "browser/url_kind.h"
#include "model/title_text.h"
#include "model/url_list_file.h"
#include "resource.h"
#include "ui/browser_menu.h"
#include "win/module.h"

namespace {

// The menu opens with the title commands: the "Open &in" and "Open &with"
// popups, Open, Open Folder, Explore, a separator, "&Copy as" and a separator.
constexpr int kOpenInPosition = 0;
constexpr int kOpenWithPosition = 1;
constexpr int kTitleCommandCount = 8;

// The items whose ids follow the level; the menu holds the titles' ids.
constexpr int kLevelCommands[] = {IDC_DELETE_CATEGORY, ID_INSERT_SEPARATOR, ID_MARK_THIS,
                                  ID_MARK_ALL_HERE, ID_UNMARK_ALL_HERE};

int PositionOf(HMENU menu, int id) {
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
        if (static_cast<int>(::GetMenuItemID(menu, position)) == id) return position;
    return -1;
}

bool IsSeparatorAt(HMENU menu, int position) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE;
    return ::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item) &&
           (item.fType & MFT_SEPARATOR) != 0;
}

void SetItemId(HMENU menu, int from, int to) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID;
    item.wID = static_cast<UINT>(to);
    ::SetMenuItemInfoA(menu, static_cast<UINT>(from), FALSE, &item);
}

// The removals leave separators at the ends or side by side; they go too.
void TidySeparators(HMENU menu) {
    for (int position = ::GetMenuItemCount(menu) - 1; position >= 0; --position) {
        const int count = ::GetMenuItemCount(menu);
        if (!IsSeparatorAt(menu, position)) continue;
        if (position == 0 || position == count - 1 || IsSeparatorAt(menu, position - 1))
            ::DeleteMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
    }
}

// Which positions of the menu as loaded go, by the rules of the menu.
class Removals {
public:
    explicit Removals(HMENU menu) : menu_(menu), remove_(static_cast<std::size_t>(::GetMenuItemCount(menu))) {}

    void Item(int id, bool withSeparatorAbove = false) {
        const int position = PositionOf(menu_, id);
        if (position < 0) return;
        remove_[static_cast<std::size_t>(position)] = true;
        if (withSeparatorAbove && position > 0) remove_[static_cast<std::size_t>(position - 1)] = true;
    }
    void Position(int position) { remove_[static_cast<std::size_t>(position)] = true; }
    bool Removes(int id) const {
        const int position = PositionOf(menu_, id);
        return position < 0 || remove_[static_cast<std::size_t>(position)];
    }
    void Apply() const {
        for (int position = static_cast<int>(remove_.size()) - 1; position >= 0; --position)
            if (remove_[static_cast<std::size_t>(position)])
                ::DeleteMenu(menu_, static_cast<UINT>(position), MF_BYPOSITION);
    }

private:
    HMENU menu_;
    std::vector<bool> remove_;
};

void TrimTitleCommands(HMENU menu, Removals& removals, const LevelMenuContext& context) {
    const CUrlListFile& list = context.list;
    const std::string url(TitleUrl(list.ItemText(list.ItemAt(kTitle, context.position))));
    if (!IsInternetUrl(url)) {
        removals.Position(kOpenInPosition);
        removals.Position(kOpenWithPosition);
        if (list.Environment().files->IsFolder(url)) removals.Item(IDC_OPEN);
        return;
    }
    removals.Item(ID_OPEN_FOLDER);
    removals.Item(ID_EXPLORE);
    if (IsMailto(url)) {
        removals.Position(kOpenInPosition);
        removals.Position(kOpenWithPosition);
        return;
    }
    removals.Item(IDC_OPEN);
    FillBrowserMenu(::GetSubMenu(menu, kOpenWithPosition), ID_FIRST_OPEN_WITH, true,
                    context.settings.Browsers);
    ::CheckMenuRadioItem(::GetSubMenu(menu, kOpenInPosition), ID_OPEN_IN_NEW_WINDOW,
                         ID_OPEN_IN_FRONTMOST_WINDOW,
                         context.settings.Options.OpenInNewWindow ? ID_OPEN_IN_NEW_WINDOW
                                                                  : ID_OPEN_IN_FRONTMOST_WINDOW,
                         MF_BYCOMMAND);
}

}  // namespace

win::UniqueMenu BuildLevelContextMenu(const LevelMenuContext& context) {
    const win::UniqueMenu bar(::LoadMenuA(win::ModuleInstance(), MAKEINTRESOURCEA(IDR_LIST_CONTEXT_MENU)));
    if (!bar) return {};
    win::UniqueMenu popup(::GetSubMenu(bar.Get(), 0));
    ::RemoveMenu(bar.Get(), 0, MF_BYPOSITION);  // the popup outlives the bar
    const HMENU menu = popup.Get();

    const int level = context.level;
    const int position = context.position;
    const CUrlListFile& list = context.list;
    for (int first : kLevelCommands) SetItemId(menu, first + kTitle, first + level);

    const int markLevel = list.MarkLevel();
    const bool marked = markLevel < kLevelCount;
    const bool marksElsewhere = marked && markLevel != level;
    const bool empty = list.Last(level) < 0;
    const int otherMarkLevel = context.other ? context.other->MarkLevel() : kLevelCount;
    const bool organizing = context.organizing;

    Removals removals(menu);
    if (position < 0 || list.Item(list.ItemAt(level, position)).Has(ItemFlags::kSeparator))
        removals.Item(ID_INSERT_SEPARATOR + level, true);
    if (position < 0) removals.Item(IDC_DELETE_CATEGORY + level, true);
    if (!(organizing && marked)) removals.Item(ID_CLEAR_ALL_MARKS);
    if (!(organizing && markLevel == level && !empty)) removals.Item(ID_UNMARK_ALL_HERE + level);
    if (empty || marksElsewhere) removals.Item(ID_MARK_ALL_HERE + level);
    if (position < 0 || marksElsewhere) {
        removals.Item(ID_MARK_THIS + level);
        if (removals.Removes(ID_CLEAR_ALL_MARKS) && removals.Removes(ID_UNMARK_ALL_HERE + level) &&
            removals.Removes(ID_MARK_ALL_HERE + level))
            removals.Item(ID_MARK_THIS + level, true);
    }
    if (!(organizing && level == kTitle && markLevel == kTitle)) removals.Item(ID_ALIAS_MARKED);
    if (!(organizing && otherMarkLevel == level)) removals.Item(ID_DUPLICATE_MARKED);
    if (!(organizing && level == (marked ? markLevel : otherMarkLevel))) removals.Item(ID_MOVE_MARKED, true);
    if (position < 0 || level != kTitle) {
        for (int title = 0; title < kTitleCommandCount; ++title) removals.Position(title);
    } else {
        TrimTitleCommands(menu, removals, context);
    }
    removals.Apply();
    TidySeparators(menu);
    return popup;
}
