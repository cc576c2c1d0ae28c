// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QDesktopServices>
#include <QResizeEvent>
#include <QScrollBar>

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
            outerTwips.push_back(static_cast<widgets::Form*>(window)->outerWidth());
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
    explicit PaintRecorder(widgets::MultiLineBox* box) : box_(box) {
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
    widgets::MultiLineBox* box_;
};

class FormInteraction : public WindowTest {
protected:
    // Presses the button and waits for the timer's list.
    void requestList() {
        click(window->Command2);
        ASSERT_TRUE(window->Timer1->isActive());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Timer1->isActive(); }, 2000));
    }
    std::u16string engineList(bool boy, int group, bool convert, bool prefix) {
        return delvarin::MakeNameList(SharedNameData(), {.convertLetters = convert,
                                                         .mother = u"مريم",
                                                         .prefixInUse = prefix,
                                                         .boy = boy,
                                                         .planets = GroupChoice(group)})
            .text;
    }
};

TEST_F(FormInteraction, TypedFarsiYehIsFoldedInTheBox) {
    type(window->Text2, "علی");
    EXPECT_EQ(window->Text2->textValue(), u"علي");
    EXPECT_EQ(caption(window->Label13), "110");
    // The caret stays where the user left it.
    window->Text2->setCursorPosition(1);
    keys(window->Text2, "ی");
    EXPECT_EQ(window->Text2->textValue(), u"عيلي");
    EXPECT_EQ(window->Text2->cursorPosition(), 2);
}

TEST_F(FormInteraction, BoxesRefuseATwentyFirstCharacter) {
    type(window->Text2, QString(25, u'ا'));
    EXPECT_EQ(window->Text2->text().size(), 20);
    EXPECT_EQ(caption(window->Label13), "20");
}

