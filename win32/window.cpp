// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>
// The accessibility GUIDs are defined here, in the one file that uses them.
#include <initguid.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <string>
#include <utility>

#include "caption.h"
#include "code_page.h"
#include "events.h"
#include "message_box.h"
#include "pictures.h"

namespace delvarin::win32 {
namespace {

using layout::Kind;

constexpr wchar_t kClassName[] = L"DelvarinChooser";
constexpr UINT_PTR kTimerId = 1;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
const wchar_t* FaceOf(layout::Face face) {
    switch (face) {
        case layout::Face::IranSansZ:
            return L"IranSansZ";
        case layout::Face::Arial:
            return L"Arial";
        case layout::Face::Verdana:
            return L"Verdana";
    }
    return L"";
}

// The prefix switch's key as Alt shows it over its caption: "Alt+P".
std::u16string KeyTipText() {
    for (const form::EventRow& e : form::kEvents)
        if (e.event == form::Event::Shortcut) return u"Alt+" + std::u16string(1, e.key);
    return {};
}

std::size_t KeyTipRow() {
    for (const form::EventRow& e : form::kEvents)
        if (e.event == form::Event::Shortcut) return e.row;
    return form::kNoRow;
}

bool IsLink(std::size_t row) {
    return layout::kRows[row].link;
}

bool IsRichEdit(std::size_t row) {
    const layout::ControlRow& r = layout::kRows[row];
    return (r.kind == Kind::TextBox && !r.decorative) || r.kind == Kind::ResultBox;
}

// The installed fonts, as Windows lists them for the machine and the user:
// "IranSansZ (TrueType)" holds "IranSansZ".
bool FontListed(HKEY root, std::u16string_view face) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    const std::wstring wanted = Wide(face);
    bool found = false;
    // Value names are at most 16,383 characters.
    std::wstring name(16384, L'\0');
    for (DWORD i = 0; !found; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumValueW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        found = std::wstring_view(name.data(), length).find(wanted) != std::wstring_view::npos;
    }
    RegCloseKey(key);
    return found;
}

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

}  // namespace

Window::Window(HINSTANCE instance) {
    createWindow(instance);
    createControls(instance);
    loadPictures(instance);
    applyLayout();
    applyFonts();
}

Window::~Window() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void Window::createWindow(HINSTANCE instance) {
    icon_.reset(static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                              GetSystemMetrics(SM_CXICON),
                                              GetSystemMetrics(SM_CYICON), 0)));
    smallIcon_.reset(static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0)));
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = WindowProc;
    c.hInstance = instance;
    c.hIcon = icon_.get();
    c.hIconSm = smallIcon_.get();
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.lpszClassName = kClassName;
    RegisterClassExW(&c);
    const std::u16string title(layout::kWindowTitle);
    window_ = CreateWindowExW(0, kClassName, Wide(title), kWindowStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance, this);
    dpi_ = GetDpiForWindow(window_);

    // Sized for the design's client area, centred for the full width so the
    // widened window stands centred.
    RECT outer{0, 0, pixels(layout::kClientWidth), pixels(layout::kClientHeight)};
    AdjustWindowRectExForDpi(&outer, kWindowStyle, FALSE, 0, dpi_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    SetWindowPos(window_, nullptr, work.left + std::max(0L, (work.right - work.left - width) / 2),
                 work.top + std::max(0L, (work.bottom - work.top - height) / 2), width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    outerTwips_ = width * 1440.0 / dpi_;
    yellow_.reset(CreateSolidBrush(colourOf(layout::kLightYellow)));
}

// Each row as its kind says; rows earlier in the table lie in front.
void Window::createControls(HINSTANCE instance) {
    for (std::size_t row = 0; row < layout::kRows.size(); ++row) {
        controls_[row] = createControl(instance, row);
        back_[row] = layout::kRows[row].back.value_or(layout::kButtonFace);
        if (!controls_[row]) continue;
        SetWindowPos(controls_[row], HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (!layout::kRows[row].enabled) EnableWindow(controls_[row], FALSE);
        if (IsRichEdit(row)) setUpBox(row, layout::kRows[row].text);
        if (layout::kRows[row].kind == Kind::ResultBox) result_ = layout::kRows[row].text;
        nameControl(row);
    }
    keyTip_ = CreateWindowExW(0, L"STATIC", Wide(KeyTipText()), WS_CHILD | SS_OWNERDRAW, 0, 0, 0, 0,
                              window_, nullptr, instance, nullptr);
}

// What a screen reader calls a control: the caption that names it, or a
// name of its own. Controls without a caption of their own have no window
// text to be read, so the name is annotated on them.
void Window::nameControl(std::size_t row) {
    const layout::ControlRow& r = layout::kRows[row];
    std::u16string name(r.spokenName);
    if (name.empty() && !r.labelledBy.empty())
        name = layout::kRows[layout::RowIndexOf(r.labelledBy)].text;
    if (name.empty() || !controls_[row]) return;
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services))))
        return;
    services->SetHwndPropStr(controls_[row], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_NAME, Wide(name));
    services->Release();
}

