// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QDesktopServices>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalSpy>

#include <string>

#include "name_list.h"
#include "planets.h"
#include "window_fixture.h"

namespace delvarin {
namespace {

using test::WindowTest;

class ResizeRecorder : public QObject {
public:
    std::vector<double> outerTwips;
    bool eventFilter(QObject* window, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            outerTwips.push_back(static_cast<vb::Form*>(window)->outerWidth());
        return false;
    }
};

// What the result box looked like each time it was painted.
class PaintRecorder : public QObject {
public:
    struct Paint {
        int lines;
        bool enabled;
        Qt::CursorShape pointer;
        QColor base;
    };
    explicit PaintRecorder(vb::MultiLineBox* box) : box_(box) {
        box->viewport()->installEventFilter(this);
    }
    std::vector<Paint> paints;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            paints.push_back({box_->document()->blockCount() - 1, box_->isEnabled(),
                              cursor ? cursor->shape() : Qt::ArrowCursor,
                              box_->palette().color(QPalette::Base)});
        }
        return false;
    }

private:
    vb::MultiLineBox* box_;
};

class FormInteraction : public WindowTest {
protected:
    // Presses the button and waits for the timer's list.
    void requestList() {
        click(form->Command2);
        ASSERT_TRUE(form->Timer1->isActive());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form->Timer1->isActive(); }, 2000));
    }
    std::u16string engineList(bool boy, int group, bool convert, bool prefix) {
        return delvarin::MakeNameList(form->nameData(), {.convertLetters = convert,
                                                         .mother = u"مريم",
                                                         .prefixInUse = prefix,
                                                         .boy = boy,
                                                         .planets = GroupChoice(group)})
            .text;
    }
};

TEST_F(FormInteraction, TypedValuesShowAtOnce) {
    type(form->Text2, "علي");
    EXPECT_EQ(caption(form->Label13), "110");
    form->Text2->setFocus();
    QTest::keyClick(form->Text2, Qt::Key_Backspace);
    EXPECT_EQ(caption(form->Label13), "100");
    QTest::keyClick(form->Text2, Qt::Key_Backspace);
    EXPECT_EQ(caption(form->Label13), "70");
    form->Text2->clear();
    EXPECT_EQ(caption(form->Label13), "0");

    type(form->Text2, "مريم");
    EXPECT_EQ(caption(form->Label13), "290");
}

TEST_F(FormInteraction, TheTableInForceValuesTheName) {
    click(form->Label3);
    type(form->Text2, "پژمان");
    EXPECT_EQ(caption(form->Label13), "91");
    click(form->Label5);
    EXPECT_EQ(caption(form->Label13), "91");  // stands until the text changes
    QTest::keyClick(form->Text2, Qt::Key_Backspace);
    keys(form->Text2, "ن");
    EXPECT_EQ(caption(form->Label13), "100");
}

TEST_F(FormInteraction, TypedFarsiYehIsFoldedInTheBox) {
    type(form->Text2, "علی");
    EXPECT_EQ(form->Text2->textValue(), u"علي");
    EXPECT_EQ(caption(form->Label13), "110");
    // The caret stays where the user left it.
    form->Text2->setCursorPosition(1);
    keys(form->Text2, "ی");
    EXPECT_EQ(form->Text2->textValue(), u"عيلي");
    EXPECT_EQ(form->Text2->cursorPosition(), 2);
}

TEST_F(FormInteraction, BoxesRefuseATwentyFirstCharacter) {
    type(form->Text2, QString(25, u'ا'));
    EXPECT_EQ(form->Text2->text().size(), 20);
    EXPECT_EQ(caption(form->Label13), "20");
}

TEST_F(FormInteraction, PrefixSwitchTurnsOnAndOff) {
    const QColor lightYellow(255, 255, 192);
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    click(form->Label2);
    EXPECT_TRUE(form->Text6->isEnabled());
    EXPECT_EQ(form->Text6->textValue(), u"سيد");
    EXPECT_EQ(form->Text6->palette().color(QPalette::Base), lightYellow);
    EXPECT_EQ(form->Text3->palette().color(QPalette::Base), lightYellow);
    EXPECT_EQ(form->Check1->value(), 1);
    EXPECT_TRUE(form->Text6->hasFocus());
    EXPECT_TRUE(caption(form->Label14).isEmpty());

    keys(form->Text6, "ا");
    EXPECT_EQ(caption(form->Label14), "75");

    click(form->Label2);
    EXPECT_FALSE(form->Text6->isEnabled());
    EXPECT_EQ(form->Text6->palette().color(QPalette::Base), buttonFace);
    EXPECT_EQ(form->Text3->palette().color(QPalette::Base), buttonFace);
    EXPECT_EQ(form->Check1->value(), 0);
    EXPECT_TRUE(form->Text2->hasFocus());
    EXPECT_TRUE(caption(form->Label14).isEmpty());
    EXPECT_EQ(form->Text6->textValue(), u"سيدا");
}

