// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the running window from outside, as a screen reader or a test tool
// does: a control's text (WM_GETTEXT, as UTF-8), or where it is on screen.
//   read_control NAME          the text of the control of that row
//   read_control --rect NAME   "left top width height", in screen pixels
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "layout.h"
#include "window.h"

int wmain(int argc, wchar_t** argv) {
    const bool rect = argc == 3 && std::wstring(argv[1]) == L"--rect";
    if (argc != 2 && !rect) {
        std::fputs("usage: read_control [--rect] NAME\n", stderr);
        return 64;
    }
    const std::wstring wide = argv[argc - 1];
    const std::string name(wide.begin(), wide.end());
    const std::size_t row = delvarin::layout::RowIndexOf(name);
    HWND window = FindWindowW(L"DelvarinChooser", nullptr);
    HWND control = window && row < delvarin::layout::kRows.size()
                       ? GetDlgItem(window, delvarin::win32::ControlId(row))
                       : nullptr;
    if (!control) return 1;
    if (rect) {
        RECT r;
        GetWindowRect(control, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                          nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), bytes,
                        nullptr, nullptr);
    _setmode(_fileno(stdout), _O_BINARY);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    return 0;
}
