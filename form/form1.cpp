// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <cmath>
#include <string>
#include <utility>

#include "abjad.h"
#include "check.h"
#include "name_list.h"
#include "planets.h"

namespace delvarin::form {
namespace {

using enum Control;

constexpr int kAnsiArabic = 1256;
constexpr std::u16string_view kFaceName = u"IranSansZ";
constexpr std::u16string_view kFontFile = u"iransansz-webfont.ttf";

}  // namespace

std::string_view NameOf(Control control) {
    switch (control) {
        case Text2:
            return "Text2";
        case Text3:
            return "Text3";
        case Text5:
            return "Text5";
        case Text6:
            return "Text6";
        case Label9:
            return "Label9";
        case Label13:
            return "Label13";
        case Label14:
            return "Label14";
        case Combo1:
            return "Combo1";
        case Combo2:
            return "Combo2";
        case Option1:
            return "Option1";
        case Option2:
            return "Option2";
        case Check1:
            return "Check1";
    }
    return {};
}

Form1::Form1(Toolkit& toolkit, ReadAt readAt) : tk_(toolkit), readAt_(readAt) {}

void Form1::Form_Load() {
    CheckANSICodePage();
    if (!tk_.HasFont(kFaceName)) tk_.InstalFont(kFontFile);
    tk_.SetListIndex(Combo1, 0);
    tk_.SelectOption(Option1, 1);
    tk_.SetCheckValue(Check1, 0);
    tk_.SetEnabled(Check1, false);
    tk_.SetBackColour(Text3, layout::kButtonFace);
    tk_.SetBackColour(Text6, layout::kButtonFace);
    tk_.SetEnabled(Text6, false);
    tk_.SetText(Label9, u"");
    FullWidth = static_cast<std::int32_t>(std::lround(tk_.OuterWidth()));
    tk_.SetOuterWidth(layout::kNarrowWidth);
    tk_.SetText(Label13, u"");
    tk_.SetText(Label14, u"");
    if (readAt_ == ReadAt::Load) data_ = &SharedNameData();
}

// The warning is the program's only word on the system's setting; start-up
// goes on under it either way.
void Form1::CheckANSICodePage() {
    if (tk_.SystemCodePage() != kAnsiArabic)
        tk_.MsgBox({u"Change 'Language for non-Unicode programs' to Persian!",
                    MessageIcon::Critical, u"Salam"},
                   {});
}

void Form1::Combo1_Click() {
    const int count = tk_.ListCount(Combo2);
    for (int i = 0; i < count; ++i) tk_.RemoveItem(Combo2, 0);
    const auto group = PlanetGroupEntries(tk_.ListIndex(Combo1));
    if (!group) return;
    for (std::size_t i = 0; i < group->labels.size(); ++i) {
        tk_.AddItem(Combo2, group->labels[i]);
        if (static_cast<int>(i) == group->selected) tk_.SetListIndex(Combo2, tk_.NewIndex(Combo2));
    }
}

void Form1::Combo2_Click() {
    const auto entry = FindPlanet(tk_.List(Combo2, tk_.ListIndex(Combo2)));
    tk_.SetText(Label9, entry ? entry->description : u"");
}

bool Form1::ConvertLetters() const {
    return !tk_.OptionValue(Option1, 0);
}

void Form1::Text2_Change() {
    tk_.SetText(Label13, ValueText(tk_.Text(Text2), ConvertLetters()));
}

void Form1::Text6_Change() {
    tk_.SetText(Label14, ValueText(tk_.Text(Text6), ConvertLetters()));
}

void Form1::Label2_Click() {
    if (tk_.CheckValue(Check1) == 1) {
        tk_.SetBackColour(Text3, layout::kButtonFace);
        tk_.SetBackColour(Text6, layout::kButtonFace);
        tk_.SetEnabled(Text6, false);
        tk_.SetCheckValue(Check1, 0);
        tk_.SetFocus(Text2);
        tk_.SetText(Label14, u"");
    } else {
        tk_.SetBackColour(Text3, layout::kLightYellow);
        tk_.SetBackColour(Text6, layout::kLightYellow);
        tk_.SetEnabled(Text6, true);
        tk_.SetCheckValue(Check1, 1);
        tk_.SetFocus(Text6);
    }
}

void Form1::Label3_Click() {
    tk_.SelectOption(Option1, 0);
}

void Form1::Label5_Click() {
    tk_.SelectOption(Option1, 1);
}

void Form1::Label11_Click() {
    tk_.SelectOption(Option2, 0);
    Option2_Click(0);
}

void Form1::Label12_Click() {
    tk_.SelectOption(Option2, 1);
    Option2_Click(1);
}

void Form1::Option2_Click(int) {}

void Form1::Command2_Click() {
    if (!CheckComplete()) return;
    const float width = static_cast<float>(tk_.OuterWidth());
    if (static_cast<double>(width) != FullWidth) {
        for (float counter = width; counter <= static_cast<float>(FullWidth - 1);
             counter += layout::kWideningStep)
            tk_.SetOuterWidth(static_cast<float>(tk_.OuterWidth()) + layout::kWideningStep);
        tk_.SetOuterWidth(FullWidth);
    }
    tk_.SetTimerEnabled(true);
}

void Form1::Timer1_Timer() {
    tk_.SetTimerEnabled(false);
    MakeNameList();
}

bool Form1::CheckComplete() {
    const CheckStatus status = delvarin::CheckComplete(tk_.Text(Text2), tk_.OptionValue(Option2, 0),
                                                       tk_.OptionValue(Option2, 1), tk_.Text(Text6),
                                                       tk_.CheckValue(Check1));
    switch (status) {
        case CheckStatus::MayProceed:
            return true;
        case CheckStatus::MotherNotPersian:
        case CheckStatus::NoGender:
        case CheckStatus::PrefixNotPersian:
            tk_.MsgBox({CheckMessage(status)}, {});
            return false;
    }
    return false;
}

void Form1::MakeNameList() {
    tk_.SetPointer(Pointer::Hourglass);
    tk_.SetBackColour(Text5, layout::kButtonFace);
    tk_.SetEnabled(Text5, false);

    PlanetChoice planets{tk_.List(Combo2, tk_.ListIndex(Combo2)), {}};
    for (int i = 0; i < tk_.ListCount(Combo2); ++i) planets.entries.push_back(tk_.List(Combo2, i));
    if (!data_) data_ = &SharedNameData();
    NameList list = delvarin::MakeNameList(*data_, {
                                                       .convertLetters = ConvertLetters(),
                                                       .mother = tk_.Text(Text2),
                                                       .prefix = tk_.Text(Text6),
                                                       .prefixInUse = tk_.CheckValue(Check1) != 0,
                                                       .boy = tk_.OptionValue(Option2, 0),
                                                       .planets = std::move(planets),
                                                   });
    switch (list.status) {
        case NameListStatus::Made:
            lineIndices_ = std::move(list.indices);
            ShowList(list.text);
            EndBusy();
            return;
        case NameListStatus::PlanetNotFound:
            // The box stays busy, as it was, until the message is closed.
            tk_.MsgBox({NameListMessage(list.status)}, [this] { EndBusy(); });
            return;
    }
}

void Form1::EndBusy() {
    tk_.SetPointer(Pointer::Default);
    tk_.SetBackColour(Text5, layout::kLightYellow);
    tk_.SetEnabled(Text5, true);
    tk_.ScrollToStart(Text5);
}

// Writes the list ten lines at a time, showing the box after the first line
// and after every tenth, so a parent sees it grow.
void Form1::ShowList(std::u16string_view all) {
    tk_.SetText(Text5, u"");
    std::size_t written = 0;
    std::size_t at = 0;
    for (int k = 0;; ++k) {
        const std::size_t end = all.find(u"\r\n", at);
        if (end == std::u16string_view::npos) break;
        at = end + 2;
        if (k % layout::kRepaintEvery == 0) {
            tk_.AppendText(Text5, all.substr(written, at - written));
            written = at;
            tk_.Refresh(Text5);
        }
    }
    tk_.AppendText(Text5, all.substr(written));
}

void Form1::Image2_Click() {
    tk_.OpenAddress(layout::kBlogArticleAddress);
}

void Form1::Label8_Click() {
    tk_.OpenAddress(layout::kHomePageAddress);
}

}  // namespace delvarin::form
