#include "ui/level_menu.h"

#include "model/url_list_file.h"

std::string MenuItemText(std::string_view name) {
    std::string text;
    text.reserve(name.size());
    for (char c : name) {
        if (c == '&') text += '&';
        text += c;
    }
    return text;
}

win::UniqueMenu BuildLevelMenu(const CUrlListFile& list, int level, int perColumn) {
    win::UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return menu;
    for (int position = 0; position <= list.Last(level); ++position) {
        const std::string_view name = list.DisplayName(list.ItemAt(level, position));
        UINT flags = name.empty() ? MF_SEPARATOR : MF_STRING;
        if (perColumn > 0 && position > 0 && position % perColumn == 0) flags |= MF_MENUBARBREAK;
        const std::string text = MenuItemText(name);
        ::AppendMenuA(menu.Get(), flags, static_cast<UINT_PTR>(position + 1), text.c_str());
    }
    return menu;
}
