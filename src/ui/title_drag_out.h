// Dragging a title out of the main window to other programs (a browser, the
// desktop, an editor): the data offered is the title's link as "HTML Format"
// (with its description header, UTF-8), its URL as "UniformResourceLocator"
// and as CF_TEXT (zero-terminated ANSI strings).
#pragma once

#include <windows.h>

#include <ole2.h>

#include <string_view>

// A data object with the three formats, with one reference for the caller.
IDataObject* CreateTitleDataObject(std::string_view url, std::string_view title);

// Runs the drag (copy or link) until the user drops or cancels: the effect the
// drop target chose, DROPEFFECT_NONE when nothing was dropped.
DWORD DragTitleOut(std::string_view url, std::string_view title);
