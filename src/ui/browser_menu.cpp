#include "ui/browser_menu.h"

#include "app/settings/app_settings.h"
#include "browser/browser_table.h"

namespace {

constexpr int kListShortcuts = 10;

}  // namespace

void FillNumberedItems(HMENU popup, int firstId, const std::vector<std::string>& texts, int checked) {
    for (int id = firstId; ::DeleteMenu(popup, static_cast<UINT>(id), MF_BYCOMMAND); ++id) {
    }
    const int count = static_cast<int>(texts.size());
    for (int position = 0; position < count; ++position)
        ::InsertMenuA(popup, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING,
                      static_cast<UINT_PTR>(firstId + position), texts[static_cast<std::size_t>(position)].c_str());
    if (checked >= 0 && checked < count)
        ::CheckMenuRadioItem(popup, 0, static_cast<UINT>(count - 1), static_cast<UINT>(checked), MF_BYPOSITION);
}

void FillBrowserMenu(HMENU popup, int firstId, bool check, const BrowserTable& browsers) {
    std::vector<std::string> names;
    for (const BrowserEntry& browser : browsers.entries) names.push_back(browser.name);
    FillNumberedItems(popup, firstId, names, check ? browsers.CurrentBrowser : -1);
}

void FillListMenu(HMENU popup, int firstId, const ListTable& lists) {
    std::vector<std::string> items;
    for (const ListEntry& list : lists.entries) {
        const int position = static_cast<int>(items.size());
        items.push_back(position < kListShortcuts
                            ? list.name + "\tCtrl+" + static_cast<char>('0' + (position + 1) % kListShortcuts)
                            : list.name);
    }
    FillNumberedItems(popup, firstId, items, lists.CurrentList);
}