TEST_F(FormInteraction, ReturnAndEnterPressTheFocusedButton) {
    window->Command2->setFocus();
    QTest::keyClick(window->Command2, Qt::Key_Return);
    QTest::keyClick(window->Command2, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(window->Command2, Qt::Key_Space);
    ASSERT_EQ(messages.calls.size(), 3u);  // no mother's name: refused each time
    EXPECT_EQ(messages.calls[0].title, "Delvarin Chooser");
    EXPECT_EQ(messages.pointers[0], Qt::ArrowCursor);
}

TEST_F(FormInteraction, NameBoxesReadRightToLeftWhateverIsTyped) {
    for (widgets::TextBox* box : {window->Text2, window->Text6}) {
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

TEST_F(FormInteraction, SonUnderTheSunThroughTheWindow) {
    type(window->Text2, "مريم");
    click(window->Label11);
    pickGroup(1);
    click(window->Command2);
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(window->outerWidth(), window->form().FullWidth);
    ASSERT_TRUE(window->Timer1->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Timer1->isActive(); }, 2000));
    const std::u16string list = window->Text5->textValue();
    EXPECT_EQ(list, engineList(true, 1, true, false));
    EXPECT_EQ(shownResult(), list);
    EXPECT_TRUE(list.starts_with(u"ستايش (771)\r\n"));
    EXPECT_EQ(std::count(list.begin(), list.end(), u'\n'), 266);
    EXPECT_TRUE(list.ends_with(u"شفروه (591)\r\n- - -"));
    EXPECT_TRUE(window->Text5->isEnabled());
    EXPECT_EQ(window->Text5->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(window->Text5->verticalScrollBar()->value(), 0);
    // The box knows the whole list's length, written ten lines at a time.
    EXPECT_GE(window->Text5->verticalScrollBar()->maximum(), 250);
}

TEST_F(FormInteraction, WideningReachesTheFullWidthExactly) {
    type(window->Text2, "مريم");
    click(window->Label11);
    ResizeRecorder widths;
    window->installEventFilter(&widths);
    const int left = window->x();
    click(window->Command2);
    window->removeEventFilter(&widths);
    // From 3300 twips, thirty steps of exactly 100 twips though the window
    // grows by whole pixels, then the full width exactly.
    ASSERT_EQ(widths.outerTwips.size(), 31u);
    for (std::size_t i = 0; i + 1 < widths.outerTwips.size(); ++i)
        EXPECT_EQ(widths.outerTwips[i], 3400 + 100.0 * static_cast<double>(i)) << i;
    EXPECT_EQ(widths.outerTwips.back(), window->form().FullWidth);
    EXPECT_EQ(window->width(), 413);
    EXPECT_EQ(window->x(), left);
    // A second press before the tick keeps one timer, and makes one list.
    click(window->Command2);
    EXPECT_EQ(window->outerWidth(), window->form().FullWidth);
    int runs = 0;
    QObject::connect(window->Timer1, &QTimer::timeout, [&] { ++runs; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Timer1->isActive(); }, 2000));
    QTest::qWait(700);
    EXPECT_EQ(runs, 1);
    // A later successful press keeps the width and makes the list again.
    requestList();
    EXPECT_EQ(window->outerWidth(), window->form().FullWidth);
    EXPECT_EQ(runs, 2);
}

TEST_F(FormInteraction, TheListGrowsInSightUnderTheBusyState) {
    type(window->Text2, "مريم");
    click(window->Label11);
    pickGroup(1);
    click(window->Command2);
    PaintRecorder recorder(window->Text5);
    window->form().Timer1_Timer();
    // Repainted after the first line, the eleventh, ... the 261st of 266.
    ASSERT_EQ(recorder.paints.size(), 27u);
    for (std::size_t i = 0; i < recorder.paints.size(); ++i) {
        const PaintRecorder::Paint& p = recorder.paints[i];
        EXPECT_EQ(p.lines, static_cast<int>(10 * i + 1)) << i;
        EXPECT_FALSE(p.enabled);
        EXPECT_EQ(p.pointer, Qt::WaitCursor);
        EXPECT_EQ(p.base, QApplication::palette().color(QPalette::Button));
    }
    EXPECT_TRUE(window->Text5->isEnabled());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FormInteraction, ALongPrefixStillShowsWhereEveryLineStarts) {
    type(window->Text2, "مريم");
    click(window->Label11);
    pickGroup(1);
    click(window->Label2);
    window->Text6->setText(QString(20, u'ب'));
    requestList();
    QTest::qWait(50);
    ASSERT_TRUE(shownResult().starts_with(u"بببببببببببببببببببب "));
    // The first line starts at the box's right-hand edge.
    const int caret = window->Text5->cursorRect(QTextCursor(window->Text5->document())).right();
    EXPECT_NEAR(caret, window->Text5->viewport()->width(), 8);
}

TEST_F(FormInteraction, TheResultBoxIsReadOnlyButCopyable) {
    window->Text5->setFocus();
    QTest::keyClicks(window->Text5, "x");
    EXPECT_FALSE(shownResult().starts_with(u"x"));
    window->Text5->selectAll();
    window->Text5->copy();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("اين نرم"));
}

class LinkRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

TEST_F(FormInteraction, LinksOpenByKeyboardAsByClick) {
    LinkRecorder recorder;
    QDesktopServices::setUrlHandler("http", &recorder, "open");
    click(window->Label8);
    window->Label8->setFocus();
    QTest::keyClick(window->Label8, Qt::Key_Return);
    window->setOuterWidth(window->form().FullWidth);
    window->Image2->setFocus();
    QTest::keyClick(window->Image2, Qt::Key_Space);
    QDesktopServices::unsetUrlHandler("http");
    ASSERT_EQ(recorder.opened.size(), 3);
    EXPECT_EQ(recorder.opened[0], recorder.opened[1]);
    EXPECT_EQ(recorder.opened[2].path(), "/Posts/272");
}

}  // namespace
}  // namespace delvarin

#include "form_interaction_test.moc"
