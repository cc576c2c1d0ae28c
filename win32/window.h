// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

#include "form1.h"
#include "front_end.h"
#include "handles.h"
#include "layout.h"

namespace delvarin::win32 {

// A control's id is its row's index from here, so test tools find it by name.
inline constexpr int kFirstControlId = 1000;
inline constexpr int ControlId(std::size_t row) {
    return kFirstControlId + static_cast<int>(row);
}

// The one window in Windows' own controls: each row of the layout table made
// as its kind says, drawing the state the form gives it and reporting what
// the user does to it. Captions, links and the photograph are owner-drawn, so
// Persian reads right to left under Windows and wine alike.
class Window : public form::FrontEnd {
public:
    explicit Window(HINSTANCE instance);
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Brings every control to its starting state, before the window shows.
    void Load() { form_.Form_Load(); }
    void Show(int how);
    // Runs the window's messages until it is closed; the exit code.
    int Run();
    // The keys the window takes before a control does: Tab, Return and the
    // Alt shortcut. True when the message was taken.
    bool PreTranslate(const MSG& msg);

    HWND handle() const { return window_; }
    HWND control(std::size_t row) const { return controls_[row]; }
    form::Form1& form() { return form_; }

    void ShowText(std::size_t row, std::u16string_view text) override;
    void AppendText(std::size_t row, std::u16string_view text) override;
    void Repaint(std::size_t row) override;
    void ScrollToStart(std::size_t row) override;
    void ShowBackColour(std::size_t row, layout::Colour colour) override;
    void ShowEnabled(std::size_t row, bool enabled) override;
    void Focus(std::size_t row) override;
    void ShowItems(std::size_t row, const std::vector<std::u16string>& items, int chosen) override;
    void ShowValue(std::size_t row, bool on) override;
    void ShowOuterWidth(double twips) override;
    void ShowPointer(form::Pointer pointer) override;
    void RunTimer(bool running) override;
    void ShowMessage(const form::Message& message) override;
    void OpenAddress(std::string_view address) override;
    double FrameTwips() const override;
    int SystemCodePage() const override;
    bool HasFont(std::u16string_view face) const override;
    void InstalFont(std::u16string_view fileName) override;

protected:
    void report(std::size_t row, form::Event event, int index = 0, std::u16string_view text = {});

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                    DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    LRESULT boxMessage(HWND box, UINT message, WPARAM w, LPARAM l);

    void createWindow(HINSTANCE instance);
    void createControls(HINSTANCE instance);
    HWND createControl(HINSTANCE instance, std::size_t row);
    void setUpBox(std::size_t row, std::u16string_view text);
    void nameControl(std::size_t row);
    void renewResultBox();
    void applyLayout();
    void placeControl(std::size_t row);
    void applyFonts();
    void applyBoxLook(std::size_t row);
    void applyRightToLeft(HWND box);
    void loadPictures(HINSTANCE instance);

    void paint(HDC dc, const RECT& dirty);
    // What lies under a control that paints no background: the window's face
    // and the photograph.
    void paintBeneath(HDC dc, HWND control, const RECT& area);
    void drawItem(const DRAWITEMSTRUCT& item);
    void drawCaption(const DRAWITEMSTRUCT& item, std::size_t row);
    void drawChoice(const DRAWITEMSTRUCT& item, std::size_t row);
    void drawLink(const DRAWITEMSTRUCT& item, std::size_t row);

    void edited(std::size_t row);
    void setBoxText(std::size_t row, std::u16string_view text);
    // The result box's text as the form wrote it, set at once where the box
    // was left behind.
    void flushResult();
    std::size_t linesInView() const;
    void moveFocus(bool forward);
    void showKeyTip(bool show);
    bool takesFocus(std::size_t row) const;
    std::size_t rowOf(HWND control) const;

    int pixels(int twips) const { return MulDiv(twips, static_cast<int>(dpi_), 1440); }
    COLORREF colourOf(layout::Colour colour) const;
    HBRUSH brushOf(layout::Colour colour);

    form::Form1 form_{*this};
    HWND window_ = nullptr;
    std::array<HWND, layout::kRows.size()> controls_{};
    std::array<Font, layout::kRows.size()> fonts_{};
    std::array<layout::Colour, layout::kRows.size()> back_{};
    Font messageFont_;
    Icon icon_, smallIcon_;
    Bitmap photo_;  // at the size the window shows it
    Bitmap question_;
    Brush yellow_;
    HWND keyTip_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    double outerTwips_ = 0;
    bool busy_ = false;
    bool quiet_ = false;  // the program, not the user, is changing a box
    int reporting_ = 0;
    std::u16string result_;
    bool resultBehind_ = false;
    std::size_t resultShownLines_ = 0;
};

}  // namespace delvarin::win32
