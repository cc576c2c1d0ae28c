// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QFontInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <sys/stat.h>

#include <string>

#include "layout.h"
#include "platform.h"
#include "window_fixture.h"

namespace delvarin {
namespace {

using test::MessageRecorder;
using test::WindowTest;

class FormLayout : public WindowTest {};

TEST_F(FormLayout, ColumnsAndFramingBoxesHoldTogether) {
    // The design's anchors, in logical pixels: 15 twips each.
    EXPECT_EQ(window->Text5->geometry(), QRect(224, 32, 181, 393));
    EXPECT_EQ(window->Text2->geometry(), QRect(10, 160, 129, 25));
    EXPECT_EQ(window->Line1->geometry(), QRect(215, -3, 2, 443));
    EXPECT_EQ(window->Line2->geometry(), QRect(-3, 260, 217, 2));
    // Each input sits inside its light-yellow framing box.
    EXPECT_TRUE(window->Text1->geometry().contains(window->Text2->geometry()));
    EXPECT_TRUE(window->Text3->geometry().contains(window->Text6->geometry()));
    // The photograph's labels and hot spot lie on it.
    for (QWidget* onPhoto :
         {static_cast<QWidget*>(window->Label4[0]), static_cast<QWidget*>(window->Label4[1]),
          static_cast<QWidget*>(window->Label8)})
        EXPECT_TRUE(window->Image1->geometry().contains(onPhoto->geometry()));
    // Every control starts left of the dividing line or beyond the narrowed
    // window; the four option controls sit in the frame.
    const int divide = window->Line1->geometry().left();
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        const layout::ControlRow& row = layout::kRows[i];
        const QWidget* w =
            window->findChild<QWidget*>(QString::fromLatin1(row.name.data(), row.name.size()));
        if (row.kind == layout::Kind::Timer) {
            EXPECT_EQ(w, nullptr);
            continue;
        }
        ASSERT_NE(w, nullptr) << row.name;
        EXPECT_EQ(w->parentWidget() == window->Frame1, row.inFrame) << row.name;
        if (row.kind == layout::Kind::Line || row.inFrame) continue;
        const QRect g = w->geometry();
        EXPECT_TRUE(g.left() < divide || g.left() >= 220) << row.name;
    }
}

TEST_F(FormLayout, FrontToBackOrder) {
    // A later sibling is drawn over an earlier one.
    auto over = [&](QWidget* front, QWidget* back) {
        const QObjectList& siblings = window->client()->children();
        return siblings.indexOf(front) > siblings.indexOf(back);
    };
    EXPECT_TRUE(over(window->Text2, window->Text1));
    EXPECT_TRUE(over(window->Text6, window->Text3));
    EXPECT_TRUE(over(window->Label4[0], window->Image1));
    EXPECT_TRUE(over(window->Label4[1], window->Image1));
    EXPECT_TRUE(over(window->Label8, window->Image1));
    EXPECT_TRUE(over(window->Check1, window->Label2));
}

TEST_F(FormLayout, CaptionsFontsAndColours) {
    // Each caption as its row of the table gives it.
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        const layout::ControlRow& row = layout::kRows[i];
        if (row.kind != layout::Kind::CommandButton && row.name != "Label10" &&
            !row.name.starts_with("Label4"))
            continue;
        const auto* w = window->findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(w, nullptr) << row.name;
        const QString shown = w->property("text").toString();
        EXPECT_EQ(widgets::ToText(shown), row.text) << row.name;
    }
    EXPECT_EQ(window->windowTitle(), widgets::ToQString(layout::kWindowTitle));
    EXPECT_EQ(window->Text5->textValue(), layout::RowId("Text5").row().text);
    EXPECT_EQ(window->Combo1->count(),
              static_cast<int>(layout::RowId("Combo1").row().items.size()));