// Plain text, no undo: the boxes hold names, and a RichEdit keeping either
// writes a long list at half the speed.
void Window::setUpBox(std::size_t row, std::u16string_view text) {
    HWND box = controls_[row];
    SetWindowTextW(box, L"");
    SendMessageW(box, EM_SETTEXTMODE, TM_PLAINTEXT | TM_SINGLELEVELUNDO, 0);
    SendMessageW(box, EM_SETUNDOLIMIT, 0, 0);
    SetWindowTextW(box, Wide(text).c_str());
    SetWindowSubclass(box, BoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
    applyBoxLook(row);
}

// A fresh result box in place of the old one: wine's RichEdit takes 120 ms
// to empty itself of 1,700 lines, and 6 ms to be destroyed.
void Window::renewResultBox() {
    const std::size_t row = form::Text5.row;
    HWND old = controls_[row];
    const bool focused = GetFocus() == old;
    controls_[row] =
        createControl(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)), row);
    SetWindowPos(controls_[row], old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    placeControl(row);
    SendMessageW(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[row].get()), FALSE);
    EnableWindow(controls_[row], IsWindowEnabled(old));
    setUpBox(row, u"");
    nameControl(row);
    if (focused) SetFocus(controls_[row]);
    DestroyWindow(old);
}

HWND Window::createControl(HINSTANCE instance, std::size_t row) {
    const layout::ControlRow& r = layout::kRows[row];
    const wchar_t* type = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD extended = 0;
    std::u16string text(r.text);
    switch (r.kind) {
        case Kind::Timer:
        case Kind::Frame:  // draws nothing; its options are placed inside its box
        case Kind::Line:   // painted by the window
            return nullptr;
        case Kind::DropDown:
            type = L"COMBOBOX";
            style |=
                WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
            // Mirrored alone, a drop-down has its arrow on the left, as the
            // design draws it.
            extended = WS_EX_LAYOUTRTL;
            break;
        case Kind::OptionButton:
            type = L"BUTTON";
            style |= WS_TABSTOP | BS_RADIOBUTTON;
            break;
        case Kind::CheckBox:
            type = L"BUTTON";
            style |= WS_TABSTOP | BS_CHECKBOX;
            break;
        case Kind::CommandButton:
            type = L"BUTTON";
            style |= WS_TABSTOP | BS_OWNERDRAW;
            break;
        case Kind::TextBox:
            if (r.decorative) {
                style |= SS_OWNERDRAW;
                break;
            }
            type = MSFTEDIT_CLASS;
            style |= WS_TABSTOP | ES_AUTOHSCROLL;
            break;
        case Kind::ResultBox:
            type = MSFTEDIT_CLASS;
            style |= WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                     ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_DISABLENOSCROLL;
            extended = WS_EX_CLIENTEDGE | WS_EX_LEFTSCROLLBAR;
            break;
        case Kind::Label:
        case Kind::Picture:
            if (r.link) {
                // A link takes the focus and Space as a button does.
                type = L"BUTTON";
                style |= WS_TABSTOP | BS_OWNERDRAW;
                text = r.spokenName;
            } else {
                style |= SS_OWNERDRAW | SS_NOTIFY;
            }
            break;
    }
    return CreateWindowExW(extended, type, Wide(text), style, 0, 0, 0, 0, window_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(row))), instance,
                           nullptr);
}

