// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window as designed: each control once, front to back (a control earlier
// in the table lies over a later one), with its place in twips of its
// container, its text, font, colours and tab index. A control is its row:
// every front end builds its widgets from these rows and names them by them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "planets.h"
#include "text.h"

namespace delvarin::layout {

// 32-bit colours: RGB with red in the low byte, or a system colour marked by
// the top bit.
using Colour = std::uint32_t;
inline constexpr Colour kLightYellow = 0x00C0FFFF;
inline constexpr Colour kDarkRed = 0x000000C0;
inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kWindowText = 0x80000008;
inline constexpr Colour kActiveBorder = 0x8000000A;
inline constexpr Colour kButtonFace = 0x8000000F;

// The system colours the design names, each with the role a front end maps
// it to; every other colour is RGB.
enum class SystemColour : std::uint8_t { WindowText, ActiveBorder, ButtonFace };
inline constexpr std::array<std::pair<Colour, SystemColour>, 3> kSystemColours{{
    {kWindowText, SystemColour::WindowText},
    {kActiveBorder, SystemColour::ActiveBorder},
    {kButtonFace, SystemColour::ButtonFace},
}};
constexpr std::optional<SystemColour> SystemColourOf(Colour colour) {
    for (const auto& [value, role] : kSystemColours)
        if (value == colour) return role;
    return std::nullopt;
}
struct Rgb {
    std::uint8_t red, green, blue;
};
constexpr Rgb RgbOf(Colour colour) {
    return {static_cast<std::uint8_t>(colour & 0xFF),
            static_cast<std::uint8_t>((colour >> 8) & 0xFF),
            static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
}

// 15 twips to a pixel at 100%.
inline constexpr int kTwipsPerPixel = 15;

enum class Kind : std::uint8_t {
    Timer,
    DropDown,
    Frame,
    OptionButton,
    Label,
    TextBox,
    ResultBox,
    CommandButton,
    CheckBox,
    Picture,
    Line,
};
// Each kind's name, in the enum's order.
inline constexpr std::array<std::string_view, 11> kKindNames{
    "Timer",     "DropDown",      "Frame",    "OptionButton", "Label", "TextBox",
    "ResultBox", "CommandButton", "CheckBox", "Picture",      "Line"};
enum class Face : std::uint8_t { IranSansZ, Arial, Verdana };
inline constexpr std::array<std::string_view, 3> kFaceNames{"IranSansZ", "Arial", "Verdana"};
enum class Align : std::uint8_t { Left, Right, Centre };
// As CSS names them.
inline constexpr std::array<std::string_view, 3> kAlignNames{"left", "right", "center"};
template <class Enum, std::size_t n>
constexpr std::string_view NameOf(Enum value, const std::array<std::string_view, n>& names) {
    return names[static_cast<std::size_t>(value)];
}
enum class Pointer : std::uint8_t { Default, Help };

struct Box {
    int left, top, width, height;
};
struct Ends {
    int x1, y1, x2, y2;
};
struct Font {
    Face face;
    double points;
};

struct ControlRow {
    std::string_view name;
    Kind kind;
    bool inFrame = false;  // inside Frame1, not on the window itself
    Box box{};
    Ends ends{};  // a line's, which has no box
    std::u16string_view text{};
    std::optional<Font> font{};
    std::optional<Colour> back{};  // absent: the toolkit's own
    std::optional<Colour> fore{};
    bool transparent = false;  // paints no background
    Align align = Align::Left;
    bool rightToLeft = false;
    std::optional<int> tabIndex{};
    // A drop-down's items as the window is built.
    std::span<const std::u16string_view> items{};
    // Opens a page: reached by the keyboard after every other control.
    bool link = false;
    bool enabled = true;
    Pointer pointer = Pointer::Default;
    // For assistive technology: the caption that names the control, or a
    // name of its own where it has no caption; what a value label shows the
    // value of, with words that say so; drawn for the eye alone.
    std::string_view labelledBy{};
    std::u16string_view spokenName{};
    std::string_view valueOf{};
    std::u16string_view description{};
    bool decorative = false;
};

inline constexpr std::u16string_view kWindowTitle = u"Delvarin Chooser";
// The one button of every message.
inline constexpr std::u16string_view kMessageButton = u"تأييد";
// The client area at design time, the width the window is narrowed to
// (borders included), and the step by which a request widens it again.
inline constexpr int kClientWidth = 6195;
inline constexpr int kClientHeight = 6540;
inline constexpr int kNarrowWidth = 3300;
inline constexpr int kWideningStep = 100;
inline constexpr int kTimerIntervalMs = 500;
// The result box is repainted after the first line and every tenth.
inline constexpr int kRepaintEvery = 10;
inline constexpr int kLineWidthPx = 2;
// Where the help picture (Image2) and the hidden link (Label8) lead: hosts
// under the reserved .example domain until the project's own site is up.
inline constexpr std::string_view kBlogArticleAddress = "http://blog.delvarin.example/Posts/272";
inline constexpr std::string_view kHomePageAddress = "http://www.delvarin.example";

inline constexpr std::u16string_view kResultIntroduction =
    u"اين نرم\u200Cافزار با گرفتن\r\n"
    u"نام مادر و جنسيت\r\n"
    u"نوزاد، اسم\u200Cهايي را\r\n"
    u"براي فرزند پيشنهاد\r\n"
    u"مي\u200Cكند كه طالع سعد\r\n"
    u"داشته باشد!\r\n";

inline constexpr Font kPersian975{Face::IranSansZ, 9.75};
inline constexpr Font kPersian825{Face::IranSansZ, 8.25};
inline constexpr Font kPersian12{Face::IranSansZ, 12};
inline constexpr Font kVerdana825{Face::Verdana, 8.25};
inline constexpr Font kArial12{Face::Arial, 12};

using enum Kind;
using enum Align;

// clang-format off
inline constexpr std::array kRows{
    ControlRow{.name = "Timer1", .kind = Timer},
    ControlRow{.name = "Combo1", .kind = DropDown, .box = {120, 4800, 2295, 375}, .font = kPersian975, .back = kLightYellow, .fore = kDarkRed, .tabIndex = 7, .items = kPlanetGroupNames, .labelledBy = "Label6"},
    ControlRow{.name = "Frame1", .kind = Frame, .box = {120, 4035, 3015, 735}, .fore = kWindowText, .tabIndex = 23, .spokenName = u"شمارش حروف «پژگچ»"},
    ControlRow{.name = "Option1(0)", .kind = OptionButton, .inFrame = true, .box = {2760, 0, 255, 315}, .fore = kWindowText, .tabIndex = 5, .labelledBy = "Label3"},
    ControlRow{.name = "Option1(1)", .kind = OptionButton, .inFrame = true, .box = {2760, 345, 255, 315}, .fore = kWindowText, .tabIndex = 6, .labelledBy = "Label5"},
    ControlRow{.name = "Label3", .kind = Label, .inFrame = true, .box = {0, 30, 2655, 255}, .text = u"حذف حروف فارسي «پژگچ»", .font = kPersian975, .align = Right, .rightToLeft = true, .tabIndex = 25},
    ControlRow{.name = "Label5", .kind = Label, .inFrame = true, .box = {0, 390, 2655, 255}, .text = u"تبديل «پژگچ» به «بزكج»", .font = kPersian975, .align = Right, .rightToLeft = true, .tabIndex = 24},
    ControlRow{.name = "Option2(1)", .kind = OptionButton, .box = {1320, 3495, 255, 315}, .fore = kWindowText, .tabIndex = 4, .labelledBy = "Label12"},
    ControlRow{.name = "Option2(0)", .kind = OptionButton, .box = {2880, 3495, 255, 315}, .fore = kWindowText, .tabIndex = 3, .labelledBy = "Label11"},
    ControlRow{.name = "Combo2", .kind = DropDown, .box = {90, 5280, 2175, 375}, .font = kPersian975, .back = kLightYellow, .fore = kDarkRed, .tabIndex = 8, .labelledBy = "Label7"},
    ControlRow{.name = "Text6", .kind = TextBox, .box = {150, 3000, 1455, 380}, .text = kDefaultPrefix, .font = kPersian12, .back = kLightYellow, .fore = kDarkRed, .align = Right, .rightToLeft = true, .tabIndex = 2, .labelledBy = "Label2"},
    ControlRow{.name = "Text3", .kind = TextBox, .box = {120, 2880, 1575, 540}, .font = kArial12, .back = kLightYellow, .fore = kDarkRed, .align = Right, .rightToLeft = true, .tabIndex = 15, .enabled = false, .decorative = true},
    ControlRow{.name = "Text2", .kind = TextBox, .box = {150, 2400, 1935, 380}, .font = kPersian12, .back = kLightYellow, .fore = kDarkRed, .align = Right, .rightToLeft = true, .tabIndex = 1, .labelledBy = "Label1"},
    ControlRow{.name = "Command2", .kind = CommandButton, .box = {120, 6000, 2950, 375}, .text = u"«« پيشنهاد نام مناسب براي نوزاد", .font = Font{Face::IranSansZ, 9}, .align = Centre, .rightToLeft = true, .tabIndex = 9},
    ControlRow{.name = "Text5", .kind = ResultBox, .box = {3360, 480, 2715, 5895}, .text = kResultIntroduction, .font = kPersian12, .back = kLightYellow, .fore = kDarkRed, .align = Right, .rightToLeft = true, .tabIndex = 11, .labelledBy = "Label10"},
    ControlRow{.name = "Text1", .kind = TextBox, .box = {120, 2280, 2055, 540}, .font = kArial12, .back = kLightYellow, .fore = kDarkRed, .align = Right, .rightToLeft = true, .tabIndex = 12, .enabled = false, .decorative = true},
    ControlRow{.name = "Check1", .kind = CheckBox, .box = {2865, 2925, 255, 375}, .font = Font{Face::Arial, 9.75}, .fore = kWindowText, .rightToLeft = true, .tabIndex = 10, .labelledBy = "Label2"},
    ControlRow{.name = "Label4(1)", .kind = Label, .box = {2310, 30, 855, 255}, .text = u"Ver 3", .font = kVerdana825, .fore = kWhite, .transparent = true, .align = Right, .tabIndex = 28},
    ControlRow{.name = "Label14", .kind = Label, .box = {1980, 3270, 735, 255}, .text = u"110", .font = kPersian825, .fore = kRed, .transparent = true, .align = Centre, .rightToLeft = true, .tabIndex = 27, .valueOf = "Text6", .description = u"عدد ابجد پيشوند نام"},
    ControlRow{.name = "Label13", .kind = Label, .box = {2280, 2655, 735, 255}, .text = u"110", .font = kPersian825, .fore = kRed, .transparent = true, .align = Centre, .rightToLeft = true, .tabIndex = 26, .valueOf = "Text2", .description = u"عدد ابجد نام مادر"},
    ControlRow{.name = "Image2", .kind = Picture, .box = {3390, 45, 360, 360}, .link = true, .pointer = Pointer::Help, .spokenName = u"راهنما: مقاله\u200Cاي در وبلاگ، در مرورگر باز مي\u200Cشود"},
    ControlRow{.name = "Line1", .kind = Line, .ends = {3240, -50, 3240, 6600}, .fore = kActiveBorder, .decorative = true},
    ControlRow{.name = "Line2", .kind = Line, .ends = {-45, 3915, 3205, 3915}, .fore = kActiveBorder, .decorative = true},
    ControlRow{.name = "Label12", .kind = Label, .box = {120, 3525, 1095, 255}, .text = u"فرزند دختر", .font = kPersian975, .align = Right, .rightToLeft = true, .tabIndex = 22},
    ControlRow{.name = "Label11", .kind = Label, .box = {1680, 3525, 1095, 255}, .text = u"فرزند پسر", .font = kPersian975, .align = Right, .rightToLeft = true, .tabIndex = 21},
    ControlRow{.name = "Label10", .kind = Label, .box = {4440, 120, 1575, 255}, .text = u"نام\u200Cهاي پيشنهادي:", .font = kPersian975, .align = Right, .rightToLeft = true, .tabIndex = 20},
    ControlRow{.name = "Label9", .kind = Label, .box = {0, 5700, 3225, 255}, .text = u"طبع: بادي، روز: سه\u200Cشنبه، ماه: محرم", .font = kPersian825, .fore = kRed, .align = Centre, .rightToLeft = true, .tabIndex = 19},
    ControlRow{.name = "Label8", .kind = Label, .box = {1440, 960, 255, 255}, .transparent = true, .tabIndex = 18, .link = true, .pointer = Pointer::Help, .spokenName = u"وبگاه سازنده، در مرورگر باز مي\u200Cشود"},
    ControlRow{.name = "Label7", .kind = Label, .box = {2385, 5340, 615, 255}, .text = u"كوكب:", .font = kPersian975, .align = Right, .rightToLeft = true, .tabIndex = 17},
    ControlRow{.name = "Label2", .kind = Label, .box = {1800, 3000, 1335, 255}, .text = u"پيشوند نام:", .font = kPersian975, .rightToLeft = true, .tabIndex = 14},
    ControlRow{.name = "Label6", .kind = Label, .box = {2400, 4845, 615, 255}, .text = u"طالع:", .font = kPersian975, .align = Right, .rightToLeft = true, .tabIndex = 16},
    ControlRow{.name = "Label4(0)", .kind = Label, .box = {45, 45, 615, 255}, .text = u"2026", .font = kVerdana825, .fore = kWhite, .transparent = true, .tabIndex = 13},
    ControlRow{.name = "Image1", .kind = Picture, .box = {0, -300, 3240, 2430}, .decorative = true},
    ControlRow{.name = "Label1", .kind = Label, .box = {2280, 2400, 1095, 255}, .text = u"نام مادر:", .font = kPersian975, .rightToLeft = true, .tabIndex = 0},
};
// clang-format on

// The row of that name; kRows.size() for none.
constexpr std::size_t RowIndexOf(std::string_view name) {
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (kRows[i].name == name) return i;
    return kRows.size();
}

consteval std::size_t RowIndex(std::string_view name) {
    if (RowIndexOf(name) == kRows.size()) throw "no control of that name";  // fails the build
    return RowIndexOf(name);
}

// Every row a row names is in the table.
consteval bool NamedRowsExist() {
    for (const ControlRow& row : kRows)
        for (std::string_view named : {row.labelledBy, row.valueOf})
            if (!named.empty() && RowIndexOf(named) == kRows.size()) return false;
    return true;
}
static_assert(NamedRowsExist());

// A control named at compile time: a name the table lacks does not build.
struct RowId {
    std::size_t index;
    consteval RowId(const char* name) : index(RowIndex(name)) {}
    const ControlRow& row() const { return kRows[index]; }
};

}  // namespace delvarin::layout
