// SPDX-License-Identifier: GPL-3.0-or-later
// The form's handlers against a fake toolkit that keeps each control's state
// and records what a user would see happen: no display, no toolkit.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "check.h"
#include "contract/contract.h"
#include "events.h"
#include "form1.h"
#include "name_list.h"
#include "planets.h"
#include "utf.h"

namespace delvarin::form {
namespace {

using layout::kButtonFace;
using layout::kLightYellow;

// Records what the form shows; the controls' state is the form's own.
class FakeFrontEnd : public FrontEnd {
public:
    struct Shown {
        std::u16string text, title;
        MessageIcon icon;
    };
    struct Repaint {
        std::size_t lines;
        bool enabled;
        layout::Colour back;
        Pointer pointer;
    };

    const Controls* controls = nullptr;
    std::size_t focus = Text2.row;
    std::vector<double> widths;
    Pointer pointer = Pointer::Default;
    bool timerRunning = false;
    bool scrolledToStart = false;
    int codePage = 1256;
    bool fontInstalled = true;
    std::u16string installedFont;
    std::vector<Shown> messages;
    std::vector<Repaint> repaints;
    std::vector<std::string> opened;

    void ShowText(std::size_t, std::u16string_view) override { scrolledToStart = false; }
    void AppendText(std::size_t, std::u16string_view) override {}
    void Repaint(std::size_t row) override {
        const ControlState& s = controls->State(row);
        repaints.push_back(
            {static_cast<std::size_t>(std::count(s.text.begin(), s.text.end(), u'\n')), s.enabled,
             s.back, pointer});
    }
    void ScrollToStart(std::size_t) override { scrolledToStart = true; }
    void ShowBackColour(std::size_t, layout::Colour) override {}
    void ShowEnabled(std::size_t, bool) override {}
    void Focus(std::size_t row) override { focus = row; }
    void ShowItems(std::size_t, const std::vector<std::u16string>&, int) override {}
    void ShowValue(std::size_t, bool) override {}
    void ShowOuterWidth(double twips) override { widths.push_back(twips); }
    void ShowPointer(Pointer p) override { pointer = p; }
    void RunTimer(bool running) override { timerRunning = running; }
    void ShowMessage(const Message& m) override {
        messages.push_back({std::u16string(m.text), std::u16string(m.title), m.icon});
    }
    void OpenAddress(std::string_view address) override { opened.emplace_back(address); }
    double FrameTwips() const override { return 60; }
    int SystemCodePage() const override { return codePage; }
    bool HasFont(std::u16string_view face) const override {
        return fontInstalled && face == u"IranSansZ";
    }
    void InstalFont(std::u16string_view file) override { installedFont = file; }
};

class FormTest : public testing::Test {
protected:
    void SetUp() override {
        fe.controls = &form.controls();
        form.Form_Load();
    }
    const ControlState& At(std::size_t row) const { return form.controls().State(row); }
    const std::u16string& TextOf(std::size_t row) const { return At(row).text; }
    void Type(TextBox box, std::u16string_view t) { form.Report({box.row, Event::Change, 0, t}); }
    void Click(std::size_t row) { form.Report({row, Event::Click}); }
    void Pick(DropDown list, int index) { form.Report({list.row, Event::Click, index}); }
    bool Tick() {
        if (!fe.timerRunning) return false;
        form.Report({kTimer1, Event::Tick});
        return true;
    }
    // The mother, a son, the Sun: 266 lines.
    void AskForSonUnderTheSun() {
        Type(Text2, u"مريم");
        Click(layout::RowIndex("Label11"));
        Pick(Combo1, 1);
        Click(layout::RowIndex("Command2"));
    }

