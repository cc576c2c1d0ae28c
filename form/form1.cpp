// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <cmath>
#include <string>
#include <utility>

#include "abjad.h"
#include "check.h"
#include "events.h"
#include "name_list.h"
#include "planets.h"

namespace delvarin::form {
namespace {

constexpr int kAnsiArabic = 1256;
constexpr std::u16string_view kFaceName = u"IranSansZ";
constexpr std::u16string_view kFontFile = u"iransansz-webfont.ttf";

}  // namespace

Form1::Form1(FrontEnd& frontEnd, ReadAt readAt)
    : frontEnd_(frontEnd),
      controls_(frontEnd, [this](std::size_t row, Event event) { Raise(row, event); }),
      readAt_(readAt) {}

void Form1::Raise(std::size_t row, Event event) {
    for (const EventRow& e : kEvents)
        if (e.row == row && e.event == event) e.handler(*this);
}

void Form1::Form_Load() {
    CheckANSICodePage();
    ProvideFace();
    controls_.SetListIndex(Combo1, 0);
    controls_.SelectOption(Option1, 1);
    controls_.SetCheckValue(Check1, 0);
    controls_.SetEnabled(Check1, false);
    controls_.SetBackColour(Text3, layout::kButtonFace);
    controls_.SetBackColour(Text6, layout::kButtonFace);
    controls_.SetEnabled(Text6, false);
    controls_.SetText(Label9, u"");
    FullWidth = static_cast<std::int32_t>(std::lround(controls_.OuterWidth()));
    controls_.SetOuterWidth(layout::kNarrowWidth);
    controls_.SetText(Label13, u"");
    controls_.SetText(Label14, u"");
    if (readAt_ == ReadAt::Load) data_ = &SharedNameData();
}

void Form1::ProvideFace() {
    if (!frontEnd_.HasFont(kFaceName)) frontEnd_.InstalFont(kFontFile);
}

// The warning is the program's only word on the system's setting; start-up
// goes on under it either way.
void Form1::CheckANSICodePage() {
    if (frontEnd_.SystemCodePage() != kAnsiArabic)
        controls_.MsgBox({u"Change 'Language for non-Unicode programs' to Persian!",
                          MessageIcon::Critical, u"Salam"},
                         {});
}

void Form1::Combo1_Click() {
    const int count = controls_.ListCount(Combo2);
    for (int i = 0; i < count; ++i) controls_.RemoveItem(Combo2, 0);
    const auto group = PlanetGroupEntries(controls_.ListIndex(Combo1));
    if (!group) return;
    for (std::size_t i = 0; i < group->labels.size(); ++i) {
        controls_.AddItem(Combo2, group->labels[i]);
        if (static_cast<int>(i) == group->selected)
            controls_.SetListIndex(Combo2, controls_.NewIndex(Combo2));
    }
}

void Form1::Combo2_Click() {
    const auto entry = FindPlanet(controls_.List(Combo2, controls_.ListIndex(Combo2)));
    controls_.SetText(Label9, entry ? entry->description : u"");
}

bool Form1::ConvertLetters() const {
    return !controls_.OptionValue(Option1, 0);
}

void Form1::Text2_Change() {
    controls_.SetText(Label13, ValueText(controls_.Text(Text2), ConvertLetters()));
}

void Form1::Text6_Change() {
    controls_.SetText(Label14, ValueText(controls_.Text(Text6), ConvertLetters()));
}

void Form1::Label2_Click() {
    if (controls_.CheckValue(Check1) == 1) {
        controls_.SetBackColour(Text3, layout::kButtonFace);
        controls_.SetBackColour(Text6, layout::kButtonFace);
        controls_.SetEnabled(Text6, false);
        controls_.SetCheckValue(Check1, 0);
        controls_.SetFocus(Text2);
        controls_.SetText(Label14, u"");
    } else {
        controls_.SetBackColour(Text3, layout::kLightYellow);
        controls_.SetBackColour(Text6, layout::kLightYellow);
        controls_.SetEnabled(Text6, true);
        controls_.SetCheckValue(Check1, 1);
        controls_.SetFocus(Text6);
    }
}

void Form1::Label3_Click() {
    controls_.SelectOption(Option1, 0);
}

void Form1::Label5_Click() {
    controls_.SelectOption(Option1, 1);
}

void Form1::Label11_Click() {
    controls_.SelectOption(Option2, 0);
    Option2_Click(0);
}

void Form1::Label12_Click() {
    controls_.SelectOption(Option2, 1);
    Option2_Click(1);
}

void Form1::Option2_Click(int) {}

void Form1::Command2_Click() {
    if (!CheckComplete()) return;
    const float width = static_cast<float>(controls_.OuterWidth());
    if (static_cast<double>(width) != FullWidth) {
        for (float counter = width; counter <= static_cast<float>(FullWidth - 1);
             counter += layout::kWideningStep)
            controls_.SetOuterWidth(static_cast<float>(controls_.OuterWidth()) +
                                    layout::kWideningStep);
        controls_.SetOuterWidth(FullWidth);
    }
    controls_.SetTimerEnabled(true);
}

void Form1::Timer1_Timer() {
    controls_.SetTimerEnabled(false);
    MakeNameList();
}

bool Form1::CheckComplete() {
    const CheckStatus status = delvarin::CheckComplete(
        controls_.Text(Text2), controls_.OptionValue(Option2, 0), controls_.OptionValue(Option2, 1),
        controls_.Text(Text6), controls_.CheckValue(Check1));
    switch (status) {
        case CheckStatus::MayProceed:
            return true;
        case CheckStatus::MotherNotPersian:
        case CheckStatus::NoGender:
        case CheckStatus::PrefixNotPersian:
            controls_.MsgBox({CheckMessage(status)}, {});
            return false;
    }
    return false;
}

void Form1::MakeNameList() {
    controls_.SetPointer(Pointer::Hourglass);
    controls_.SetBackColour(Text5, layout::kButtonFace);
    controls_.SetEnabled(Text5, false);

    PlanetChoice planets{controls_.List(Combo2, controls_.ListIndex(Combo2)), {}};
    for (int i = 0; i < controls_.ListCount(Combo2); ++i)
        planets.entries.push_back(controls_.List(Combo2, i));
    if (!data_) data_ = &SharedNameData();
    NameList list =
        delvarin::MakeNameList(*data_, {
                                           .convertLetters = ConvertLetters(),
                                           .mother = controls_.Text(Text2),
                                           .prefix = controls_.Text(Text6),
                                           .prefixInUse = controls_.CheckValue(Check1) != 0,
                                           .boy = controls_.OptionValue(Option2, 0),
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
            controls_.MsgBox({NameListMessage(list.status)}, [this] { EndBusy(); });
            return;
    }
}

void Form1::EndBusy() {
    controls_.SetPointer(Pointer::Default);
    controls_.SetBackColour(Text5, layout::kLightYellow);
    controls_.SetEnabled(Text5, true);
    controls_.ScrollToStart(Text5);
}

// Writes the list ten lines at a time, showing the box after the first line
// and after every tenth, so a parent sees it grow.
void Form1::ShowList(std::u16string_view all) {
    controls_.SetText(Text5, u"");
    std::size_t written = 0;
    std::size_t at = 0;
    for (int k = 0;; ++k) {
        const std::size_t end = all.find(u"\r\n", at);
        if (end == std::u16string_view::npos) break;
        at = end + 2;
        if (k % layout::kRepaintEvery == 0) {
            controls_.AppendText(Text5, all.substr(written, at - written));
            written = at;
            controls_.Refresh(Text5);
        }
    }
    controls_.AppendText(Text5, all.substr(written));
}

void Form1::Image2_Click() {
    frontEnd_.OpenAddress(layout::kBlogArticleAddress);
}

void Form1::Label8_Click() {
    frontEnd_.OpenAddress(layout::kHomePageAddress);
}

}  // namespace delvarin::form