TEST_F(FormInteraction, AltPWorksThePrefixSwitchAsItsLabelDoes) {
    EXPECT_TRUE(form->Check1->accessibleDescription().contains("Alt+P"));
    QTest::keyClick(form->Text2, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(form->Check1->value(), 1);
    EXPECT_TRUE(form->Text6->isEnabled());
    EXPECT_TRUE(form->Text6->hasFocus());
    EXPECT_EQ(form->Text6->palette().color(QPalette::Base), QColor(255, 255, 192));
    QTest::keyClick(form->Text6, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(form->Check1->value(), 0);
    EXPECT_FALSE(form->Text6->isEnabled());
    EXPECT_TRUE(form->Text2->hasFocus());
    EXPECT_TRUE(form->Text2->text().isEmpty());
}

TEST_F(FormInteraction, EnterInANameBoxPressesTheButton) {
    type(form->Text2, "مريم");
    QTest::keyClick(form->Text2, Qt::Key_Return);
    ASSERT_EQ(messages.calls.size(), 1u);  // no gender yet
    click(form->Label11);
    click(form->Label2);
    QTest::keyClick(form->Text6, Qt::Key_Enter);
    EXPECT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->outerWidth(), form->FullWidth);
}

TEST_F(FormInteraction, ReturnAndEnterPressTheFocusedButton) {
    form->Command2->setFocus();
    QTest::keyClick(form->Command2, Qt::Key_Return);
    QTest::keyClick(form->Command2, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(form->Command2, Qt::Key_Space);
    EXPECT_EQ(messages.calls.size(), 3u);  // no mother's name: refused each time
}

TEST_F(FormInteraction, NameBoxesReadRightToLeftWhateverIsTyped) {
    for (vb::TextBox* box : {form->Text2, form->Text6}) {
        box->setEnabled(true);
        box->setText(QStringLiteral("éäفاطمه"));
        auto caretX = [&](int position) {
            box->setCursorPosition(position);
            return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        };
        // The text starts at the right-hand end, a Latin start or not.
        EXPECT_GT(caretX(0), caretX(static_cast<int>(box->text().size())))
            << box->objectName().toStdString();
    }
}

TEST_F(FormInteraction, OptionLabelsSelectTheirButtons) {
    QSignalSpy gender(form->Option2, &vb::OptionArray::clicked);
    click(form->Label12);
    EXPECT_EQ(form->Option2->value(1), vb::kTrue);
    EXPECT_EQ(form->Option2->value(0), vb::kFalse);
    click(form->Label11);
    EXPECT_EQ(form->Option2->value(0), vb::kTrue);
    EXPECT_EQ(form->Option2->value(1), vb::kFalse);
    click(form->Label3);
    EXPECT_EQ(form->Option1->value(0), vb::kTrue);
    EXPECT_EQ(form->Option2->value(0), vb::kTrue);  // the other group is untouched
    click(form->Label5);
    EXPECT_EQ(form->Option1->value(1), vb::kTrue);
    EXPECT_EQ(form->outerWidth(), 3300);
    EXPECT_TRUE(messages.calls.empty());
}

struct GroupCase {
    const char* name;
    int group;
    int entries;
    QString selected;
    QString description;
};
void PrintTo(const GroupCase& c, std::ostream* os) {
    *os << c.name;
}

class PlanetLists : public FormInteraction, public testing::WithParamInterface<GroupCase> {};

TEST_P(PlanetLists, GroupFillsThePlanetList) {
    const GroupCase& c = GetParam();
    pickGroup(3);
    pickGroup(c.group);
    EXPECT_EQ(form->Combo2->listCount(), c.entries);
    EXPECT_EQ(form->Combo2->currentText(), c.selected);
    EXPECT_EQ(caption(form->Label9), c.description);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, PlanetLists,
    testing::Values(
        GroupCase{"AllAuspicious", 0, 7, "همه موارد", ""},
        GroupCase{"Sun", 1, 1, "شمس (اسد)",
                  "طبع: ناري، روز: يكشنبه، ماه: جمادي‌الآخر"},
        GroupCase{"Jupiter", 2, 3, "همه موارد", ""},
        GroupCase{"MoonAndVenus", 3, 4, "همه موارد", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormInteraction, ChoosingTheChosenGroupAgainChangesNothing) {
    pickGroup(2);
    pickPlanet(2);
    const QString description = caption(form->Label9);
    ASSERT_FALSE(description.isEmpty());
    pickGroup(2);
    form->Combo1->setListIndex(2);
    EXPECT_EQ(form->Combo2->listIndex(), 2);
    EXPECT_EQ(caption(form->Label9), description);
}

TEST_F(FormInteraction, PickingAPlanetShowsItsDescription) {
    pickGroup(2);
    pickPlanet(2);
    EXPECT_EQ(caption(form->Label9),
              "طبع: آبي، روز: پنجشنبه، ماه: ذي‌الحجه");
    pickPlanet(0);
    EXPECT_TRUE(caption(form->Label9).isEmpty());
}

struct RefusalCase {
    const char* name;
    QString mother;
    bool son;
    bool prefixOn;
    QString prefix;
    QString message;
};
void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class Refusals : public FormInteraction, public testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, ShowOneMessageAndChangeNothing) {
    const RefusalCase& c = GetParam();
    type(form->Text2, c.mother);
    if (c.son) click(form->Label11);
    if (c.prefixOn) {
        click(form->Label2);
        form->Text6->setText(c.prefix);
    }
    const std::u16string before = form->Text5->textValue();
    click(form->Command2);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, c.message);
    EXPECT_EQ(messages.calls[0].title, "Delvarin Chooser");
    EXPECT_EQ(messages.calls[0].icon, vb::MessageIcon::None);
    EXPECT_EQ(messages.pointers[0], Qt::ArrowCursor);
    EXPECT_EQ(form->outerWidth(), 3300);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->Text5->textValue(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Refusals,
    testing::Values(
        RefusalCase{"EmptyMother", "", true, false, "", "نام مادر را به فارسي وارد كنيد"},
        RefusalCase{"LatinMother", "Maryam", true, false, "", "نام مادر را به فارسي وارد كنيد"},
        RefusalCase{"NoGender", "مريم", false, false, "", "جنسيت فرزند را انتخاب كنيد"},
        RefusalCase{"EmptyPrefix", "مريم", true, true, "", "پيشوند نام را به فارسي وارد كنيد"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormInteraction, SonUnderTheSunThroughTheWindow) {
    type(form->Text2, "مريم");
    click(form->Label11);
    pickGroup(1);
    click(form->Command2);
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(form->outerWidth(), form->FullWidth);
    ASSERT_TRUE(form->Timer1->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->Timer1->isActive(); }, 2000));
    const std::u16string list = form->Text5->textValue();
    EXPECT_EQ(list, engineList(true, 1, true, false));
    EXPECT_EQ(shownResult(), list);
    EXPECT_TRUE(list.starts_with(u"ستايش (771)\r\n"));
    EXPECT_EQ(std::count(list.begin(), list.end(), u'\n'), 266);
    EXPECT_TRUE(list.ends_with(u"شفروه (591)\r\n- - -"));
    EXPECT_TRUE(form->Text5->isEnabled());
    EXPECT_EQ(form->Text5->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(form->Text5->verticalScrollBar()->value(), 0);
    // The box knows the whole list's length, written ten lines at a time.
    EXPECT_GE(form->Text5->verticalScrollBar()->maximum(), 250);
}

TEST_F(FormInteraction, ExamplesMatchTheEngine) {
    type(form->Text2, "مريم");
    click(form->Label11);
    pickGroup(1);
    click(form->Label2);
    requestList();
    EXPECT_EQ(form->Text5->textValue(), engineList(true, 1, true, true));
    EXPECT_TRUE(form->Text5->textValue().starts_with(u"سيد ميلاد (159)\r\nسيد سينا (195)\r\n"));

    click(form->Label2);
    click(form->Label3);
    requestList();
    EXPECT_EQ(form->Text5->textValue(), engineList(true, 1, false, false));

    click(form->Label12);
    click(form->Label5);
    pickGroup(0);
    requestList();
    const std::u16string all = form->Text5->textValue();
    EXPECT_EQ(all, engineList(false, 0, true, false));
    EXPECT_EQ(std::count(all.begin(), all.end(), u'\n'), 1719);
    EXPECT_TRUE(all.starts_with(u"الناز (89)\r\nمينا (101)\r\nفاطمه زهرا (348)\r\n"));
}

TEST_F(FormInteraction, WideningReachesTheFullWidthExactly) {
    type(form->Text2, "مريم");
    click(form->Label11);
    ResizeRecorder widths;
    form->installEventFilter(&widths);
    const int left = form->x();
    click(form->Command2);
    form->removeEventFilter(&widths);
    // From 3300 twips, thirty steps of exactly 100 twips though the window
    // grows by whole pixels, then the full width exactly.
    ASSERT_EQ(widths.outerTwips.size(), 31u);
    for (std::size_t i = 0; i + 1 < widths.outerTwips.size(); ++i)
        EXPECT_EQ(widths.outerTwips[i], 3400 + 100.0 * static_cast<double>(i)) << i;
    EXPECT_EQ(widths.outerTwips.back(), form->FullWidth);
    EXPECT_EQ(form->width(), 413);
    EXPECT_EQ(form->x(), left);
    // A second press before the tick keeps one timer, and makes one list.
    click(form->Command2);
    EXPECT_EQ(form->outerWidth(), form->FullWidth);
    int runs = 0;
    QObject::connect(form->Timer1, &QTimer::timeout, [&] { ++runs; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->Timer1->isActive(); }, 2000));
    QTest::qWait(700);
    EXPECT_EQ(runs, 1);
    // A later successful press keeps the width and makes the list again.
    requestList();
    EXPECT_EQ(form->outerWidth(), form->FullWidth);
    EXPECT_EQ(runs, 2);
}

TEST_F(FormInteraction, ForeignPlanetLeavesTheBoxAsItWas) {
    type(form->Text2, "مريم");
    click(form->Label11);
    const std::u16string before = form->Text5->textValue();
    form->Combo2->addListItem(u"مريخ (حمل)");
    form->Combo2->setCurrentIndex(form->Combo2->newIndex());
    form->MakeNameList();
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text.toStdU16String(),
              NameListMessage(NameListStatus::PlanetNotFound));
    // The message comes up over the busy window with the normal pointer.
    EXPECT_EQ(messages.pointers[0], Qt::ArrowCursor);
    EXPECT_EQ(form->Text5->textValue(), before);
    EXPECT_TRUE(form->Text5->isEnabled());
    EXPECT_EQ(form->Text5->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FormInteraction, TheListGrowsInSightUnderTheBusyState) {
    type(form->Text2, "مريم");
    click(form->Label11);
    pickGroup(1);
    click(form->Command2);
    PaintRecorder recorder(form->Text5);
    form->Timer1_Timer();
    // Repainted after the first line, the eleventh, ... the 261st of 266.
    ASSERT_EQ(recorder.paints.size(), 27u);
    for (std::size_t i = 0; i < recorder.paints.size(); ++i) {
        const PaintRecorder::Paint& p = recorder.paints[i];
        EXPECT_EQ(p.lines, static_cast<int>(10 * i + 1)) << i;
        EXPECT_FALSE(p.enabled);
        EXPECT_EQ(p.pointer, Qt::WaitCursor);
        EXPECT_EQ(p.base, QApplication::palette().color(QPalette::Button));
    }
    EXPECT_TRUE(form->Text5->isEnabled());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FormInteraction, ALongPrefixStillShowsWhereEveryLineStarts) {
    type(form->Text2, "مريم");
    click(form->Label11);
    pickGroup(1);
    click(form->Label2);
    form->Text6->setText(QString(20, u'ب'));
    requestList();
    QTest::qWait(50);
    ASSERT_TRUE(shownResult().starts_with(u"بببببببببببببببببببب "));
    // The first line starts at the box's right-hand edge.
    const int caret = form->Text5->cursorRect(QTextCursor(form->Text5->document())).right();
    EXPECT_NEAR(caret, form->Text5->viewport()->width(), 8);
}

TEST_F(FormInteraction, TheResultBoxIsReadOnlyButCopyable) {
    form->Text5->setFocus();
    QTest::keyClicks(form->Text5, "x");
    EXPECT_FALSE(shownResult().starts_with(u"x"));
    form->Text5->selectAll();
    form->Text5->copy();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("اين نرم"));
}

class LinkRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

TEST_F(FormInteraction, LinksOpenTheirAddresses) {
    LinkRecorder recorder;
    QDesktopServices::setUrlHandler("http", &recorder, "open");
    click(form->Label8);
    form->Label8->setFocus();
    QTest::keyClick(form->Label8, Qt::Key_Return);
    form->setOuterWidth(form->FullWidth);
    form->Image2->setFocus();
    QTest::keyClick(form->Image2, Qt::Key_Space);
    QDesktopServices::unsetUrlHandler("http");
    ASSERT_EQ(recorder.opened.size(), 3);
    EXPECT_EQ(recorder.opened[0], recorder.opened[1]);
    EXPECT_EQ(recorder.opened[0].scheme(), "http");
    EXPECT_TRUE(recorder.opened[0].path().isEmpty());
    EXPECT_EQ(recorder.opened[2].path(), "/Posts/272");
    EXPECT_TRUE(messages.calls.empty());
}

}  // namespace
}  // namespace delvarin

#include "form_interaction_test.moc"
