// The Compact window's popup menus: one item per entry of a level view.
#pragma once

#include <string>
#include <string_view>

#include "win/handles.h"

class CUrlListFile;

// Item ids are the view position + 1; an empty name (a separator) becomes a
// menu separator; every `perColumn` items start a new column. An "&" in a
// name is doubled so that it shows instead of underlining.
win::UniqueMenu BuildLevelMenu(const CUrlListFile& list, int level, int perColumn);

std::string MenuItemText(std::string_view name);
