// The message-line help: which string-table text the status line shows
// while the pointer rests on a control or a menu item. Several controls and
// commands share one text, and some texts follow the window's state.
#pragma once

#include <array>

struct HelpState {
    bool organizing = false;
    bool markShowsUnmark = false;               // the Mark button shows "unmark"
    std::array<bool, 3> pending{};              // a new entry is being typed at the level
    bool otherListHasMarks = false;
};

// The string id of the help for control or command `id`: the id itself, or
// the id whose text stands for it in this state. (A string id without text
// means the idle status line.)
int HelpTextId(int id, const HelpState& state);
