// SPDX-License-Identifier: GPL-3.0-or-later
// The form as a WebAssembly module. The page hands it a toolkit, the object
// Module.toolkit whose methods work the page's elements by the window's
// control names; the form's handlers are exported under their own names.
// Texts cross as UTF-16 code units, exactly as the window's boxes hold them.
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "form1.h"
#include "text.h"

namespace {

using namespace delvarin;
using form::Control;

// Strings from the page come NUL-terminated in memory the page allocated:
// the typing rule lets no NUL into a box, and no list item holds one.
std::u16string Take(char16_t* text) {
    std::u16string s(text);
    std::free(text);
    return s;
}

}  // namespace

// Each operation goes to the page's toolkit as toolkit[op](control name,
// number, text) and comes back as a number or a text.
// clang-format off
EM_JS(char16_t*, js_text, (const char* op, const char* name, int index), {
    const s = String(Module.toolkit[UTF8ToString(op)](UTF8ToString(name), index));
    const p = _malloc(s.length * 2 + 2);
    for (let i = 0; i < s.length; ++i) HEAPU16[(p >> 1) + i] = s.charCodeAt(i);
    HEAPU16[(p >> 1) + s.length] = 0;
    return p;
});
EM_JS(double, js_number, (const char* op, const char* name, int index), {
    return Number(Module.toolkit[UTF8ToString(op)](UTF8ToString(name), index));
});
EM_JS(void, js_do, (const char* op, const char* name, double number, const char16_t* text, int length), {
    let s = "";
    for (let i = 0; i < length; i += 8192)
        s += String.fromCharCode.apply(null, HEAPU16.subarray((text >> 1) + i, (text >> 1) + Math.min(length, i + 8192)));
    Module.toolkit[UTF8ToString(op)](UTF8ToString(name), number, s);
});
// clang-format on

namespace {

class PageToolkit : public form::Toolkit {
public:
    // What follows the open message box, if anything: a modal box is the
    // only one open.
    std::function<void()> afterMessage;

    std::u16string Text(Control c) const override { return TextOf("text", c); }
    void SetText(Control c, std::u16string_view t) override { Do("setText", c, 0, t); }
    void AppendText(Control c, std::u16string_view t) override { Do("appendText", c, 0, t); }
    void Refresh(Control c) override { Do("refresh", c); }
    void ScrollToStart(Control c) override { Do("scrollToStart", c); }
    void SetBackColour(Control c, layout::Colour colour) override {
        Do("setBackColour", c, colour);
    }
    void SetEnabled(Control c, bool on) override { Do("setEnabled", c, on); }
    void SetFocus(Control c) override { Do("setFocus", c); }
    int ListCount(Control c) const override { return NumberOf("listCount", c); }
    std::u16string List(Control c, int index) const override { return TextOf("list", c, index); }
    void AddItem(Control c, std::u16string_view item) override { Do("addItem", c, 0, item); }
    void RemoveItem(Control c, int index) override { Do("removeItem", c, index); }
    int NewIndex(Control c) const override { return NumberOf("newIndex", c); }
    int ListIndex(Control c) const override { return NumberOf("listIndex", c); }
    void SetListIndex(Control c, int index) override { Do("setListIndex", c, index); }
    bool OptionValue(Control c, int member) const override {
        return NumberOf("optionValue", c, member) != 0;
    }
    void SelectOption(Control c, int member) override { Do("selectOption", c, member); }
    int CheckValue(Control c) const override { return NumberOf("checkValue", c); }
    void SetCheckValue(Control c, int value) override { Do("setCheckValue", c, value); }
    double OuterWidth() const override { return js_number("outerWidth", "Form1", 0); }
    void SetOuterWidth(double twips) override { Do("setOuterWidth", "Form1", twips); }
    void SetPointer(form::Pointer pointer) override {
        Do("setPointer", "Form1", pointer == form::Pointer::Hourglass);
    }
    void SetTimerEnabled(bool on) override { Do("setTimerEnabled", "Timer1", on); }
    // The page's dialog has the application's title and no icon; the one
    // message with others (the code page's) never comes on a page.
    void MsgBox(const form::Message& message, std::function<void()> then) override {
        afterMessage = std::move(then);
        Do("msgBox", "MsgBox", 0, message.text);
    }
    void OpenAddress(std::string_view address) override {
        Do("openAddress", "Form1", 0, std::u16string(address.begin(), address.end()));
    }
    // A page is always Unicode, and its face comes with it.
    int SystemCodePage() const override { return 1256; }
    bool HasFont(std::u16string_view) const override { return true; }
    void InstalFont(std::u16string_view) override {}

private:
    // The names are string literals, so they end in NUL.
    static const char* Name(Control c) { return form::NameOf(c).data(); }
    static std::u16string TextOf(const char* op, Control c, int index = 0) {
        return Take(js_text(op, Name(c), index));
    }
    static int NumberOf(const char* op, Control c, int index = 0) {
        return static_cast<int>(js_number(op, Name(c), index));
    }
    static void Do(const char* op, const char* name, double number = 0,
                   std::u16string_view text = {}) {
        js_do(op, name, number, text.data(), static_cast<int>(text.size()));
    }
    static void Do(const char* op, Control c, double number = 0, std::u16string_view text = {}) {
        Do(op, Name(c), number, text);
    }
};

PageToolkit toolkit;
// The page must open fast on a phone: the catalogue is read at the first list.
form::Form1 form1(toolkit, form::ReadAt::FirstList);
std::u16string answer;

std::u16string_view In(const char16_t* text, int length) {
    return {text, static_cast<std::size_t>(length)};
}

}  // namespace