    FakeFrontEnd fe;
    Form1 form{fe, ReadAt::FirstList};
};

TEST_F(FormTest, StartsNarrowWithTheFirstGroupAndThePrefixOff) {
    EXPECT_EQ(At(Combo1.row).chosen, 0);
    EXPECT_EQ(At(Combo2.row).chosen, 0);
    ASSERT_EQ(At(Combo2.row).items.size(), 7u);
    EXPECT_EQ(At(Combo2.row).items[0], u"همه موارد");
    EXPECT_FALSE(At(Option1.rows[0]).value);
    EXPECT_TRUE(At(Option1.rows[1]).value);
    EXPECT_FALSE(At(Option2.rows[0]).value || At(Option2.rows[1]).value);
    EXPECT_FALSE(At(Check1.row).value);
    EXPECT_FALSE(At(Check1.row).enabled);
    EXPECT_FALSE(At(Text6.row).enabled);
    EXPECT_EQ(At(Text3.row).back, kButtonFace);
    EXPECT_EQ(At(Text6.row).back, kButtonFace);
    for (Caption label : {Label9, Label13, Label14}) EXPECT_EQ(TextOf(label.row), u"");
    EXPECT_EQ(form.FullWidth, 6255);
    EXPECT_EQ(fe.widths, std::vector<double>{3300});
    EXPECT_TRUE(fe.messages.empty());
    EXPECT_TRUE(fe.installedFont.empty());
}

TEST(FormStartUp, WarnsOfTheCodePageAndInstallsAMissingFaceThenStartsTheSame) {
    FakeFrontEnd fe;
    Form1 form(fe, ReadAt::FirstList);
    fe.controls = &form.controls();
    fe.codePage = 1252;
    fe.fontInstalled = false;
    form.Form_Load();
    ASSERT_EQ(fe.messages.size(), 1u);
    EXPECT_EQ(fe.messages[0].title, u"Salam");
    EXPECT_EQ(fe.messages[0].text, u"Change 'Language for non-Unicode programs' to Persian!");
    EXPECT_EQ(fe.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(fe.installedFont, u"iransansz-webfont.ttf");
    EXPECT_EQ(form.controls().OuterWidth(), 3300);
    EXPECT_EQ(form.controls().State(Combo2.row).items.size(), 7u);
}

TEST_F(FormTest, ControlRulesHoldWhoeverActs) {
    // A drop-down: the chosen item again is no click; removing the chosen
    // item chooses none; an out-of-range pick is no pick.
    Pick(Combo1, 2);
    Pick(Combo2, 2);
    const std::u16string planet = TextOf(Label9.row);
    EXPECT_NE(planet, u"");
    Pick(Combo1, 2);
    EXPECT_EQ(At(Combo2.row).chosen, 2);
    Pick(Combo2, 9);
    EXPECT_EQ(TextOf(Label9.row), planet);
    // An option group: one member at a time, each group on its own.
    Click(Option2.rows[1]);
    Click(Option1.rows[0]);
    EXPECT_TRUE(At(Option2.rows[1]).value);
    EXPECT_FALSE(At(Option2.rows[0]).value);
    EXPECT_TRUE(At(Option1.rows[0]).value);
    EXPECT_FALSE(At(Option1.rows[1]).value);
    // The check box is off and switched off: a click on it does nothing.
    Click(Check1.row);
    EXPECT_FALSE(At(Check1.row).value);
    // A box's text set to what it holds is no change.
    Type(Text2, u"علي");
    const std::size_t shown = fe.widths.size();
    Type(Text2, u"علي");
    EXPECT_EQ(fe.widths.size(), shown);
}

TEST_F(FormTest, APressWidensByExactStepsAndTwoPressesMakeOneList) {
    fe.widths.clear();
    AskForSonUnderTheSun();
    ASSERT_EQ(fe.widths.size(), 31u);
    for (std::size_t i = 0; i < 30; ++i) EXPECT_EQ(fe.widths[i], 3400 + 100.0 * i) << i;
    EXPECT_EQ(fe.widths.back(), 6255);
    EXPECT_TRUE(fe.timerRunning);
    // The window is wide: no step, and the running timer keeps its period.
    fe.timerRunning = false;  // a restart would show it running again
    Click(layout::RowIndex("Command2"));
    EXPECT_FALSE(fe.timerRunning);
    fe.timerRunning = true;
    EXPECT_EQ(fe.widths.size(), 31u);
    EXPECT_TRUE(Tick());
    EXPECT_FALSE(Tick());
    // A tick that comes after the timer stopped makes nothing.
    form.Report({kTimer1, Event::Tick});
    EXPECT_EQ(fe.repaints.size(), 27u);
}

TEST_F(FormTest, TheListIsWrittenTenLinesAtATimeUnderTheBusyState) {
    AskForSonUnderTheSun();
    ASSERT_TRUE(Tick());
    const NameList expected = MakeNameList(
        SharedNameData(),
        {.mother = u"مريم", .prefixInUse = false, .boy = true, .planets = GroupChoice(1)});
    EXPECT_EQ(TextOf(Text5.row), expected.text);
    EXPECT_EQ(form.LineIndices(), expected.indices);
    // Repainted after the first line, the eleventh, ... the 261st of 266.
    ASSERT_EQ(fe.repaints.size(), 27u);
    for (std::size_t i = 0; i < fe.repaints.size(); ++i) {
        EXPECT_EQ(fe.repaints[i].lines, 10 * i + 1) << i;
        EXPECT_FALSE(fe.repaints[i].enabled);
        EXPECT_EQ(fe.repaints[i].back, kButtonFace);
        EXPECT_EQ(fe.repaints[i].pointer, Pointer::Hourglass);
    }
    EXPECT_TRUE(At(Text5.row).enabled);
    EXPECT_EQ(At(Text5.row).back, kLightYellow);
    EXPECT_EQ(fe.pointer, Pointer::Default);
    EXPECT_TRUE(fe.scrolledToStart);
}

// A planet the table lacks cannot be picked; the form meets one only if a
// list is changed from code, as here.
class ForeignPlanet : public FormTest {
protected:
    void AddItem(DropDown list, std::u16string_view item) {
        const_cast<Controls&>(form.controls()).AddItem(list, item);
    }
};

TEST_F(ForeignPlanet, KeepsTheBoxBusyUntilItsMessageClosesUnderTheNormalPointer) {
    Type(Text2, u"مريم");
    Click(layout::RowIndex("Label11"));
    AddItem(Combo2, u"مريخ (حمل)");
    Pick(Combo2, At(Combo2.row).newIndex);
    Click(layout::RowIndex("Command2"));
    const std::u16string before = TextOf(Text5.row);
    ASSERT_TRUE(Tick());
    ASSERT_EQ(fe.messages.size(), 1u);
    EXPECT_EQ(fe.messages[0].text, NameListMessage(NameListStatus::PlanetNotFound));
    EXPECT_FALSE(At(Text5.row).enabled);
    EXPECT_EQ(fe.pointer, Pointer::Default);  // over the message
    form.Report({kNoRow, Event::Closed});
    EXPECT_TRUE(At(Text5.row).enabled);
    EXPECT_EQ(At(Text5.row).back, kLightYellow);
    EXPECT_EQ(fe.pointer, Pointer::Default);
    EXPECT_EQ(TextOf(Text5.row), before);
}

TEST_F(FormTest, EveryHandlerIsReachedByAnEventAndTabFollowsTheTable) {
    // Each row of the events table names a control that can raise it.
    for (const EventRow& e : kEvents) {
        const Kind kind = layout::kRows[e.row].kind;
        switch (e.event) {
            case Event::Change:
            case Event::Return:
                EXPECT_EQ(kind, Kind::TextBox) << layout::kRows[e.row].name;
                break;
            case Event::Tick:
                EXPECT_EQ(kind, Kind::Timer);
                break;
            case Event::Shortcut:
                EXPECT_NE(e.key, 0);
                break;
            case Event::Click:
            case Event::Closed:
                break;
        }
    }
    std::vector<std::string_view> names;
    for (std::size_t row : TabOrder()) names.push_back(layout::kRows[row].name);
    EXPECT_EQ(names, (std::vector<std::string_view>{
                         "Text2", "Text6", "Option2(0)", "Option2(1)", "Option1(0)", "Option1(1)",
                         "Combo1", "Combo2", "Command2", "Check1", "Text5", "Image2", "Label8"}));
}

// The contract on the form alone: what it gives each control to draw.
class FakeDriver : public contract::Driver {
public:
    FakeDriver() {
        fe.controls = &form.controls();
        form.Form_Load();
    }
    static std::size_t Row(const std::string& name) { return layout::RowIndexOf(name); }
    const ControlState& At(const std::string& name) const {
        return form.controls().State(Row(name));
    }
    void Type(const std::string& box, const std::string& text) override {
        const std::u16string t = *Utf8ToUtf16(text);
        const BoxEdit kept = form.controls().TypedText(Row(box), t, t.size());
        form.Report({Row(box), Event::Change, 0, kept.text});
    }
    void Click(const std::string& c) override { form.Report({Row(c), Event::Click}); }
    void Pick(const std::string& list, int index) override {
        form.Report({Row(list), Event::Click, index});
    }
    void Return(const std::string& box) override { form.Report({Row(box), Event::Return}); }
    void Shortcut(const std::string& c) override { form.Report({Row(c), Event::Shortcut}); }
    void Tick() override {
        ASSERT_TRUE(fe.timerRunning);
        form.Report({kTimer1, Event::Tick});
    }
    void CloseMessage() override { form.Report({kNoRow, Event::Closed}); }
    void Scroll(const std::string&) override { fe.scrolledToStart = false; }
    std::string Text(const std::string& c) override { return Utf16ToUtf8(At(c).text); }
    bool Enabled(const std::string& c) override { return At(c).enabled; }
    std::string Back(const std::string& c) override {
        return At(c).back == kLightYellow ? "yellow" : At(c).back == kButtonFace ? "face" : "?";
    }
    std::string Focus() override { return std::string(layout::kRows[fe.focus].name); }
    bool Value(const std::string& c) override { return At(c).value; }
    std::string Chosen(const std::string& list) override {
        const ControlState& s = At(list);
        return s.chosen < 0 ? "" : Utf16ToUtf8(s.items[static_cast<std::size_t>(s.chosen)]);
    }
    int Items(const std::string& list) override { return static_cast<int>(At(list).items.size()); }
    bool Wide() override { return fe.widths.back() == form.FullWidth; }
    std::vector<std::string> Messages() override {
        std::vector<std::string> texts;
        for (const auto& m : fe.messages) texts.push_back(Utf16ToUtf8(m.text));
        return texts;
    }
    std::vector<std::string> Opened() override { return fe.opened; }
    std::vector<std::string> Lines() override {
        std::vector<std::string> lines;
        const std::u16string& text = At("Text5").text;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = std::min(text.find(u"\r\n", at), text.size());
            lines.push_back(Utf16ToUtf8(std::u16string_view(text).substr(at, end - at)));
            at = end + 2;
        }
        return lines;
    }
    bool ScrolledToStart(const std::string&) override { return fe.scrolledToStart; }

    FakeFrontEnd fe;
    Form1 form{fe, ReadAt::FirstList};
};

class Contract : public testing::TestWithParam<contract::Case> {};

TEST_P(Contract, OnTheFormAlone) {
    FakeDriver driver;
    contract::Run(driver, GetParam());
}
INSTANTIATE_TEST_SUITE_P(Cases, Contract, testing::ValuesIn(contract::ReadCases()),
                         contract::TestName);

}  // namespace
}  // namespace delvarin::form
