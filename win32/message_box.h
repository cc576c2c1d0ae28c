// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The form's messages in the window's own look: Windows' message box lays
// Persian out left to right under wine, in a Latin face, its button "OK".

#include <windows.h>

#include "front_end.h"

namespace delvarin::win32 {

struct MessageLook {
    HFONT font;
    HICON windowIcon;
    UINT dpi;
};

// Shows the message over `owner`, which it disables meanwhile, and returns
// once it is closed: by its button, Return, Escape or its close box.
void RunMessageBox(HWND owner, const form::Message& message, const MessageLook& look);

// True when a text reads right to left: it holds Arabic letters.
bool ReadsRightToLeft(std::u16string_view text);

}  // namespace delvarin::win32
