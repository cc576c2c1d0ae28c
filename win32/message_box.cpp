// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_box.h"

#include <algorithm>
#include <string>

#include "caption.h"
#include "handles.h"
#include "layout.h"

namespace delvarin::win32 {
namespace {

constexpr wchar_t kClassName[] = L"DelvarinMessage";
constexpr int kButtonId = 1;

struct Box {
    std::u16string text;
    bool rightToLeft;
    const MessageLook& look;
    HICON icon;
    bool closed = false;
};

int Scaled(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

LRESULT CALLBACK BoxProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* box = reinterpret_cast<Box*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrW(
                window, GWLP_USERDATA,
                reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
            break;
        case WM_COMMAND:
            if (LOWORD(w) == kButtonId && box) box->closed = true;
            return 0;
        case WM_CLOSE:
            if (box) box->closed = true;
            return 0;
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
            if (!box) break;
            if (item->CtlType == ODT_BUTTON) {
                DrawPushButton(*item, layout::kMessageButton, box->look.font, true);
                return TRUE;
            }
            RECT r = item->rcItem;
            FillRect(item->hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
            const int iconSize = Scaled(32, box->look.dpi);
            const int gap = Scaled(12, box->look.dpi);
            if (box->icon) {
                const int x = box->rightToLeft ? r.right - iconSize : r.left;
                DrawIconEx(item->hDC, x, r.top, box->icon, iconSize, iconSize, 0, nullptr,
                           DI_NORMAL);
                (box->rightToLeft ? r.right : r.left) +=
                    box->rightToLeft ? -(iconSize + gap) : iconSize + gap;
            }
            Selected font(item->hDC, box->look.font);
            SetBkMode(item->hDC, TRANSPARENT);
            SetTextColor(item->hDC, GetSysColor(COLOR_WINDOWTEXT));
            r.bottom = r.top + iconSize;
            DrawCaption(item->hDC, box->text, r,
                        box->rightToLeft ? layout::Align::Right : layout::Align::Left,
                        box->rightToLeft);
            return TRUE;
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, w, l);
}

void RegisterOnce(HINSTANCE instance) {
    static const bool registered = [instance] {
        WNDCLASSEXW c{};
        c.cbSize = sizeof c;
        c.lpfnWndProc = BoxProc;
        c.hInstance = instance;
        c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        c.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        c.lpszClassName = kClassName;
        return RegisterClassExW(&c) != 0;
    }();
    (void)registered;
}

}  // namespace

bool ReadsRightToLeft(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char16_t c) { return c >= u'\u0600' && c <= u'\u06FF'; });
}

void RunMessageBox(HWND owner, const form::Message& message, const MessageLook& look) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    RegisterOnce(instance);
    Box box{std::u16string(message.text), ReadsRightToLeft(message.text), look,
            message.icon == form::MessageIcon::Critical ? LoadIconW(nullptr, IDI_ERROR) : nullptr};

    // The text's size decides the box's.
    const UINT dpi = look.dpi;
    const int margin = Scaled(16, dpi), gap = Scaled(12, dpi), iconSize = Scaled(32, dpi);
    const int buttonWidth = Scaled(96, dpi), buttonHeight = Scaled(28, dpi);
    SIZE text{};
    {
        HDC dc = GetDC(owner);
        Selected font(dc, look.font);
        text = MeasureCaption(dc, box.text, box.rightToLeft);
        ReleaseDC(owner, dc);
    }
    // One line beside the icon, centred on it.
    const int bodyWidth = text.cx + (box.icon ? iconSize + gap : 0);
    const int bodyHeight = std::max<int>(text.cy, iconSize);
    // Wide enough for its title as well.
    const int clientWidth = std::max(bodyWidth, Scaled(280, dpi)) + 2 * margin;
    const int clientHeight = margin + bodyHeight + gap + buttonHeight + margin;
    constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectExForDpi(&outer, style, FALSE, 0, dpi);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;

    // Centred over the owner when it shows, on its screen otherwise.
    RECT over{};
    if (IsWindowVisible(owner)) {
        GetWindowRect(owner, &over);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
        over = monitor.rcWork;
    }
    const std::u16string title(message.title.empty() ? layout::kWindowTitle : message.title);
    OwnedWindow window(CreateWindowExW(0, kClassName, Wide(title), style,
                                       over.left + (over.right - over.left - width) / 2,
                                       over.top + (over.bottom - over.top - height) / 2, width,
                                       height, owner, nullptr, instance, &box));
    if (!window) return;
    if (look.windowIcon) {
        SendMessageW(window.get(), WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(look.windowIcon));
        SendMessageW(window.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(look.windowIcon));
    }
    // The text is a control of its own, so screen readers read it.
    CreateWindowExW(0, L"STATIC", Wide(box.text), WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, margin,
                    margin, clientWidth - 2 * margin, bodyHeight, window.get(), nullptr, instance,
                    nullptr);
    const std::u16string caption(layout::kMessageButton);
    HWND button = CreateWindowExW(
        0, L"BUTTON", Wide(caption), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
        (clientWidth - buttonWidth) / 2, clientHeight - margin - buttonHeight, buttonWidth,
        buttonHeight, window.get(), reinterpret_cast<HMENU>(kButtonId), instance, nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(look.font), FALSE);

    EnableWindow(owner, FALSE);
    ShowWindow(window.get(), SW_SHOW);
    SetFocus(button);
    MSG msg;
    while (!box.closed) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 1);
            break;
        }
        const bool inBox = msg.hwnd == window.get() || IsChild(window.get(), msg.hwnd);
        if (inBox && msg.message == WM_KEYDOWN &&
            (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
            box.closed = true;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // The owner takes the activation back before the box goes.
    EnableWindow(owner, TRUE);
    if (IsWindowVisible(owner)) SetActiveWindow(owner);
}

}  // namespace delvarin::win32
