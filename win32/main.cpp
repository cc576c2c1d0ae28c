// SPDX-License-Identifier: GPL-3.0-or-later
// delvarin-chooser for Windows: the form's window in Windows' own controls.
#include <windows.h>

#include <commctrl.h>

#include "pictures.h"
#include "window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // COM, for the names screen readers read.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The boxes are RichEdits: the only edit control that lays Persian out
    // right to left under wine as under Windows.
    if (!LoadLibraryW(L"msftedit.dll")) {
        MessageBoxW(nullptr, L"delvarin-chooser cannot start: msftedit.dll is missing.",
                    L"Delvarin Chooser", MB_ICONERROR);
        return 1;
    }
    delvarin::win32::PictureSession pictures;
    delvarin::win32::Window window(instance);
    window.Load();
    window.Show(show);
    const int code = window.Run();
    CoUninitialize();
    return code;
}
