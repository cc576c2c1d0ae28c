// SPDX-License-Identifier: GPL-3.0-or-later
// The contract on the Windows window, under wine on a display: keys and
// clicks go to the controls as Windows messages, and what the controls show
// is read back from them.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <chrono>

#include "contract/contract.h"
#include "pictures.h"
#include "utf.h"
#include "window.h"

namespace delvarin {
namespace {

// Messages are recorded and closed at once; addresses are caught.
class RecordingWindow : public win32::Window {
public:
    using Window::Window;
    void ShowMessage(const form::Message& message) override {
        messages.push_back(Utf16ToUtf8(message.text));
        report(form::kNoRow, form::Event::Closed);
    }
    void OpenAddress(std::string_view address) override { opened.emplace_back(address); }

    std::vector<std::string> messages, opened;
};

std::string Utf8(std::u16string_view text) {
    return Utf16ToUtf8(text);
}

class Win32Driver : public contract::Driver {
public:
    Win32Driver() : window_(GetModuleHandleW(nullptr)) {
        window_.Load();
        window_.Show(SW_SHOWNORMAL);
        SetForegroundWindow(window_.handle());
        pump();
    }

    HWND W(const std::string& name) const { return window_.control(layout::RowIndexOf(name)); }

    // Runs what the window has waiting, as its loop would.
    void pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (window_.PreTranslate(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    void post(HWND to, UINT message, WPARAM w, LPARAM l) {
        PostMessageW(to, message, w, l);
        pump();
    }

    void Type(const std::string& box, const std::string& text) override {
        HWND edit = W(box);
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L""));
        const std::u16string units = Utf8ToUtf16(text).value_or(u"");
        for (char16_t unit : units) SendMessageW(edit, WM_CHAR, unit, 1);
        pump();
    }
    void Click(const std::string& control) override {
        HWND c = W(control);
        wchar_t type[16] = {};
        GetClassNameW(c, type, 16);
        if (std::wstring_view(type) == L"Button") {
            SendMessageW(c, BM_CLICK, 0, 0);
        } else {
            SendMessageW(c, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            SendMessageW(c, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        }
        pump();
    }
    void Pick(const std::string& list, int index) override {
        HWND c = W(list);
        SendMessageW(c, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(window_.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(c));
        pump();
    }
    void Return(const std::string& box) override { post(W(box), WM_KEYDOWN, VK_RETURN, 1); }
    void Shortcut(const std::string&) override {
        post(W("Text2"), WM_SYSKEYDOWN, 'P', 1 | (1 << 29));
    }
    void Tick() override {
        ASSERT_TRUE(window_.form().controls().TimerEnabled());
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (window_.form().controls().TimerEnabled() &&
               std::chrono::steady_clock::now() < until) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            pump();
        }
        ASSERT_FALSE(window_.form().controls().TimerEnabled());
    }
    void CloseMessage() override {}
    void Scroll(const std::string& box) override {
        SendMessageW(W(box), WM_VSCROLL, SB_BOTTOM, 0);
        SendMessageW(W(box), WM_HSCROLL, SB_LEFT, 0);
        pump();
    }

    std::string Text(const std::string& control) override {
        return Utf8(win32::WindowText(W(control)));
    }
    bool Enabled(const std::string& control) override { return IsWindowEnabled(W(control)); }
    // As painted: a corner of the box, where no text reaches.
    std::string Back(const std::string& control) override {
        HWND c = W(control);
        RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT r;
        GetClientRect(c, &r);
        HDC dc = GetDC(c);
        const COLORREF shown = GetPixel(dc, 2, r.bottom - 3);
        ReleaseDC(c, dc);
        if (shown == RGB(255, 255, 192)) return "yellow";
        return shown == GetSysColor(COLOR_BTNFACE) ? "face" : "?";
    }
    std::string Focus() override {
        HWND focus = GetFocus();
        for (std::size_t row = 0; row < layout::kRows.size(); ++row)
            if (focus && window_.control(row) == focus) return std::string(layout::kRows[row].name);
        return "";
    }
    bool Value(const std::string& control) override {
        return SendMessageW(W(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    std::string Chosen(const std::string& list) override {
        HWND c = W(list);
        const auto at = SendMessageW(c, CB_GETCURSEL, 0, 0);
        if (at < 0) return "";
        std::wstring text(static_cast<std::size_t>(SendMessageW(c, CB_GETLBTEXTLEN, at, 0)) + 1,
                          L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(c, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(text.data()))));
        return Utf8(win32::Text(text));
    }
    int Items(const std::string& list) override {
        return static_cast<int>(SendMessageW(W(list), CB_GETCOUNT, 0, 0));
    }
    bool Wide() override {
        RECT window, box;
        GetWindowRect(window_.handle(), &window);
        GetWindowRect(W("Text5"), &box);
        return window.right >= box.right;
    }
    std::vector<std::string> Messages() override { return window_.messages; }
    std::vector<std::string> Opened() override { return window_.opened; }
    // As a screen reader or a test tool reads the box: its window text.
    std::vector<std::string> Lines() override {
        const std::u16string shown = win32::WindowText(W("Text5"));
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < shown.size();) {
            const std::size_t end = std::min(shown.find(u"\r\n", at), shown.size());
            lines.push_back(Utf8(std::u16string_view(shown).substr(at, end - at)));
            at = end + 2;
        }
        return lines;
    }
    // The top line is in view, and its first letter, at its right-hand end.
    bool ScrolledToStart(const std::string& box) override {
        HWND c = W(box);
        if (SendMessageW(c, EM_GETFIRSTVISIBLELINE, 0, 0) != 0) return false;
        POINTL first{};
        SendMessageW(c, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&first), 0);
        RECT inside;
        SendMessageW(c, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&inside));
        return first.x >= inside.left && first.x <= inside.right;
    }

    RecordingWindow window_;
};

class Contract : public testing::TestWithParam<contract::Case> {};

TEST_P(Contract, OnTheWindowsWindow) {
    Win32Driver driver;
    contract::Run(driver, GetParam());
}
INSTANTIATE_TEST_SUITE_P(Cases, Contract, testing::ValuesIn(contract::ReadCases()),
                         contract::TestName);

// Tab is the Windows window's own: it walks the form's order, skips what is
// switched off or hidden by the narrowed window, and leaves the result box.
TEST(Keys, TabFollowsTheFormsOrderAndLeavesTheResultBox) {
    Win32Driver d;
    auto tabs = [&](int n, bool back = false) {
        std::vector<std::string> visited;
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = back ? 0x80 : 0;
        SetKeyboardState(keys);
        for (int i = 0; i < n; ++i) {
            d.post(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
            visited.push_back(d.Focus());
        }
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        return visited;
    };
    const std::vector<std::string> narrow{"Option2(0)", "Option2(1)", "Option1(0)",
                                          "Option1(1)", "Combo1",     "Combo2",
                                          "Command2",   "Label8",     "Text2"};
    EXPECT_EQ(tabs(9), narrow);
    d.Type("Text2", "مريم");
    d.Click("Label11");
    d.Click("Command2");
    d.Tick();
    const std::vector<std::string> wide{"Option2(0)", "Option2(1)", "Option1(0)", "Option1(1)",
                                        "Combo1",     "Combo2",     "Command2",   "Text5",
                                        "Image2",     "Label8",     "Text2"};
    SetFocus(d.W("Text2"));
    EXPECT_EQ(tabs(11), wide);
    SetFocus(d.W("Text5"));
    EXPECT_EQ(tabs(1), std::vector<std::string>{"Image2"});
    SetFocus(d.W("Text5"));
    EXPECT_EQ(tabs(1, true), std::vector<std::string>{"Command2"});
}

}  // namespace
}  // namespace delvarin

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    LoadLibraryW(L"msftedit.dll");
    delvarin::win32::PictureSession pictures;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
