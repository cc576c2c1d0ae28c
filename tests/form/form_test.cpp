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
#include "form1.h"
#include "name_list.h"
#include "planets.h"

namespace delvarin::form {
namespace {

using enum Control;
using layout::kButtonFace;
using layout::kLightYellow;

class FakeToolkit : public Toolkit {
public:
    struct Shown {
        std::u16string text, title;
        MessageIcon icon;
        std::function<void()> then;
    };
    struct Repaint {
        std::size_t lines;
        bool enabled;
        layout::Colour back;
        Pointer pointer;
    };

    Form1* form = nullptr;
    std::map<Control, std::u16string> text{{Text6, std::u16string(kDefaultPrefix)}};
    std::map<Control, layout::Colour> back;
    std::map<Control, bool> enabled;
    Control focus = Text2;
    std::array<std::vector<std::u16string>, 2> items;
    std::array<int, 2> chosen{-1, -1};
    std::array<std::array<bool, 2>, 2> options{};
    int check = 0;
    double outer = 6255;
    std::vector<double> widths;
    Pointer pointer = Pointer::Default;
    bool timer = false;
    bool scrolledToStart = false;
    int codePage = 1256;
    bool fontInstalled = true;
    std::u16string installedFont;
    std::vector<Shown> messages;
    std::vector<Repaint> repaints;
    std::vector<std::string> opened;

    std::u16string Text(Control box) const override {
        return text.contains(box) ? text.at(box) : u"";
    }
    void SetText(Control c, std::u16string_view t) override {
        text[c] = t;
        scrolledToStart = false;
    }
    void AppendText(Control box, std::u16string_view t) override { text[box] += t; }
    void Refresh(Control box) override {
        const std::u16string& t = text[box];
        repaints.push_back({static_cast<std::size_t>(std::count(t.begin(), t.end(), u'\n')),
                            IsEnabled(box), back[box], pointer});
    }
    void ScrollToStart(Control) override { scrolledToStart = true; }
    void SetBackColour(Control c, layout::Colour colour) override { back[c] = colour; }
    void SetEnabled(Control c, bool on) override { enabled[c] = on; }
    void SetFocus(Control c) override { focus = c; }
    int ListCount(Control list) const override { return static_cast<int>(Items(list).size()); }
    std::u16string List(Control list, int index) const override {
        return index >= 0 && index < ListCount(list) ? Items(list)[static_cast<std::size_t>(index)]
                                                     : u"";
    }
    void AddItem(Control list, std::u16string_view item) override {
        Items(list).emplace_back(item);
    }
    void RemoveItem(Control list, int index) override {
        Items(list).erase(Items(list).begin() + index);
        if (Chosen(list) >= ListCount(list)) Chosen(list) = -1;
    }
    int NewIndex(Control list) const override { return ListCount(list) - 1; }
    int ListIndex(Control list) const override { return chosen[list == Combo2]; }
    void SetListIndex(Control list, int index) override {
        if (Chosen(list) == index) return;
        Chosen(list) = index;
        list == Combo1 ? form->Combo1_Click() : form->Combo2_Click();
    }
    bool OptionValue(Control group, int member) const override {
        return options[group == Option2][static_cast<std::size_t>(member)];
    }
    void SelectOption(Control group, int member) override {
        options[group == Option2] = {member == 0, member == 1};
    }
    int CheckValue(Control) const override { return check; }
    void SetCheckValue(Control, int value) override { check = value; }
    double OuterWidth() const override { return outer; }
    void SetOuterWidth(double twips) override {
        outer = twips;
        widths.push_back(twips);
    }
    void SetPointer(Pointer p) override { pointer = p; }
    void SetTimerEnabled(bool on) override { timer = on; }
    void MsgBox(const Message& m, std::function<void()> then) override {
        messages.push_back({std::u16string(m.text), std::u16string(m.title), m.icon, then});
    }
    void OpenAddress(std::string_view address) override { opened.emplace_back(address); }
    int SystemCodePage() const override { return codePage; }
    bool HasFont(std::u16string_view face) const override {
        return fontInstalled && face == u"IranSansZ";
    }
    void InstalFont(std::u16string_view file) override { installedFont = file; }

