// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's controls as laid out at design time, front to back: a control
// earlier in the table lies over a later one. Positions are left, top,
// width, height in twips of the container (the window, or Frame1 for the four
// controls inside it).

#include <array>
#include <cstdint>
#include <string_view>

#include "toolkit.h"

namespace delvarin {

enum class Control : std::uint8_t {
    Timer1,
    Combo1,
    Frame1,
    Option1_0,
    Option1_1,
    Label3,
    Label5,
    Option2_1,
    Option2_0,
    Combo2,
    Text6,
    Text3,
    Text2,
    Command2,
    Text5,
    Text1,
    Check1,
    Label4_1,
    Label14,
    Label13,
    Image2,
    Line1,
    Line2,
    Label12,
    Label11,
    Label10,
    Label9,
    Label8,
    Label7,
    Label2,
    Label6,
    Label4_0,
    Image1,
    Label1,
    Count
};
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Count);

enum class Face : std::uint8_t { None, IranSansZ, Arial, Verdana };
enum class Align : std::uint8_t { Left, Right, Centre };

inline constexpr vb::Colour kDefaultColour = 0xFFFFFFFFu;  // the toolkit's own
inline constexpr int kNoTab = -1;

struct ControlSpec {
    Control id;
    const char* name;
    // A line gives its two ends instead: x1, y1, x2, y2.
    int left, top, width, height;
    std::u16string_view text;
    Face face;
    double points;
    vb::Colour back, fore;
    Align align;
    bool rightToLeft;
    int tabIndex;
};

inline constexpr std::u16string_view kResultIntroduction =
    u"اين نرم\u200Cافزار با گرفتن\r\n"
    u"نام مادر و جنسيت\r\n"
    u"نوزاد، اسم\u200Cهايي را\r\n"
    u"براي فرزند پيشنهاد\r\n"
    u"مي\u200Cكند كه طالع سعد\r\n"
    u"داشته باشد!\r\n";

inline constexpr vb::Colour kTransparent = 0xFFFFFFFEu;

