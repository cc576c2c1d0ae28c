// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption.h"

#include <usp10.h>
#include <uxtheme.h>
#include <vssym32.h>

#include "handles.h"

namespace delvarin::win32 {
namespace {

// One analysed line of text, freed when done.
class Line {
public:
    Line(HDC dc, std::u16string_view text, bool rightToLeft) {
        if (text.empty()) return;
        SCRIPT_CONTROL control{};
        SCRIPT_STATE state{};
        state.uBidiLevel = rightToLeft ? 1 : 0;
        const int length = static_cast<int>(text.size());
        if (ScriptStringAnalyse(dc, text.data(), length, length * 3 / 2 + 16, -1,
                                SSA_GLYPHS | SSA_FALLBACK | (rightToLeft ? SSA_RTL : 0), 0,
                                &control, &state, nullptr, nullptr, nullptr, &analysis_) != S_OK)
            analysis_ = nullptr;
    }
    ~Line() {
        if (analysis_) ScriptStringFree(&analysis_);
    }
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    SIZE size() const { return analysis_ ? *ScriptString_pSize(analysis_) : SIZE{0, 0}; }
    void draw(int x, int y, const RECT& clip) const {
        if (analysis_) ScriptStringOut(analysis_, x, y, ETO_CLIPPED, &clip, 0, 0, FALSE);
    }

private:
    SCRIPT_STRING_ANALYSIS analysis_ = nullptr;
};

}  // namespace

SIZE MeasureCaption(HDC dc, std::u16string_view text, bool rightToLeft) {
    return Line(dc, text, rightToLeft).size();
}

void DrawCaption(HDC dc, std::u16string_view text, const RECT& box, layout::Align align,
                 bool rightToLeft) {
    const Line line(dc, text, rightToLeft);
    const SIZE size = line.size();
    int x = box.left;
    switch (align) {
        case layout::Align::Left:
            break;
        case layout::Align::Right:
            x = box.right - size.cx;
            break;
        case layout::Align::Centre:
            x = (box.left + box.right - size.cx) / 2;
            break;
    }
    line.draw(x, (box.top + box.bottom - size.cy) / 2, box);
}

void DrawPushButton(const DRAWITEMSTRUCT& item, std::u16string_view caption, HFONT font,
                    bool rightToLeft) {
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    const bool focused = item.itemState & ODS_FOCUS;
    if (HTHEME theme = OpenThemeData(item.hwndItem, L"BUTTON")) {
        const int state = disabled  ? PBS_DISABLED
                          : pushed  ? PBS_PRESSED
                          : focused ? PBS_DEFAULTED
                                    : PBS_NORMAL;
        DrawThemeParentBackground(item.hwndItem, dc, &box);
        DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &box, nullptr);
        CloseThemeData(theme);
    } else {
        FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
        DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    }
    Selected chosen(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT inside = box;
    if (pushed) OffsetRect(&inside, 1, 1);
    DrawCaption(dc, caption, inside, layout::Align::Centre, rightToLeft);
    if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
        InflateRect(&box, -3, -3);
        DrawFocusRect(dc, &box);
    }
}

}  // namespace delvarin::win32
