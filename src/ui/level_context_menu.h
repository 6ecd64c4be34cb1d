// The context menu of a column's list box (menu 202), trimmed to what applies
// to the entry clicked: opening and copying for a title, separators, delete,
// and the marking and moving commands that fit the marks of both lists.
#pragma once

#include "win/handles.h"

class CAppSettings;
class CUrlListFile;

struct LevelMenuContext {
    int level;
    int position;  // the entry clicked, -1 for none
    bool organizing;
    const CUrlListFile& list;
    const CUrlListFile* other;  // the other list, while it holds marks
    const CAppSettings& settings;
};

// The popup to track; its commands go to the main window.
win::UniqueMenu BuildLevelContextMenu(const LevelMenuContext& context);