    bool IsEnabled(Control c) const { return !enabled.contains(c) || enabled.at(c); }
    // A tick of Timer1, as the toolkit's timer gives it while enabled.
    bool Tick() {
        if (!timer) return false;
        form->Timer1_Timer();
        return true;
    }

private:
    std::vector<std::u16string>& Items(Control list) { return items[list == Combo2]; }
    const std::vector<std::u16string>& Items(Control list) const { return items[list == Combo2]; }
    int& Chosen(Control list) { return chosen[list == Combo2]; }
};

class FormTest : public testing::Test {
protected:
    void SetUp() override {
        tk.form = &form;
        form.Form_Load();
    }
    void Type(Control box, std::u16string_view t) {
        tk.text[box] = t;
        box == Text2 ? form.Text2_Change() : form.Text6_Change();
    }
    // The mother, a son, the Sun: 266 lines.
    void AskForSonUnderTheSun() {
        Type(Text2, u"مريم");
        form.Label11_Click();
        tk.SetListIndex(Combo1, 1);
        form.Command2_Click();
    }

    FakeToolkit tk;
    Form1 form{tk, ReadAt::FirstList};
};

TEST_F(FormTest, StartsNarrowWithTheFirstGroupAndThePrefixOff) {
    EXPECT_EQ(tk.chosen, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(tk.items[1].size(), 7u);
    EXPECT_EQ(tk.items[1][0], u"همه موارد");
    EXPECT_EQ(tk.options[0], (std::array<bool, 2>{false, true}));
    EXPECT_EQ(tk.options[1], (std::array<bool, 2>{false, false}));
    EXPECT_EQ(tk.check, 0);
    EXPECT_FALSE(tk.IsEnabled(Check1));
    EXPECT_FALSE(tk.IsEnabled(Text6));
    EXPECT_EQ(tk.back[Text3], kButtonFace);
    EXPECT_EQ(tk.back[Text6], kButtonFace);
    for (Control label : {Label9, Label13, Label14})
        EXPECT_EQ(tk.text[label], u"") << NameOf(label);
    EXPECT_EQ(form.FullWidth, 6255);
    EXPECT_EQ(tk.widths, std::vector<double>{3300});
    EXPECT_TRUE(tk.messages.empty());
    EXPECT_TRUE(tk.installedFont.empty());
}

TEST(FormStartUp, WarnsOfTheCodePageAndInstallsAMissingFaceThenStartsTheSame) {
    FakeToolkit tk;
    Form1 form(tk, ReadAt::FirstList);
    tk.form = &form;
    tk.codePage = 1252;
    tk.fontInstalled = false;
    form.Form_Load();
    ASSERT_EQ(tk.messages.size(), 1u);
    EXPECT_EQ(tk.messages[0].title, u"Salam");
    EXPECT_EQ(tk.messages[0].text, u"Change 'Language for non-Unicode programs' to Persian!");
    EXPECT_EQ(tk.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(tk.installedFont, u"iransansz-webfont.ttf");
    EXPECT_EQ(tk.outer, 3300);
    EXPECT_EQ(tk.items[1].size(), 7u);
}

TEST_F(FormTest, ValueLabelsFollowTheTextUnderTheTableInForce) {
    Type(Text2, u"علي");
    EXPECT_EQ(tk.text[Label13], u"110");
    form.Label3_Click();  // delete پژگچ
    Type(Text2, u"پژمان");
    EXPECT_EQ(tk.text[Label13], u"91");
    form.Label5_Click();  // stands until the text changes
    EXPECT_EQ(tk.text[Label13], u"91");
    Type(Text2, u"پژمان");
    EXPECT_EQ(tk.text[Label13], u"100");
    Type(Text6, u"سيدا");
    EXPECT_EQ(tk.text[Label14], u"75");
    Type(Text2, u"");
    EXPECT_EQ(tk.text[Label13], u"0");
}

TEST_F(FormTest, PrefixSwitchBothWaysWithItsColoursAndFocus) {
    form.Label2_Click();
    EXPECT_EQ(tk.check, 1);
    EXPECT_TRUE(tk.IsEnabled(Text6));
    EXPECT_EQ(tk.back[Text3], kLightYellow);
    EXPECT_EQ(tk.back[Text6], kLightYellow);
    EXPECT_EQ(tk.focus, Text6);
    Type(Text6, u"سيدا");
    form.Label2_Click();
    EXPECT_EQ(tk.check, 0);
    EXPECT_FALSE(tk.IsEnabled(Text6));
    EXPECT_EQ(tk.back[Text3], kButtonFace);
    EXPECT_EQ(tk.back[Text6], kButtonFace);
    EXPECT_EQ(tk.focus, Text2);
    EXPECT_EQ(tk.text[Label14], u"");
    EXPECT_EQ(tk.text[Text6], u"سيدا");  // kept for the next time
}

TEST_F(FormTest, OptionLabelsSelectTheirMemberOnly) {
    form.Label12_Click();
    EXPECT_EQ(tk.options[1], (std::array<bool, 2>{false, true}));
    form.Label11_Click();
    EXPECT_EQ(tk.options[1], (std::array<bool, 2>{true, false}));
    form.Label3_Click();
    EXPECT_EQ(tk.options[0], (std::array<bool, 2>{true, false}));
    EXPECT_EQ(tk.options[1], (std::array<bool, 2>{true, false}));
    form.Label5_Click();
    EXPECT_EQ(tk.options[0], (std::array<bool, 2>{false, true}));
    EXPECT_EQ(tk.outer, 3300);
    EXPECT_TRUE(tk.messages.empty());
}

TEST_F(FormTest, EachGroupFillsThePlanetListAndEachEntryItsDescription) {
    struct Case {
        int group;
        std::size_t entries;
        std::u16string_view chosen, description;
    };
    for (const Case& c : {
             Case{1, 1, u"شمس (اسد)",
                  u"طبع: ناري، روز: يكشنبه، ماه: جمادي‌الآخر"},
             Case{2, 3, u"همه موارد", u""},
             Case{3, 4, u"همه موارد", u""},
             Case{0, 7, u"همه موارد", u""},
         }) {
        tk.SetListIndex(Combo1, c.group);
        EXPECT_EQ(tk.items[1].size(), c.entries) << c.group;
        EXPECT_EQ(tk.List(Combo2, tk.chosen[1]), c.chosen) << c.group;
        EXPECT_EQ(tk.text[Label9], c.description) << c.group;
    }
    tk.SetListIndex(Combo1, 2);
    tk.SetListIndex(Combo2, 2);
    EXPECT_EQ(tk.text[Label9],
              u"طبع: آبي، روز: پنجشنبه، ماه: ذي‌الحجه");
    // The chosen group again is no change: the planet and its words stay.
    tk.SetListIndex(Combo1, 2);
    EXPECT_EQ(tk.chosen[1], 2);
    EXPECT_EQ(tk.text[Label9],
              u"طبع: آبي، روز: پنجشنبه، ماه: ذي‌الحجه");
    tk.SetListIndex(Combo2, 0);
    EXPECT_EQ(tk.text[Label9], u"");
}

TEST_F(FormTest, RefusalsComeOneAtATimeInOrderAndChangeNothing) {
    const std::u16string before = tk.text[Text5];
    auto press = [&] {
        tk.messages.clear();
        form.Command2_Click();
        EXPECT_EQ(tk.outer, 3300);
        EXPECT_FALSE(tk.timer);
        EXPECT_EQ(tk.text[Text5], before);
        return tk.messages.size() == 1 ? tk.messages[0].text : std::u16string(u"(none)");
    };
    EXPECT_EQ(press(), CheckMessage(CheckStatus::MotherNotPersian));
    Type(Text2, u"Maryam");
    EXPECT_EQ(press(), CheckMessage(CheckStatus::MotherNotPersian));
    Type(Text2, u"مريم");
    EXPECT_EQ(press(), CheckMessage(CheckStatus::NoGender));
    form.Label12_Click();
    form.Label2_Click();
    Type(Text6, u"");
    EXPECT_EQ(press(), CheckMessage(CheckStatus::PrefixNotPersian));
    EXPECT_EQ(tk.messages[0].title, u"");
    EXPECT_EQ(tk.messages[0].icon, MessageIcon::None);
}

TEST_F(FormTest, APressWidensByExactStepsAndTwoPressesMakeOneList) {
    tk.widths.clear();
    AskForSonUnderTheSun();
    ASSERT_EQ(tk.widths.size(), 31u);
    for (std::size_t i = 0; i < 30; ++i) EXPECT_EQ(tk.widths[i], 3400 + 100.0 * i) << i;
    EXPECT_EQ(tk.widths.back(), 6255);
    EXPECT_TRUE(tk.timer);
    form.Command2_Click();  // the window is wide: no step, the timer runs on
    EXPECT_EQ(tk.widths.size(), 31u);
    EXPECT_TRUE(tk.Tick());
    EXPECT_FALSE(tk.Tick());
    EXPECT_EQ(tk.repaints.size(), 27u);
}

TEST_F(FormTest, TheListIsWrittenTenLinesAtATimeUnderTheBusyState) {
    AskForSonUnderTheSun();
    ASSERT_TRUE(tk.Tick());
    const NameList expected = MakeNameList(
        SharedNameData(),
        {.mother = u"مريم", .prefixInUse = false, .boy = true, .planets = GroupChoice(1)});
    EXPECT_EQ(tk.text[Text5], expected.text);
    EXPECT_EQ(form.LineIndices(), expected.indices);
    // Repainted after the first line, the eleventh, ... the 261st of 266.
    ASSERT_EQ(tk.repaints.size(), 27u);
    for (std::size_t i = 0; i < tk.repaints.size(); ++i) {
        EXPECT_EQ(tk.repaints[i].lines, 10 * i + 1) << i;
        EXPECT_FALSE(tk.repaints[i].enabled);
        EXPECT_EQ(tk.repaints[i].back, kButtonFace);
        EXPECT_EQ(tk.repaints[i].pointer, Pointer::Hourglass);
    }
    EXPECT_TRUE(tk.IsEnabled(Text5));
    EXPECT_EQ(tk.back[Text5], kLightYellow);
    EXPECT_EQ(tk.pointer, Pointer::Default);
    EXPECT_TRUE(tk.scrolledToStart);
}

TEST_F(FormTest, APlanetNotFoundKeepsTheBoxBusyUntilItsMessageCloses) {
    Type(Text2, u"مريم");
    form.Label11_Click();
    tk.AddItem(Combo2, u"مريخ (حمل)");
    tk.SetListIndex(Combo2, tk.NewIndex(Combo2));
    form.Command2_Click();
    const std::u16string before = tk.text[Text5];
    ASSERT_TRUE(tk.Tick());
    ASSERT_EQ(tk.messages.size(), 1u);
    EXPECT_EQ(tk.messages[0].text, NameListMessage(NameListStatus::PlanetNotFound));
    EXPECT_FALSE(tk.IsEnabled(Text5));
    EXPECT_EQ(tk.pointer, Pointer::Hourglass);
    tk.messages[0].then();
    EXPECT_TRUE(tk.IsEnabled(Text5));
    EXPECT_EQ(tk.back[Text5], kLightYellow);
    EXPECT_EQ(tk.pointer, Pointer::Default);
    EXPECT_EQ(tk.text[Text5], before);
}

TEST_F(FormTest, LinksOpenTheirAddresses) {
    form.Image2_Click();
    form.Label8_Click();
    EXPECT_EQ(tk.opened, (std::vector<std::string>{"http://blog.delvarin.example/Posts/272",
                                                   "http://www.delvarin.example"}));
}

}  // namespace
}  // namespace delvarin::form
