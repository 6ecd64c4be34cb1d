// Changing single entries of a list box that keeps strings, without
// filling it again: a renamed entry, a new entry, new item data.
#pragma once

#include <windows.h>

#include <string>

// Replaces the text of entry `index`, keeping its item data and the selection.
void ReplaceListBoxEntry(HWND box, int index, const std::string& text) noexcept;
// Inserts an entry at `index` (-1: at the end) with its item data.
void InsertListBoxEntry(HWND box, int index, const std::string& text, LPARAM data) noexcept;
// Sets the item data of entry `index` and repaints that entry.
void SetListBoxEntryData(HWND box, int index, LPARAM data) noexcept;