    // The face really draws the text, registered from the file if need be.
    for (QWidget* w :
         {static_cast<QWidget*>(window->Text2), static_cast<QWidget*>(window->Label9),
          static_cast<QWidget*>(window->Command2), static_cast<QWidget*>(window->Text5)})
        EXPECT_EQ(QFontInfo(w->font()).family(), "IranSansZ") << w->objectName().toStdString();
    // A face the system lacks is drawn in the family Qt itself would take.
    for (const layout::Face face : {layout::Face::Arial, layout::Face::Verdana}) {
        const QString name = QString::fromLatin1(layout::kFaceNames[static_cast<int>(face)]);
        EXPECT_EQ(QFontInfo(QFont(FamilyOf(face))).family(), QFontInfo(QFont(name)).family())
            << name.toStdString();
    }
    EXPECT_DOUBLE_EQ(window->Command2->font().pointSizeF(), 9);
    EXPECT_DOUBLE_EQ(window->Label13->font().pointSizeF(), 8.25);
    EXPECT_EQ(window->Label11->layoutDirection(), Qt::RightToLeft);
    const QColor lightYellow(255, 255, 192), darkRed(192, 0, 0);
    EXPECT_EQ(window->Text2->palette().color(QPalette::Base), lightYellow);
    EXPECT_EQ(window->Text2->palette().color(QPalette::Text), darkRed);
    EXPECT_EQ(window->Text1->palette().color(QPalette::Disabled, QPalette::Base), lightYellow);
    EXPECT_EQ(window->Label13->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(window->Label4[0]->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_FALSE(window->Label8->autoFillBackground());

    // The pictures, decoded while the window was built, are in place; the
    // icon has one full-colour picture a size.
    EXPECT_EQ(window->Image1->pixmap().deviceIndependentSize().toSize(), window->Image1->size());
    EXPECT_FALSE(window->Image2->pixmap().isNull());
    const QList<QSize> iconSizes = window->windowIcon().availableSizes();
    EXPECT_EQ(iconSizes.size(), 6);
    for (int side : {16, 24, 32, 48, 64, 128}) EXPECT_TRUE(iconSizes.contains(QSize(side, side)));
}

TEST_F(FormLayout, BoxesAndLists) {
    EXPECT_FALSE(window->Text2->hasFrame());
    EXPECT_FALSE(window->Text6->hasFrame());
    EXPECT_FALSE(window->Text1->isEnabled());
    EXPECT_FALSE(window->Text3->isEnabled());
    EXPECT_TRUE(window->Text5->isReadOnly());
    EXPECT_EQ(window->Text5->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(window->Text5->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(window->Text5->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_FALSE(window->Combo1->isEditable());
    EXPECT_FALSE(window->Combo2->isEditable());
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(window->Timer1->interval(), 500);
    EXPECT_EQ(window->Text2->accessibleName(), "نام مادر:");
    EXPECT_EQ((*window->Option2)(0)->accessibleName(), "فرزند پسر");
}

TEST_F(FormLayout, OptionGroupsAreSeparate) {
    click((*window->Option2)(1));
    click((*window->Option1)(0));
    EXPECT_TRUE((*window->Option1)(0)->isChecked());
    EXPECT_FALSE((*window->Option1)(1)->isChecked());
    EXPECT_TRUE((*window->Option2)(1)->isChecked());
    click((*window->Option2)(0));
    EXPECT_FALSE((*window->Option2)(1)->isChecked());
    EXPECT_TRUE((*window->Option1)(0)->isChecked());
}

// A caption that starts with "««" reads from the right, as a Persian line:
// drawn as a plain Qt button draws it, the marks would end the caption.
TEST_F(FormLayout, CommandCaptionReadsRightToLeft) {
    auto plainButton = [&](const QString& caption) {
        QPushButton button(caption);
        button.setFont(window->Command2->font());
        button.setLayoutDirection(Qt::RightToLeft);
        button.resize(window->Command2->size());
        return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage shown = window->Command2->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString caption = window->Command2->text();
    EXPECT_NE(shown, plainButton(caption));
    // A right-to-left mark in front makes Qt set the caption as one Persian run.
    EXPECT_EQ(shown, plainButton(QChar(0x200F) + caption));
}

TEST_F(FormLayout, RealMessageBoxesShowTheirWholeTitleInThePersianFace) {
    widgets::SetMessageBoxShower({});
    QString family, button;
    int width = 0;
    bool iconHeard = true;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        family = QFontInfo(box->font()).family();
        width = box->width();
        button = box->findChild<QPushButton*>()->text();
        // The empty place of the icon is no part of what a screen reader reads.
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(box);
        iconHeard = false;
        for (int i = 0; i < tree->childCount(); ++i)
            if (tree->child(i)->object()->objectName() == "qt_msgboxex_icon_label")
                iconHeard = true;
        box->close();
    });
    widgets::MsgBox(window.get(), u"سلام");  // a text much shorter than the title
    EXPECT_EQ(family, "IranSansZ");
    EXPECT_EQ(button, widgets::ToQString(layout::kMessageButton));
    EXPECT_FALSE(iconHeard);
    const int title = QFontMetrics(QApplication::font()).horizontalAdvance("Delvarin Chooser");
    EXPECT_GT(width, title + 60);
}

TEST_F(FormLayout, TabOrderFollowsTheTabIndices) {
    auto chain = [&] {
        std::vector<QWidget*> stops;
        QWidget* w = window->Text2;
        for (int i = 0; i < 8; ++i) {
            do {
                w = w->nextInFocusChain();
            } while (!(w->isEnabled() && w->focusPolicy() & Qt::TabFocus));
            stops.push_back(w);
        }
        return stops;
    };
    // Text6 and Check1 are disabled at start; each option group is one stop,
    // its selected member or, while none is, its first. The result box and
    // the help picture are stops only once the window shows them; the two
    // links come last.
    const std::vector<QWidget*> opened{(*window->Option2)(0), (*window->Option1)(1), window->Combo1,
                                       window->Combo2,        window->Command2,      window->Label8,
                                       window->Text2,         (*window->Option2)(0)};
    EXPECT_EQ(chain(), opened);
    EXPECT_TRUE(window->Text2->hasFocus());
    click(window->Label12);
    click(window->Label3);
    EXPECT_EQ(chain()[0], (*window->Option2)(1));
    EXPECT_EQ(chain()[1], (*window->Option1)(0));
    window->setOuterWidth(window->form().FullWidth);
    const std::vector<QWidget*> widened = chain();
    EXPECT_EQ(
        std::vector<QWidget*>(widened.begin() + 4, widened.end()),
        (std::vector<QWidget*>{window->Command2, window->Text5, window->Image2, window->Label8}));
}

class FormStartUp : public WindowTest {};

TEST_F(FormStartUp, StateWhenTheWindowOpens) {
    // The offscreen platform draws a frame of its own, two pixels a side: the
    // narrowed window includes it, and the full width adds it to the design.
    const QMargins frame = window->windowHandle()->frameMargins();
    ASSERT_GT(frame.left(), 0);
    EXPECT_EQ(window->outerWidth(), 3300);
    EXPECT_EQ(window->width() + frame.left() + frame.right(), 220);
    EXPECT_EQ(window->form().FullWidth, 6195 + 15 * (frame.left() + frame.right()));
    // The rest of the opening state is the contract's.
    EXPECT_EQ(window->Text3->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Button));
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(SharedNameData().names.name(6174), u"شداد");
    // The result column lies beyond the narrowed window.
    EXPECT_GE(window->Text5->x(), window->width());
    EXPECT_GE(window->Image2->x(), window->width());
    EXPECT_TRUE(messages.calls.empty());
}

// What a screen reader hears: every control that takes input or acts by its
// caption, or by what it opens; the value labels tied to their boxes; the
// framing boxes, lines and photograph not at all.
TEST_F(FormLayout, ScreenReadersHearEveryControlByItsCaption) {
    auto heard = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w);
    };
    const std::vector<std::tuple<QWidget*, QString, QAccessible::Role>> controls{
        {window->Text2, "نام مادر:", QAccessible::EditableText},
        {window->Text6, "پيشوند نام:", QAccessible::EditableText},
        {window->Check1, "پيشوند نام:", QAccessible::CheckBox},
        {(*window->Option2)(0), "فرزند پسر", QAccessible::RadioButton},
        {(*window->Option2)(1), "فرزند دختر", QAccessible::RadioButton},
        {(*window->Option1)(0), "حذف حروف فارسي «پژگچ»", QAccessible::RadioButton},
        {(*window->Option1)(1), "تبديل «پژگچ» به «بزكج»", QAccessible::RadioButton},
        {window->Combo1, "طالع:", QAccessible::ComboBox},
        {window->Combo2, "كوكب:", QAccessible::ComboBox},
        {window->Command2, window->Command2->text(), QAccessible::Button},
        {window->Text5, "نام‌هاي پيشنهادي:", QAccessible::EditableText},
        {window->Image2, widgets::ToQString(layout::RowId("Image2").row().spokenName),
         QAccessible::Link},
        {window->Label8, widgets::ToQString(layout::RowId("Label8").row().spokenName),
         QAccessible::Link},
    };
    for (const auto& [w, name, role] : controls) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(heard(w)->text(QAccessible::Name), name);
        EXPECT_EQ(heard(w)->role(), role);
    }
    EXPECT_EQ(heard(window->Combo1)->text(QAccessible::Value), "سعد (همه موارد)");
    EXPECT_TRUE(heard(window->Image2)
                    ->actionInterface()
                    ->actionNames()
                    .contains(QAccessibleActionInterface::pressAction()));
    const auto labels = heard(window->Text2)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->object(), window->Label1);

    type(window->Text2, "مريم");
    QAccessibleInterface* value = heard(window->Label13);
    EXPECT_EQ(value->text(QAccessible::Name), "290");
    EXPECT_EQ(value->text(QAccessible::Description), "عدد ابجد نام مادر");
    const auto controller = value->relations(QAccessible::Controller);
    ASSERT_EQ(controller.size(), 1);
    EXPECT_EQ(controller[0].first->object(), window->Text2);

    QAccessibleInterface* client = heard(window->client());
    std::vector<QObject*> spoken;
    for (int i = 0; i < client->childCount(); ++i) spoken.push_back(client->child(i)->object());
    for (QWidget* unseen :
         {static_cast<QWidget*>(window->Text1), static_cast<QWidget*>(window->Text3),
          static_cast<QWidget*>(window->Line1), static_cast<QWidget*>(window->Image1)})
        EXPECT_EQ(std::count(spoken.begin(), spoken.end(), unseen), 0);
    EXPECT_EQ(std::count(spoken.begin(), spoken.end(), window->Text2), 1);
}

