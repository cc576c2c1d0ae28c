// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Captions measured and drawn by Uniscribe, Windows' own text shaper: wine's
// DrawText misplaces right-to-left text by the difference between the
// letters' joined and separate widths.

#include <windows.h>

#include <string_view>

#include "layout.h"

namespace delvarin::win32 {

SIZE MeasureCaption(HDC dc, std::u16string_view text, bool rightToLeft);
// On one line in `box`, centred from top to bottom, clipped to it.
void DrawCaption(HDC dc, std::u16string_view text, const RECT& box, layout::Align align,
                 bool rightToLeft);

// A push button drawn as the system draws one, with a caption of ours.
void DrawPushButton(const DRAWITEMSTRUCT& item, std::u16string_view caption, HFONT font,
                    bool rightToLeft);

}  // namespace delvarin::win32
