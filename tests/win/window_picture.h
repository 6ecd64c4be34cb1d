// Pictures of windows for a person to look at, saved into the build tree
// (screenshots/). ImageMagick's `import` copies the window's rectangle of
// the X display, so pictures exist only under Wine with `import` installed.
#pragma once

#include <windows.h>

#include <string>

#include "win/message_loop.h"

// False when `import` is not installed.
bool CanTakePictures();

// Lets the window paint (its messages through `filter`, when given) and
// saves its rectangle of the screen as `name`.png; false when that failed.
bool SaveWindowPicture(HWND window, const std::string& name, win::IMessageFilter* filter = nullptr);
