// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "widgets.h"
#include "window.h"

namespace delvarin::test {

// Records the message boxes a test makes instead of showing them, with the
// pointer that stood over each.
class MessageRecorder {
public:
    MessageRecorder() {
        widgets::SetMessageBoxShower([this](QWidget*, const widgets::MessageBoxCall& call) {
            calls.push_back(call);
            const QCursor* cursor = QGuiApplication::overrideCursor();
            pointers.push_back(cursor ? cursor->shape() : Qt::ArrowCursor);
        });
    }
    ~MessageRecorder() { widgets::SetMessageBoxShower({}); }
    void clear() {
        calls.clear();
        pointers.clear();
    }
    std::vector<widgets::MessageBoxCall> calls;
    std::vector<Qt::CursorShape> pointers;
};

// A started window: created, loaded and shown, as the program starts it, in
// a Persian locale so that no code-page warning comes up.
class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        qputenv("LC_ALL", "fa_IR.UTF-8");
        window = std::make_unique<Window>();
        window->load();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        messages.clear();
    }
    void TearDown() override {
        window.reset();
        qunsetenv("LC_ALL");
    }

    // Types Persian as a keyboard does: one key event per character, carrying
    // its text (QTest's own key clicks know Latin-1 only).
    static void keys(QWidget* box, const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString character = text.mid(i, length);
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, character, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, character, Qt::NoModifier);
            i += length - 1;
        }
    }
    void type(QWidget* box, const QString& text) {
        box->setFocus();
        keys(box, text);
    }
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    QString caption(const QLabel* label) const { return label->text(); }
    // Picks a planet group or entry as a user does: the list's click event runs.
    void pickGroup(int group) {
        window->Combo1->setCurrentIndex(group);
        emit window->Combo1->activated(group);
    }
    void pickPlanet(int entry) {
        window->Combo2->setCurrentIndex(entry);
        emit window->Combo2->activated(entry);
    }
    // What the result box's document shows, its paragraphs joined by CR LF.
    std::u16string shownResult() const {
        std::u16string shown;
        for (QTextBlock b = window->Text5->document()->begin(); b.isValid(); b = b.next()) {
            if (b != window->Text5->document()->begin()) shown += u"\r\n";
            shown += widgets::ToText(b.text());
        }
        return shown;
    }

    MessageRecorder messages;
    std::unique_ptr<Window> window;
};

}  // namespace delvarin::test