void Window::loadPictures(HINSTANCE instance) {
    const layout::Box photo = layout::RowId("Image1").row().box;
    photo_ = LoadPicture(instance, L"PHOTO", pixels(photo.width), pixels(photo.height),
                         GetSysColor(COLOR_BTNFACE));
    const layout::Box help = layout::RowId("Image2").row().box;
    question_ = LoadPicture(instance, L"QUESTION", pixels(help.width), pixels(help.height),
                            GetSysColor(COLOR_BTNFACE));
}

void Window::applyLayout() {
    for (std::size_t row = 0; row < layout::kRows.size(); ++row)
        if (controls_[row]) placeControl(row);
}

void Window::placeControl(std::size_t row) {
    const layout::Box frame = layout::RowId("Frame1").row().box;
    const layout::ControlRow& r = layout::kRows[row];
    const int left = r.box.left + (r.inFrame ? frame.left : 0);
    const int top = r.box.top + (r.inFrame ? frame.top : 0);
    int height = pixels(r.box.height);
    if (r.kind == Kind::DropDown) {
        // The field is the box; the list opens below it.
        const int field = height - GetSystemMetricsForDpi(SM_CYEDGE, dpi_) * 2 - 2;
        SendMessageW(controls_[row], CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
        SendMessageW(controls_[row], CB_SETITEMHEIGHT, 0, field);
        height += field * 8;
    }
    SetWindowPos(controls_[row], nullptr, pixels(left), pixels(top), pixels(r.box.width), height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::applyFonts() {
    for (std::size_t row = 0; row < layout::kRows.size(); ++row) {
        const layout::ControlRow& r = layout::kRows[row];
        if (!controls_[row] || !r.font) continue;
        fonts_[row].reset(CreateFontW(-static_cast<int>(std::lround(r.font->points * dpi_ / 72)), 0,
                                      0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                      OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                      DEFAULT_PITCH, FaceOf(r.font->face)));
        SendMessageW(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[row].get()), TRUE);
        if (IsRichEdit(row)) applyBoxLook(row);
    }
    messageFont_.reset(CreateFontW(
        -static_cast<int>(std::lround(layout::kPersian975.points * dpi_ / 72)), 0, 0, 0, FW_NORMAL,
        FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
        DEFAULT_PITCH, FaceOf(layout::Face::IranSansZ)));
}

// A RichEdit's colours, its paragraphs right to left, and the changes it
// reports.
void Window::applyBoxLook(std::size_t row) {
    const layout::ControlRow& r = layout::kRows[row];
    HWND box = controls_[row];
    SendMessageW(box, EM_SETEVENTMASK, 0, ENM_CHANGE);
    SendMessageW(box, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(colourOf(back_[row])));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = colourOf(r.fore.value_or(layout::kWindowText));
    SendMessageW(box, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    SendMessageW(box, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    if (r.kind == Kind::ResultBox) SendMessageW(box, EM_SETTARGETDEVICE, 0, 1);  // no wrapping
    // A little room between the text and the box's edges.
    const int margin = MulDiv(3, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
    applyRightToLeft(box);
}

// Every paragraph right to left: a RichEdit under wine has no default for it.
void Window::applyRightToLeft(HWND box) {
    PARAFORMAT2 paragraph{};
    paragraph.cbSize = sizeof paragraph;
    paragraph.dwMask = PFM_RTLPARA | PFM_ALIGNMENT;
    paragraph.wEffects = PFE_RTLPARA;
    paragraph.wAlignment = PFA_RIGHT;
    CHARRANGE kept{};
    SendMessageW(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    CHARRANGE all{0, -1};
    SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
    SendMessageW(box, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
    SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
}

void Window::Show(int how) {
    ShowWindow(window_, how);
    UpdateWindow(window_);
    // The window opens with the focus in the mother's name box.
    SetFocus(controls_[form::TabOrder().front()]);
}

int Window::Run() {
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        if (PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

bool Window::PreTranslate(const MSG& msg) {
    if (msg.hwnd != window_ && !IsChild(window_, msg.hwnd)) return false;
    const bool alt = GetKeyState(VK_MENU) < 0, control = GetKeyState(VK_CONTROL) < 0;
    // Alt alone shows the prefix switch's key over its caption while held.
    switch (msg.message) {
        case WM_SYSKEYDOWN:
        case WM_KEYDOWN:
            showKeyTip(msg.wParam == VK_MENU && !control);
            break;
        case WM_SYSKEYUP:
        case WM_KEYUP:
        case WM_LBUTTONDOWN:
            showKeyTip(false);
            break;
        default:
            break;
    }
    switch (msg.message) {
        case WM_KEYDOWN:
            if (msg.wParam == VK_TAB && !alt && !control) {
                moveFocus(GetKeyState(VK_SHIFT) >= 0);
                return true;
            }
            if (msg.wParam == VK_RETURN) {
                const std::size_t row = rowOf(msg.hwnd);
                if (row == form::kNoRow) return false;
                switch (layout::kRows[row].kind) {
                    case Kind::TextBox:
                        report(row, form::Event::Return);
                        return true;
                    case Kind::CommandButton:
                        report(row, form::Event::Click);
                        return true;
                    case Kind::Label:
                    case Kind::Picture:
                        if (!IsLink(row)) return false;
                        report(row, form::Event::Click);
                        return true;
                    case Kind::Timer:
                    case Kind::DropDown:
                    case Kind::Frame:
                    case Kind::OptionButton:
                    case Kind::ResultBox:
                    case Kind::CheckBox:
                    case Kind::Line:
                        return false;
                }
            }
            return false;
        case WM_SYSKEYDOWN:
        case WM_SYSCHAR:
            for (const form::EventRow& e : form::kEvents) {
                if (e.event != form::Event::Shortcut) continue;
                if (msg.message == WM_SYSKEYDOWN && msg.wParam == static_cast<WPARAM>(e.key)) {
                    report(e.row, form::Event::Shortcut);
                    return true;
                }
                // The character that follows the key would only beep.
                if (msg.message == WM_SYSCHAR &&
                    std::towupper(static_cast<wint_t>(msg.wParam)) == static_cast<wint_t>(e.key))
                    return true;
            }
            return false;
        default:
            return false;
    }
}

void Window::showKeyTip(bool show) {
    if (show == IsWindowVisible(keyTip_)) return;
    if (show) {
        const layout::Box over = layout::kRows[KeyTipRow()].box;
        HDC dc = GetDC(keyTip_);
        SIZE size;
        {
            Selected font(dc, messageFont_.get());
            size = MeasureCaption(dc, KeyTipText(), false);
        }
        ReleaseDC(keyTip_, dc);
        const int width = size.cx + MulDiv(8, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
        const int height = pixels(over.height);
        SetWindowPos(keyTip_, HWND_TOP, pixels(over.left + over.width / 2) - width / 2,
                     pixels(over.top) - height, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
        ShowWindow(keyTip_, SW_HIDE);
    }
}

void Window::report(std::size_t row, form::Event event, int index, std::u16string_view text) {
    ++reporting_;
    form_.Report({row, event, index, text});
    if (--reporting_ == 0) flushResult();
}

std::size_t Window::rowOf(HWND control) const {
    const auto at = std::find(controls_.begin(), controls_.end(), control);
    if (!control || at == controls_.end()) return form::kNoRow;
    return static_cast<std::size_t>(at - controls_.begin());
}

// Tab skips what cannot take the focus now: a control switched off, or one
// the narrowed window hides.
bool Window::takesFocus(std::size_t row) const {
    HWND c = controls_[row];
    if (!c || !IsWindowEnabled(c) || !IsWindowVisible(c)) return false;
    RECT box, client;
    GetWindowRect(c, &box);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&box), 2);
    GetClientRect(window_, &client);
    return box.right <= client.right;
}

void Window::moveFocus(bool forward) {
    const std::vector<std::size_t> order = form::TabOrder();
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    const auto found = std::find(order.begin(), order.end(), rowOf(GetFocus()));
    std::ptrdiff_t at = found == order.end() ? (forward ? -1 : 0) : found - order.begin();
    for (std::ptrdiff_t step = 0; step < n; ++step) {
        at = ((forward ? at + 1 : at - 1) % n + n) % n;
        const std::size_t row = order[static_cast<std::size_t>(at)];
        if (!takesFocus(row)) continue;
        SetFocus(controls_[row]);
        if (layout::kRows[row].kind == Kind::TextBox)
            SendMessageW(controls_[row], EM_SETSEL, 0, -1);
        return;
    }
}

// What the user typed, pasted or dropped goes through the form's rule for
// name boxes before the form hears of it.
void Window::edited(std::size_t row) {
    if (quiet_) return;
    HWND box = controls_[row];
    const std::u16string after = WindowText(box);
    CHARRANGE caret{};
    SendMessageW(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const BoxEdit edit =
        form_.controls().TypedText(row, after, static_cast<std::size_t>(std::max(0L, caret.cpMax)));
    if (edit.text != after) {
        setBoxText(row, edit.text);
        CHARRANGE at{static_cast<LONG>(edit.cursor), static_cast<LONG>(edit.cursor)};
        SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&at));
    }
    if (edit.text != form_.controls().State(row).text)
        report(row, form::Event::Change, 0, edit.text);
}

void Window::setBoxText(std::size_t row, std::u16string_view text) {
    quiet_ = true;
    HWND box = controls_[row];
    const std::u16string value(text);
    // Laid out once, when drawn, not at each step.
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SetWindowTextW(box, Wide(value));
    applyRightToLeft(box);
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
    quiet_ = false;
}

void Window::flushResult() {
    if (!resultBehind_) return;
    resultBehind_ = false;
    setBoxText(form::Text5.row, result_);
}

void Window::ShowText(std::size_t row, std::u16string_view text) {
    switch (layout::kRows[row].kind) {
        case Kind::TextBox:
            setBoxText(row, text);
            return;
        case Kind::ResultBox:
            if (text.empty() && !result_.empty()) renewResultBox();
            result_ = text;
            resultBehind_ = false;
            resultShownLines_ =
                static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\n'));
            setBoxText(row, text);
            return;
        case Kind::Label: {
            const std::u16string value(text);
            SetWindowTextW(controls_[row], Wide(value));
            InvalidateRect(controls_[row], nullptr, FALSE);
            return;
        }
        case Kind::Timer:
        case Kind::DropDown:
        case Kind::Frame:
        case Kind::OptionButton:
        case Kind::CommandButton:
        case Kind::CheckBox:
        case Kind::Picture:
        case Kind::Line:
            return;
    }
}

void Window::AppendText(std::size_t, std::u16string_view text) {
    result_ += text;
    resultBehind_ = true;
}

// Until the result box is full each repaint sets its text; once it is, the
// rest is set when the handler is done: a RichEdit takes seconds to be
// appended to 170 times.
void Window::Repaint(std::size_t row) {
    if (resultShownLines_ > linesInView()) return;
    resultBehind_ = false;
    resultShownLines_ = static_cast<std::size_t>(std::count(result_.begin(), result_.end(), u'\n'));
    setBoxText(row, result_);
    UpdateWindow(controls_[row]);
}

std::size_t Window::linesInView() const {
    HWND box = controls_[form::Text5.row];
    HDC dc = GetDC(box);
    TEXTMETRICW metrics{};
    {
        Selected font(dc, fonts_[form::Text5.row].get());
        GetTextMetricsW(dc, &metrics);
    }
    ReleaseDC(box, dc);
    RECT inside;
    GetClientRect(box, &inside);
    return static_cast<std::size_t>(inside.bottom / std::max(1L, metrics.tmHeight));
}

void Window::ScrollToStart(std::size_t row) {
    flushResult();
    HWND box = controls_[row];
    CHARRANGE start{0, 0};
    SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
    SendMessageW(box, WM_VSCROLL, SB_TOP, 0);
    // A right-to-left line starts at its right-hand end.
    SendMessageW(box, WM_HSCROLL, SB_RIGHT, 0);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

void Window::ShowBackColour(std::size_t row, layout::Colour colour) {
    back_[row] = colour;
    if (IsRichEdit(row))
        SendMessageW(controls_[row], EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(colourOf(colour)));
    InvalidateRect(controls_[row], nullptr, TRUE);
}

void Window::ShowEnabled(std::size_t row, bool enabled) {
    EnableWindow(controls_[row], enabled ? TRUE : FALSE);
}

void Window::Focus(std::size_t row) {
    SetFocus(controls_[row]);
}

void Window::ShowItems(std::size_t row, const std::vector<std::u16string>& items, int chosen) {
    HWND list = controls_[row];
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& item : items)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item)));
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void Window::ShowValue(std::size_t row, bool on) {
    SendMessageW(controls_[row], BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Window::ShowOuterWidth(double twips) {
    outerTwips_ = twips;
    RECT outer;
    GetWindowRect(window_, &outer);
    SetWindowPos(window_, nullptr, 0, 0, static_cast<int>(std::lround(twips * dpi_ / 1440)),
                 outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::ShowPointer(form::Pointer pointer) {
    busy_ = pointer == form::Pointer::Hourglass;
    SetCursor(LoadCursorW(nullptr, busy_ ? IDC_WAIT : IDC_ARROW));
}

void Window::RunTimer(bool running) {
    // Setting a running timer again starts its period anew.
    if (running)
        SetTimer(window_, kTimerId, layout::kTimerIntervalMs, nullptr);
    else
        KillTimer(window_, kTimerId);
}

void Window::ShowMessage(const form::Message& message) {
    RunMessageBox(window_, message, {messageFont_.get(), smallIcon_.get(), dpi_});
    report(form::kNoRow, form::Event::Closed);
}

void Window::OpenAddress(std::string_view address) {
    const std::wstring wide(address.begin(), address.end());
    ShellExecuteW(window_, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

double Window::FrameTwips() const {
    RECT outer, client;
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    return ((outer.right - outer.left) - (client.right - client.left)) * 1440.0 / dpi_;
}

int Window::SystemCodePage() const {
    return delvarin::SystemCodePage();
}

bool Window::HasFont(std::u16string_view face) const {
    return FontListed(HKEY_LOCAL_MACHINE, face) || FontListed(HKEY_CURRENT_USER, face);
}

// For this program alone: no administrator, nothing left behind.
void Window::InstalFont(std::u16string_view fileName) {
    const std::wstring path = ProgramFolder() + Wide(fileName);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    if (AddFontResourceExW(path.c_str(), FR_PRIVATE, nullptr) > 0) applyFonts();
}

COLORREF Window::colourOf(layout::Colour colour) const {
    if (const auto role = layout::SystemColourOf(colour)) {
        switch (*role) {
            case layout::SystemColour::WindowText:
                return GetSysColor(COLOR_WINDOWTEXT);
            case layout::SystemColour::ActiveBorder:
                return GetSysColor(COLOR_ACTIVEBORDER);
            case layout::SystemColour::ButtonFace:
                return GetSysColor(COLOR_BTNFACE);
        }
    }
    // The design's colours are Windows' own: red in the low byte.
    return static_cast<COLORREF>(colour & 0xFFFFFF);
}

HBRUSH Window::brushOf(layout::Colour colour) {
    return colour == layout::kLightYellow ? yellow_.get() : GetSysColorBrush(COLOR_BTNFACE);
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, w, l) : DefWindowProcW(window, message, w, l);
}

LRESULT Window::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND: {
            const std::size_t row = rowOf(reinterpret_cast<HWND>(l));
            if (row == form::kNoRow) break;
            const WORD code = HIWORD(w);
            switch (layout::kRows[row].kind) {
                case Kind::TextBox:
                    if (code == EN_CHANGE) edited(row);
                    break;
                case Kind::DropDown:
                    if (code == CBN_SELCHANGE)
                        report(row, form::Event::Click,
                               static_cast<int>(SendMessageW(controls_[row], CB_GETCURSEL, 0, 0)));
                    break;
                case Kind::Label:
                case Kind::Picture:
                    // A caption clicked twice quickly was clicked twice.
                    if (code == STN_CLICKED || (code == STN_DBLCLK && !IsLink(row)))
                        report(row, form::Event::Click);
                    break;
                case Kind::OptionButton:
                case Kind::CheckBox:
                case Kind::CommandButton:
                    if (code == BN_CLICKED) report(row, form::Event::Click);
                    break;
                case Kind::Timer:
                case Kind::Frame:
                case Kind::ResultBox:
                case Kind::Line:
                    break;
            }
            return 0;
        }
        case WM_TIMER:
            if (w == kTimerId) report(form::kTimer1, form::Event::Tick);
            return 0;
        case WM_DRAWITEM:
            drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
            return TRUE;
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
            item->itemHeight = static_cast<UINT>(
                pixels(layout::kRows[item->CtlID - kFirstControlId].box.height) - 6);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            SetBkColor(reinterpret_cast<HDC>(w), GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        case WM_SETCURSOR: {
            if (busy_) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            const std::size_t row = rowOf(reinterpret_cast<HWND>(w));
            if (row != form::kNoRow && layout::kRows[row].pointer == layout::Pointer::Help) {
                SetCursor(LoadCursorW(nullptr, IDC_HELP));
                return TRUE;
            }
            break;
        }
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window_, &ps);
            paint(dc, ps.rcPaint);
            EndPaint(window_, &ps);
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(w) == WA_INACTIVE) showKeyTip(false);
            break;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(w);
            const auto* suggested = reinterpret_cast<const RECT*>(l);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            loadPictures(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)));
            applyLayout();
            applyFonts();
            ShowOuterWidth(outerTwips_);
            InvalidateRect(window_, nullptr, TRUE);
            return 0;
        }
        case WM_CLOSE:
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            KillTimer(window_, kTimerId);
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            HWND gone = std::exchange(window_, nullptr);
            return DefWindowProcW(gone, message, w, l);
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, w, l);
}

// The result box answers with its text as the form wrote it, whole even
// while the form is still writing and the box holds only its first screen.
LRESULT CALLBACK Window::BoxProc(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                 DWORD_PTR self) {
    return reinterpret_cast<Window*>(self)->boxMessage(box, message, w, l);
}

LRESULT Window::boxMessage(HWND box, UINT message, WPARAM w, LPARAM l) {
    if (box != controls_[form::Text5.row]) return DefSubclassProc(box, message, w, l);
    switch (message) {
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(result_.size());
        case WM_GETTEXT: {
            if (w == 0) return 0;
            const std::size_t n = std::min<std::size_t>(result_.size(), w - 1);
            auto* to = reinterpret_cast<wchar_t*>(l);
            std::copy_n(result_.begin(), n, to);
            to[n] = L'\0';
            return static_cast<LRESULT>(n);
        }
        default:
            return DefSubclassProc(box, message, w, l);
    }
}

void Window::paint(HDC dc, const RECT& dirty) {
    FillRect(dc, &dirty, GetSysColorBrush(COLOR_BTNFACE));
    for (const layout::ControlRow& r : layout::kRows) {
        if (r.kind != Kind::Line) continue;
        const int width =
            MulDiv(layout::kLineWidthPx, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
        Pen pen(CreatePen(PS_SOLID, width, colourOf(*r.fore)));
        Selected chosen(dc, pen.get());
        MoveToEx(dc, pixels(r.ends.x1), pixels(r.ends.y1), nullptr);
        LineTo(dc, pixels(r.ends.x2), pixels(r.ends.y2));
    }
}

void Window::paintBeneath(HDC dc, HWND control, const RECT& area) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (!photo_) return;
    POINT origin{0, 0};
    MapWindowPoints(control, window_, &origin, 1);
    const layout::Box photo = layout::RowId("Image1").row().box;
    HDC source = CreateCompatibleDC(dc);
    {
        Selected picture(source, photo_.get());
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source,
               origin.x + area.left - pixels(photo.left), origin.y + area.top - pixels(photo.top),
               SRCCOPY);
    }
    DeleteDC(source);
}

void Window::drawItem(const DRAWITEMSTRUCT& item) {
    if (item.hwndItem == keyTip_) {
        RECT box = item.rcItem;
        FillRect(item.hDC, &box, GetSysColorBrush(COLOR_INFOBK));
        FrameRect(item.hDC, &box, GetSysColorBrush(COLOR_INFOTEXT));
        Selected font(item.hDC, messageFont_.get());
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(COLOR_INFOTEXT));
        DrawCaption(item.hDC, KeyTipText(), box, layout::Align::Centre, false);
        return;
    }
    const std::size_t row = rowOf(item.hwndItem);
    if (row == form::kNoRow) return;
    switch (item.CtlType) {
        case ODT_COMBOBOX:
            drawChoice(item, row);
            return;
        case ODT_BUTTON:
            if (layout::kRows[row].kind == Kind::CommandButton)
                DrawPushButton(item, layout::kRows[row].text, fonts_[row].get(),
                               layout::kRows[row].rightToLeft);
            else
                drawLink(item, row);
            return;
        case ODT_STATIC:
            drawCaption(item, row);
            return;
        default:
            return;
    }
}

void Window::drawCaption(const DRAWITEMSTRUCT& item, std::size_t row) {
    const layout::ControlRow& r = layout::kRows[row];
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    if (r.kind == Kind::TextBox) {
        // A framing box behind a name box: its colour and sunken edge.
        FillRect(dc, &box, brushOf(back_[row]));
        DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT);
        return;
    }
    if (r.transparent || r.kind == Kind::Picture)
        paintBeneath(dc, item.hwndItem, box);
    else
        FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    const std::u16string text = WindowText(item.hwndItem);
    if (text.empty() || r.kind == Kind::Picture) return;
    Selected font(dc, fonts_[row] ? fonts_[row].get() : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourOf(r.fore.value_or(layout::kWindowText)));
    DrawCaption(dc, text, box, r.align, r.rightToLeft);
}

void Window::drawChoice(const DRAWITEMSTRUCT& item, std::size_t row) {
    const layout::ControlRow& r = layout::kRows[row];
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    const bool picked = (item.itemState & ODS_SELECTED) && !(item.itemState & ODS_COMBOBOXEDIT);
    const bool enabled = IsWindowEnabled(item.hwndItem);
    FillRect(dc, &box, picked ? GetSysColorBrush(COLOR_HIGHLIGHT) : brushOf(back_[row]));
    if (item.itemID != static_cast<UINT>(-1)) {
        const auto length = SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0);
        std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID,
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, !enabled ? GetSysColor(COLOR_GRAYTEXT)
                         : picked ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                  : colourOf(r.fore.value_or(layout::kWindowText)));
        Selected font(dc, fonts_[row].get());
        RECT inside = box;
        InflateRect(&inside, -MulDiv(4, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI), 0);
        // An item spans the mirrored drop-down's width: drawn unmirrored, it
        // stands where it is, and its text reads from the right.
        const DWORD mirrored = GetLayout(dc);
        SetLayout(dc, 0);
        DrawCaption(dc, Text(text), inside, layout::Align::Right, true);
        SetLayout(dc, mirrored);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT))
        DrawFocusRect(dc, &box);
}

void Window::drawLink(const DRAWITEMSTRUCT& item, std::size_t row) {
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    if (layout::kRows[row].kind == Kind::Picture && question_) {
        HDC source = CreateCompatibleDC(dc);
        {
            Selected picture(source, question_.get());
            BitBlt(dc, 0, 0, box.right, box.bottom, source, 0, 0, SRCCOPY);
        }
        DeleteDC(source);
    } else {
        paintBeneath(dc, item.hwndItem, box);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &box);
}

}  // namespace delvarin::win32