extern "C" {

// The handlers, one line each.
// clang-format off
EMSCRIPTEN_KEEPALIVE void Form_Load() { form1.Form_Load(); }
EMSCRIPTEN_KEEPALIVE void Combo1_Click() { form1.Combo1_Click(); }
EMSCRIPTEN_KEEPALIVE void Combo2_Click() { form1.Combo2_Click(); }
EMSCRIPTEN_KEEPALIVE void Text2_Change() { form1.Text2_Change(); }
EMSCRIPTEN_KEEPALIVE void Text6_Change() { form1.Text6_Change(); }
EMSCRIPTEN_KEEPALIVE void Label2_Click() { form1.Label2_Click(); }
EMSCRIPTEN_KEEPALIVE void Label3_Click() { form1.Label3_Click(); }
EMSCRIPTEN_KEEPALIVE void Label5_Click() { form1.Label5_Click(); }
EMSCRIPTEN_KEEPALIVE void Label11_Click() { form1.Label11_Click(); }
EMSCRIPTEN_KEEPALIVE void Label12_Click() { form1.Label12_Click(); }
EMSCRIPTEN_KEEPALIVE void Option2_Click(int index) { form1.Option2_Click(index); }
EMSCRIPTEN_KEEPALIVE void Command2_Click() { form1.Command2_Click(); }
EMSCRIPTEN_KEEPALIVE void Timer1_Timer() { form1.Timer1_Timer(); }
EMSCRIPTEN_KEEPALIVE void Image2_Click() { form1.Image2_Click(); }
EMSCRIPTEN_KEEPALIVE void Label8_Click() { form1.Label8_Click(); }
// clang-format on

// The message box was closed: what followed it runs now.
EMSCRIPTEN_KEEPALIVE void delvarin_message_closed() {
    const std::function<void()> then = std::exchange(toolkit.afterMessage, nullptr);
    if (then) then();
}

// The catalogue indices of the last list's lines, and how many there are.
EMSCRIPTEN_KEEPALIVE const int* delvarin_line_indices() {
    return form1.LineIndices().data();
}
EMSCRIPTEN_KEEPALIVE int delvarin_line_count() {
    return static_cast<int>(form1.LineIndices().size());
}

// The page's own use of the typing rule (an edit, or an address's text):
// a name box's text after an edit, left in the answer; returns the caret.
EMSCRIPTEN_KEEPALIVE int delvarin_edit(const char16_t* before, int beforeLength,
                                       const char16_t* after, int afterLength, int cursor) {
    BoxEdit edit = EditBoxText(In(before, beforeLength), In(after, afterLength),
                               static_cast<std::size_t>(cursor));
    answer = std::move(edit.text);
    return static_cast<int>(edit.cursor);
}
EMSCRIPTEN_KEEPALIVE const char16_t* delvarin_answer() {
    return answer.data();
}
EMSCRIPTEN_KEEPALIVE int delvarin_answer_length() {
    return static_cast<int>(answer.size());
}

}  // extern "C"
