#include "ui/browser_menu.h"

#include "browser/browser_table.h"

void FillBrowserMenu(HMENU popup, int firstId, bool check, const BrowserTable& browsers) {
    for (int id = firstId; ::DeleteMenu(popup, static_cast<UINT>(id), MF_BYCOMMAND); ++id) {
    }
    for (int position = 0; position < browsers.Count(); ++position)
        ::InsertMenuA(popup, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING,
                      static_cast<UINT_PTR>(firstId + position), browsers.Entry(position).name.c_str());
    if (check && browsers.Count() > 0 && browsers.CurrentBrowser >= 0 &&
        browsers.CurrentBrowser < browsers.Count())
        ::CheckMenuRadioItem(popup, 0, static_cast<UINT>(browsers.Count() - 1),
                             static_cast<UINT>(browsers.CurrentBrowser), MF_BYPOSITION);
}
