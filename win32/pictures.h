// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The photograph and the help picture, kept in the program as their files
// (JPEG, GIF) and decoded by GDI+, a part of Windows.

#include <windows.h>

#include "handles.h"

namespace delvarin::win32 {

// GDI+ from the first picture to the program's end.
class PictureSession {
public:
    PictureSession();
    ~PictureSession();
    PictureSession(const PictureSession&) = delete;
    PictureSession& operator=(const PictureSession&) = delete;

private:
    ULONG_PTR token_ = 0;
};

// The picture of the program's resource `name` (RCDATA), drawn at `width` by
// `height` pixels on `ground`; nothing when it cannot be read.
Bitmap LoadPicture(HINSTANCE instance, const wchar_t* name, int width, int height, COLORREF ground);

}  // namespace delvarin::win32