TEST_F(FormLayout, HoldingAltShowsThePrefixKey) {
    auto* tip = window->findChild<QLabel*>("KeyTip");
    ASSERT_NE(tip, nullptr);
    EXPECT_FALSE(tip->isVisible());
    QTest::keyPress(window->Text2, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), "Alt+P");
    // Whole, just above the prefix's label.
    EXPECT_GE(tip->width(), tip->sizeHint().width());
    EXPECT_EQ(tip->geometry().bottom() + 1, window->Label2->y());
    QTest::keyRelease(window->Text2, Qt::Key_Alt);
    EXPECT_FALSE(tip->isVisible());
    EXPECT_TRUE(window->Text2->accessibleDescription().contains("Alt+P"));
}

TEST(CodePageWarning, NonPersianLocaleWarnsOnceAndStartsTheSame) {
    MessageRecorder messages;
    qputenv("LC_ALL", "en_US.UTF-8");
    Window window;
    window.load();
    qunsetenv("LC_ALL");
    // Its words are the form's test; here, that Qt's locale reaches it.
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].title, "Salam");
    EXPECT_EQ(window.outerWidth(), 3300);
    EXPECT_EQ(window.Combo2->count(), 7);
    EXPECT_EQ(SharedNameData().names.name(1), u"الناز");
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
    Window window;
    window.InstalFont(u"no-such-font.ttf");
    window.load();
    qunsetenv("LC_ALL");
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(window.outerWidth(), 3300);
    EXPECT_EQ(window.Combo2->count(), 7);
    EXPECT_EQ(SharedNameData().names.name(6174), u"شداد");
}

TEST(FontProvisioning, OnlyARegularReadableFileIsRegistered) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("iransansz-webfont.ttf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Opening a pipe for reading would wait for a writer that never comes.
    EXPECT_FALSE(RegisterFontFile(pipe));
    EXPECT_FALSE(RegisterFontFile(dir.path()));
    EXPECT_FALSE(RegisterFontFile(dir.filePath(QStringLiteral("missing.ttf"))));
    EXPECT_TRUE(
        RegisterFontFile(ProgramFilePath(widgets::ProgramFolder(), "iransansz-webfont.ttf")));
}

TEST(FontProvisioning, TheShippedFaceIsFoundOnceRegistered) {
    qputenv("LC_ALL", "fa_IR.UTF-8");
    Window window;
    window.load();
    qunsetenv("LC_ALL");
    // Either the system had it or start-up registered the file beside the program.
    EXPECT_TRUE(window.HasFont(u"IranSansZ"));
    EXPECT_FALSE(window.HasFont(u"iransansz"));
}

}  // namespace
}  // namespace delvarin