// clang-format off
inline constexpr std::array<ControlSpec, kControlCount> kLayout{{
    {Control::Timer1,    "Timer1",    0, 0, 0, 0, u"", Face::None, 0, kDefaultColour, kDefaultColour, Align::Left, false, kNoTab},
    {Control::Combo1,    "Combo1",    120, 4800, 2295, 375, u"", Face::IranSansZ, 9.75, vb::kLightYellow, vb::kDarkRed, Align::Left, false, 7},
    {Control::Frame1,    "Frame1",    120, 4035, 3015, 735, u"", Face::None, 0, kDefaultColour, vb::kWindowText, Align::Left, false, 23},
    {Control::Option1_0, "Option1(0)", 2760, 0, 255, 315, u"", Face::None, 0, kDefaultColour, vb::kWindowText, Align::Left, false, 5},
    {Control::Option1_1, "Option1(1)", 2760, 345, 255, 315, u"", Face::None, 0, kDefaultColour, vb::kWindowText, Align::Left, false, 6},
    {Control::Label3,    "Label3",    0, 30, 2655, 255, u"حذف حروف فارسي «پژگچ»", Face::IranSansZ, 9.75, kDefaultColour, kDefaultColour, Align::Right, true, 25},
    {Control::Label5,    "Label5",    0, 390, 2655, 255, u"تبديل «پژگچ» به «بزكج»", Face::IranSansZ, 9.75, kDefaultColour, kDefaultColour, Align::Right, true, 24},
    {Control::Option2_1, "Option2(1)", 1320, 3495, 255, 315, u"", Face::None, 0, kDefaultColour, vb::kWindowText, Align::Left, false, 4},
    {Control::Option2_0, "Option2(0)", 2880, 3495, 255, 315, u"", Face::None, 0, kDefaultColour, vb::kWindowText, Align::Left, false, 3},
    {Control::Combo2,    "Combo2",    90, 5280, 2175, 375, u"", Face::IranSansZ, 9.75, vb::kLightYellow, vb::kDarkRed, Align::Left, false, 8},
    {Control::Text6,     "Text6",     150, 3000, 1455, 380, u"سيد", Face::IranSansZ, 12, vb::kLightYellow, vb::kDarkRed, Align::Right, true, 2},
    {Control::Text3,     "Text3",     120, 2880, 1575, 540, u"", Face::Arial, 12, vb::kLightYellow, vb::kDarkRed, Align::Right, true, 15},
    {Control::Text2,     "Text2",     150, 2400, 1935, 380, u"", Face::IranSansZ, 12, vb::kLightYellow, vb::kDarkRed, Align::Right, true, 1},
    {Control::Command2,  "Command2",  120, 6000, 2950, 375, u"«« پيشنهاد نام مناسب براي نوزاد", Face::IranSansZ, 9, kDefaultColour, kDefaultColour, Align::Centre, true, 9},
    {Control::Text5,     "Text5",     3360, 480, 2715, 5895, kResultIntroduction, Face::IranSansZ, 12, vb::kLightYellow, vb::kDarkRed, Align::Right, true, 11},
    {Control::Text1,     "Text1",     120, 2280, 2055, 540, u"", Face::Arial, 12, vb::kLightYellow, vb::kDarkRed, Align::Right, true, 12},
    {Control::Check1,    "Check1",    2865, 2925, 255, 375, u"", Face::Arial, 9.75, kDefaultColour, vb::kWindowText, Align::Left, true, 10},
    {Control::Label4_1,  "Label4(1)", 2310, 30, 855, 255, u"Ver 3", Face::Verdana, 8.25, kTransparent, vb::kWhite, Align::Right, false, 28},
    {Control::Label14,   "Label14",   1980, 3270, 735, 255, u"110", Face::IranSansZ, 8.25, kTransparent, vb::kRed, Align::Centre, true, 27},
    {Control::Label13,   "Label13",   2280, 2655, 735, 255, u"110", Face::IranSansZ, 8.25, kTransparent, vb::kRed, Align::Centre, true, 26},
    {Control::Image2,    "Image2",    3390, 45, 360, 360, u"", Face::None, 0, kDefaultColour, kDefaultColour, Align::Left, false, kNoTab},
    {Control::Line1,     "Line1",     3240, -50, 3240, 6600, u"", Face::None, 0, kDefaultColour, vb::kActiveBorder, Align::Left, false, kNoTab},
    {Control::Line2,     "Line2",     -45, 3915, 3205, 3915, u"", Face::None, 0, kDefaultColour, vb::kActiveBorder, Align::Left, false, kNoTab},
    {Control::Label12,   "Label12",   120, 3525, 1095, 255, u"فرزند دختر", Face::IranSansZ, 9.75, kDefaultColour, kDefaultColour, Align::Right, true, 22},
    {Control::Label11,   "Label11",   1680, 3525, 1095, 255, u"فرزند پسر", Face::IranSansZ, 9.75, kDefaultColour, kDefaultColour, Align::Right, true, 21},
    {Control::Label10,   "Label10",   4440, 120, 1575, 255, u"نام\u200Cهاي پيشنهادي:", Face::IranSansZ, 9.75, kDefaultColour, kDefaultColour, Align::Right, true, 20},
    {Control::Label9,    "Label9",    0, 5700, 3225, 255, u"طبع: بادي، روز: سه\u200Cشنبه، ماه: محرم", Face::IranSansZ, 8.25, kDefaultColour, vb::kRed, Align::Centre, true, 19},
    {Control::Label8,    "Label8",    1440, 960, 255, 255, u"", Face::None, 0, kTransparent, kDefaultColour, Align::Left, false, 18},
    {Control::Label7,    "Label7",    2385, 5340, 615, 255, u"كوكب:", Face::IranSansZ, 9.75, kDefaultColour, kDefaultColour, Align::Right, true, 17},
    {Control::Label2,    "Label2",    1800, 3000, 1335, 255, u"پيشوند نام:", Face::IranSansZ, 9.75, kDefaultColour, kDefaultColour, Align::Left, true, 14},
    {Control::Label6,    "Label6",    2400, 4845, 615, 255, u"طالع:", Face::IranSansZ, 9.75, kDefaultColour, kDefaultColour, Align::Right, true, 16},
    {Control::Label4_0,  "Label4(0)", 45, 45, 615, 255, u"2026", Face::Verdana, 8.25, kTransparent, vb::kWhite, Align::Left, false, 13},
    {Control::Image1,    "Image1",    0, -300, 3240, 2430, u"", Face::None, 0, kDefaultColour, kDefaultColour, Align::Left, false, kNoTab},
    {Control::Label1,    "Label1",    2280, 2400, 1095, 255, u"نام مادر:", Face::IranSansZ, 9.75, kDefaultColour, kDefaultColour, Align::Left, true, 0},
}};
// clang-format on

constexpr const ControlSpec& LayoutOf(Control id) {
    return kLayout[static_cast<std::size_t>(id)];
}

constexpr bool LayoutFollowsControlOrder() {
    for (std::size_t i = 0; i < kLayout.size(); ++i)
        if (static_cast<std::size_t>(kLayout[i].id) != i) return false;
    return true;
}
static_assert(LayoutFollowsControlOrder());

// The window's client area at design time, and the narrowed outer width.
inline constexpr int kClientWidth = 6195;
inline constexpr int kClientHeight = 6540;
inline constexpr int kNarrowWidth = 3300;

}  // namespace delvarin
