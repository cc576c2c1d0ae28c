// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontInfo>
#include <QPushButton>

#include <string>

#include "form1_layout.h"
#include "platform.h"
#include "window_fixture.h"

namespace delvarin {
namespace {

using test::MessageRecorder;
using test::WindowTest;

class FormLayout : public WindowTest {};

TEST_F(FormLayout, EveryControlStandsWhereTheTableSays) {
    for (const ControlSpec& row : kLayout) {
        const QWidget* w = form->control(row.id);
        if (row.id == Control::Timer1) {
            EXPECT_EQ(w, nullptr);
            continue;
        }
        ASSERT_NE(w, nullptr) << row.name;
        const QRect g = w->geometry();
        if (row.id == Control::Line1) {
            EXPECT_EQ(g, QRect(215, -3, 2, 443)) << row.name;
        } else if (row.id == Control::Line2) {
            EXPECT_EQ(g, QRect(-3, 260, 217, 2)) << row.name;
        } else {
            EXPECT_EQ(g, QRect(vb::Pixels(row.left), vb::Pixels(row.top), vb::Pixels(row.width),
                               vb::Pixels(row.height)))
                << row.name;
        }
    }
    // The four option controls sit inside the frame, the rest on the window.
    for (Control inFrame :
         {Control::Option1_0, Control::Option1_1, Control::Label3, Control::Label5})
        EXPECT_EQ(form->control(inFrame)->parentWidget(), form->Frame1);
    EXPECT_EQ(form->Text2->parentWidget(), form.get());
}

TEST_F(FormLayout, FrontToBackOrder) {
    // A later sibling is drawn over an earlier one.
    auto over = [&](QWidget* front, QWidget* back) {
        const QObjectList& siblings = form->children();
        return siblings.indexOf(front) > siblings.indexOf(back);
    };
    EXPECT_TRUE(over(form->Text2, form->Text1));
    EXPECT_TRUE(over(form->Text6, form->Text3));
    EXPECT_TRUE(over(form->Label4[0], form->Image1));
    EXPECT_TRUE(over(form->Label4[1], form->Image1));
    EXPECT_TRUE(over(form->Label8, form->Image1));
    EXPECT_TRUE(over(form->Check1, form->Label2));
}

TEST_F(FormLayout, CaptionsFontsAndColours) {
    EXPECT_EQ(form->windowTitle(), "Delvarin Chooser");
    EXPECT_EQ(form->Command2->text(), "«« پيشنهاد نام مناسب براي نوزاد");
    EXPECT_EQ(form->Label10->text(), "نام\u200Cهاي پيشنهادي:");
    EXPECT_EQ(form->Label4[0]->text(), "2026");
    EXPECT_EQ(form->Label4[1]->text(), "Ver 3");
    EXPECT_EQ(form->Text5->textValue(),
              u"اين نرم\u200Cافزار با گرفتن\r\nنام مادر و جنسيت\r\nنوزاد، اسم\u200Cهايي را\r\n"
              u"براي فرزند پيشنهاد\r\nمي\u200Cكند كه طالع سعد\r\nداشته باشد!\r\n");
    EXPECT_EQ(form->Combo1->listCount(), 4);
    EXPECT_EQ(form->Combo1->list(3), u"سعد اصغر");

    for (const ControlSpec& row : kLayout) {
        const QWidget* w = form->control(row.id);
        if (!w || row.face != Face::IranSansZ) continue;
        EXPECT_EQ(w->font().family(), "IranSansZ") << row.name;
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), row.points) << row.name;
        // The face really draws the text, registered from the file if need be.
        EXPECT_EQ(QFontInfo(w->font()).family(), "IranSansZ") << row.name;
        EXPECT_EQ(w->layoutDirection(), row.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    }
    const QColor lightYellow(255, 255, 192), darkRed(192, 0, 0);
    EXPECT_EQ(form->Text2->palette().color(QPalette::Base), lightYellow);
    EXPECT_EQ(form->Text2->palette().color(QPalette::Text), darkRed);
    EXPECT_EQ(form->Text1->palette().color(QPalette::Disabled, QPalette::Base), lightYellow);
    EXPECT_EQ(form->Label13->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(form->Label4[0]->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_FALSE(form->Label8->autoFillBackground());
}

TEST_F(FormLayout, BoxesAndLists) {
    for (vb::TextBox* box : {form->Text1, form->Text2, form->Text3, form->Text6})
        EXPECT_EQ(box->maxLength(), 20);
    EXPECT_FALSE(form->Text2->hasFrame());
    EXPECT_FALSE(form->Text6->hasFrame());
    EXPECT_FALSE(form->Text1->isEnabled());
    EXPECT_FALSE(form->Text3->isEnabled());
    EXPECT_TRUE(form->Text5->isReadOnly());
    EXPECT_EQ(form->Text5->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(form->Text5->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(form->Text5->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_FALSE(form->Combo1->isEditable());
    EXPECT_FALSE(form->Combo2->isEditable());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 500);
    EXPECT_EQ(form->Text2->accessibleName(), "نام مادر:");
    EXPECT_EQ((*form->Option2)(0)->accessibleName(), "فرزند پسر");
}

TEST_F(FormLayout, OptionGroupsAreSeparate) {
    click((*form->Option2)(1));
    click((*form->Option1)(0));
    EXPECT_TRUE((*form->Option1)(0)->isChecked());
    EXPECT_FALSE((*form->Option1)(1)->isChecked());
    EXPECT_TRUE((*form->Option2)(1)->isChecked());
    click((*form->Option2)(0));
    EXPECT_FALSE((*form->Option2)(1)->isChecked());
    EXPECT_TRUE((*form->Option1)(0)->isChecked());
}

TEST_F(FormLayout, TabOrderFollowsTheTabIndices) {
    QWidget* expected[] = {form->Text2,         (*form->Option2)(0), (*form->Option2)(1),
                           (*form->Option1)(0), (*form->Option1)(1), form->Combo1,
                           form->Combo2,        form->Command2,      form->Text5};
    // Text6 and Check1 are disabled at start, so the chain skips them.
    QWidget* w = form->Text2;
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        do {
            w = w->nextInFocusChain();
        } while (!(w->isEnabled() && w->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(w, expected[i]) << i;
    }
    EXPECT_TRUE(form->Text2->hasFocus());
}

class FormStartUp : public WindowTest {};

TEST_F(FormStartUp, StateWhenTheWindowOpens) {
    EXPECT_EQ(vb::OuterWidth(form.get()), 3300);
    // The full width is the design client width plus the frame.
    const int frame = form->frameGeometry().width() - form->width();
    EXPECT_EQ(form->FullWidth, 6195 + vb::Twips(frame));
    EXPECT_EQ(form->Combo1->listIndex(), 0);
    EXPECT_EQ(form->Combo2->listCount(), 7);
    EXPECT_EQ(form->Combo2->list(form->Combo2->listIndex()), u"همه موارد");
    EXPECT_EQ(form->Option1->value(1), vb::kTrue);
    EXPECT_EQ(form->Option1->value(0), vb::kFalse);
    EXPECT_EQ(form->Option2->value(0), vb::kFalse);
    EXPECT_EQ(form->Option2->value(1), vb::kFalse);
    EXPECT_EQ(form->Check1->value(), 0);
    EXPECT_FALSE(form->Check1->isEnabled());
    EXPECT_FALSE(form->Text6->isEnabled());
    EXPECT_EQ(form->Text6->textValue(), u"سيد");
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(form->Text6->palette().color(QPalette::Base), buttonFace);
    EXPECT_EQ(form->Text3->palette().color(QPalette::Base), buttonFace);
    EXPECT_TRUE(form->Label9->text().isEmpty());
    EXPECT_TRUE(form->Label13->text().isEmpty());
    EXPECT_TRUE(form->Label14->text().isEmpty());
    EXPECT_TRUE(form->Text2->text().isEmpty());
    EXPECT_TRUE(form->Command2->isEnabled());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->nameData().names.name(6174), u"شداد");
    EXPECT_EQ(form->nameData().signLists.list(SignSet::GirlLists, 5).substr(0, 3), u"|1|");
    // The result column lies beyond the narrowed window.
    EXPECT_GE(form->Text5->x(), form->width());
    EXPECT_GE(form->Image2->x(), form->width());
    EXPECT_TRUE(messages.calls.empty());
}

struct CodePageCase {
    const char* name;
    const char* lcAll;
    const char* lcCtype;
    const char* lang;
    int codePage;
};
void PrintTo(const CodePageCase& c, std::ostream* os) {
    *os << c.name;
}

class CodePage : public testing::TestWithParam<CodePageCase> {
protected:
    void TearDown() override {
        for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) qunsetenv(variable);
    }
};

TEST_P(CodePage, FollowsTheFirstSetLocaleVariable) {
    const CodePageCase& c = GetParam();
    qputenv("LC_ALL", c.lcAll);
    qputenv("LC_CTYPE", c.lcCtype);
    qputenv("LANG", c.lang);
    EXPECT_EQ(SystemCodePage(), c.codePage);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, CodePage,
    testing::Values(CodePageCase{"Persian", "", "", "fa_IR.UTF-8", 1256},
                    CodePageCase{"ArabicWithModifier", "", "", "ar_EG.UTF-8@latin", 1256},
                    CodePageCase{"Urdu", "", "ur_PK", "en_US.UTF-8", 1256},
                    CodePageCase{"Cp1256Codeset", "", "", "xx_YY.CP1256", 1256},
                    CodePageCase{"LcAllWins", "en_GB.UTF-8", "fa_IR.UTF-8", "fa_IR.UTF-8", 1252},
                    CodePageCase{"LcCtypeBeforeLang", "", "fa_IR", "de_DE.UTF-8", 1256},
                    CodePageCase{"Russian", "", "", "ru_RU.UTF-8", 1251},
                    CodePageCase{"Japanese", "", "", "ja_JP.UTF-8", 932},
                    CodePageCase{"TraditionalChinese", "", "", "zh_TW.UTF-8", 950},
                    CodePageCase{"PosixC", "", "", "C", 1252},
                    CodePageCase{"NothingSet", "", "", "", 1252}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodePageWarning, NonPersianLocaleWarnsOnceAndStartsTheSame) {
    MessageRecorder messages;
    qputenv("LC_ALL", "en_US.UTF-8");
    Form1 form;
    form.Form_Load();
    qunsetenv("LC_ALL");
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].title, "Salam");
    EXPECT_EQ(messages.calls[0].text, "Change 'Language for non-Unicode programs' to Persian!");
    EXPECT_EQ(messages.calls[0].icon, vb::MessageIcon::Critical);
    EXPECT_EQ(vb::OuterWidth(&form), 3300);
    EXPECT_EQ(form.Combo2->listCount(), 7);
    EXPECT_EQ(form.nameData().names.name(1), u"الناز");
}

struct FontNamesCase {
    const char* name;
    QStringList installed;
    bool found;
};
void PrintTo(const FontNamesCase& c, std::ostream* os) {
    *os << c.name;
}

class FontNames : public testing::TestWithParam<FontNamesCase> {};

TEST_P(FontNames, SearchTheJoinedNamesForTheFace) {
    EXPECT_EQ(FontNamesHold(GetParam().installed, "IranSansZ"), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FontNames,
    testing::Values(FontNamesCase{"Exact", {"Arial", "IranSansZ", "Tahoma"}, true},
                    FontNamesCase{"TypeSuffix", {"Arial (TrueType)", "IranSansZ (TrueType)"}, true},
                    FontNamesCase{"WordsAround", {"Old IranSansZ Bold"}, true},
                    FontNamesCase{"CaseDiffers", {"iransansz", "IRANSANSZ (TrueType)"}, false},
                    FontNamesCase{"SplitAcrossNames", {"IranSa", "nsZ"}, false},
                    FontNamesCase{"NoFonts", {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FontPath, JoinsFolderAndFileWithOneSeparator) {
    EXPECT_EQ(ProgramFilePath("/usr/lib/delvarin-chooser", "iransansz-webfont.ttf"),
              "/usr/lib/delvarin-chooser/iransansz-webfont.ttf");
    EXPECT_EQ(ProgramFilePath("/", "iransansz-webfont.ttf"), "/iransansz-webfont.ttf");
    EXPECT_EQ(ProgramFilePath("/opt/", "f.ttf"), "/opt/f.ttf");
}

TEST(FontProvisioning, MissingFontFileLeavesStartUpUnaffected) {
    MessageRecorder messages;
    qputenv("LC_ALL", "fa_IR.UTF-8");
    Form1 form;
    form.InstalFont("no-such-font.ttf");
    form.Form_Load();
    qunsetenv("LC_ALL");
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(vb::OuterWidth(&form), 3300);
    EXPECT_EQ(form.Combo2->listCount(), 7);
    EXPECT_EQ(form.nameData().names.name(6174), u"شداد");
}

TEST(FontProvisioning, TheShippedFaceIsFoundOnceRegistered) {
    qputenv("LC_ALL", "fa_IR.UTF-8");
    Form1 form;
    form.Form_Load();
    qunsetenv("LC_ALL");
    // Either the system had it or start-up registered the file beside the program.
    EXPECT_EQ(form.HasFont("IranSansZ"), vb::kTrue);
    EXPECT_EQ(form.HasFont("iransansz"), vb::kFalse);
}

}  // namespace
}  // namespace delvarin
