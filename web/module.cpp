// SPDX-License-Identifier: GPL-3.0-or-later
// The form as a WebAssembly module. The page hands it a front end, the object
// Module.frontEnd whose methods draw the page's elements by their rows of the
// layout table, and reports what the parent does through delvarin_report.
// Texts cross as UTF-16 code units, exactly as the window's boxes hold them.
#include <emscripten/emscripten.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form1.h"
#include "read_data.h"
#include "text.h"

namespace {

using namespace delvarin;
}  // namespace

// Each operation goes to the page's front end as frontEnd[op](row, number,
// text) and comes back as a number where it answers.
// clang-format off
EM_JS(double, js_number, (const char* op), {
    return Number(Module.frontEnd[UTF8ToString(op)]());
});
EM_JS(void, js_do, (const char* op, int row, double number, const char16_t* text, int length), {
    let s = "";
    for (let i = 0; i < length; i += 8192)
        s += String.fromCharCode.apply(null, HEAPU16.subarray((text >> 1) + i, (text >> 1) + Math.min(length, i + 8192)));
    Module.frontEnd[UTF8ToString(op)](row, number, s);
});
// clang-format on

namespace {

// The page draws; the form keeps the state and the rules.
class PageFrontEnd : public form::FrontEnd {
public:
    void ShowText(std::size_t row, std::u16string_view t) override { Do("showText", row, 0, t); }
    void AppendText(std::size_t row, std::u16string_view t) override {
        Do("appendText", row, 0, t);
    }
    // A browser paints once the handler is done; nothing to do here.
    void Repaint(std::size_t) override {}
    void ScrollToStart(std::size_t row) override { Do("scrollToStart", row); }
    void ShowBackColour(std::size_t row, layout::Colour colour) override {
        Do("showBackColour", row, colour);
    }
    void ShowEnabled(std::size_t row, bool on) override { Do("showEnabled", row, on); }
    void Focus(std::size_t row) override { Do("focus", row); }
    // Items cross as one text, a line each.
    void ShowItems(std::size_t row, const std::vector<std::u16string>& items, int chosen) override {
        std::u16string lines;
        for (const std::u16string& item : items) lines += item + u'\n';
        Do("showItems", row, chosen, lines);
    }
    void ShowValue(std::size_t row, bool on) override { Do("showValue", row, on); }
    void ShowOuterWidth(double twips) override { Do("showOuterWidth", form::kNoRow, twips); }
    void ShowPointer(form::Pointer pointer) override {
        Do("showPointer", form::kNoRow, pointer == form::Pointer::Hourglass);
    }
    void RunTimer(bool running) override { Do("runTimer", form::kNoRow, running); }
    // The page's dialog has the application's title and no icon; the one
    // message with others (the code page's) never comes on a page.
    void ShowMessage(const form::Message& message) override {
        Do("showMessage", form::kNoRow, 0, message.text);
    }
    void OpenAddress(std::string_view address) override {
        Do("openAddress", form::kNoRow, 0, std::u16string(address.begin(), address.end()));
    }
    double FrameTwips() const override { return js_number("frameTwips"); }
    // A page is always Unicode, and its face comes with it.
    int SystemCodePage() const override { return 1256; }
    bool HasFont(std::u16string_view) const override { return true; }
    void InstalFont(std::u16string_view) override {}

private:
    static void Do(const char* op, std::size_t row, double number = 0,
                   std::u16string_view text = {}) {
        js_do(op, static_cast<int>(row), number, text.data(), static_cast<int>(text.size()));
    }
};

PageFrontEnd frontEnd;
// The page must open fast on a phone: the catalogue is read at the first list.
form::Form1 form1(frontEnd, form::ReadAt::FirstList);
std::u16string answer;

std::u16string_view In(const char16_t* text, int length) {
    return {text, static_cast<std::size_t>(length)};
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void delvarin_load() {
    form1.Form_Load();
}

// What the user did: the one way in from the page.
EMSCRIPTEN_KEEPALIVE void delvarin_report(int row, int event, int index, const char16_t* text,
                                          int length) {
    form1.Report(
        {static_cast<std::size_t>(row), static_cast<form::Event>(event), index, In(text, length)});
}

// The catalogue indices of the last list's lines, and how many there are.
EMSCRIPTEN_KEEPALIVE const int* delvarin_line_indices() {
    return form1.LineIndices().data();
}
EMSCRIPTEN_KEEPALIVE int delvarin_line_count() {
    return static_cast<int>(form1.LineIndices().size());
}

// What a name box keeps of an edit (typing, or an address's text), left in
// the answer; returns the caret.
EMSCRIPTEN_KEEPALIVE int delvarin_edit(int row, const char16_t* after, int afterLength,
                                       int cursor) {
    BoxEdit edit = form1.controls().TypedText(static_cast<std::size_t>(row), In(after, afterLength),
                                              static_cast<std::size_t>(cursor));
    answer = std::move(edit.text);
    return static_cast<int>(edit.cursor);
}
// A catalogue name, left in the answer; returns its length.
EMSCRIPTEN_KEEPALIVE int delvarin_name(int index) {
    answer = SharedNameData().names.name(index);
    return static_cast<int>(answer.size());
}
EMSCRIPTEN_KEEPALIVE const char16_t* delvarin_answer() {
    return answer.data();
}
EMSCRIPTEN_KEEPALIVE int delvarin_answer_length() {
    return static_cast<int>(answer.size());
}

}  // extern "C"
