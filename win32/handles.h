// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Owners of the Windows handles the window holds: each frees its handle once,
// when it goes or takes another.

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

namespace delvarin::win32 {

template <class Handle, void (*Free)(Handle)>
class Owner {
public:
    Owner() = default;
    explicit Owner(Handle handle) : handle_(handle) {}
    Owner(Owner&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owner& operator=(Owner&& other) noexcept {
        reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    ~Owner() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_) Free(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

template <class Handle>
void FreeGdiObject(Handle object) {
    DeleteObject(object);
}
inline void FreeIcon(HICON icon) {
    DestroyIcon(icon);
}
inline void FreeWindow(HWND window) {
    DestroyWindow(window);
}

using Font = Owner<HFONT, FreeGdiObject<HFONT>>;
using Brush = Owner<HBRUSH, FreeGdiObject<HBRUSH>>;
using Pen = Owner<HPEN, FreeGdiObject<HPEN>>;
using Bitmap = Owner<HBITMAP, FreeGdiObject<HBITMAP>>;
using Icon = Owner<HICON, FreeIcon>;
using OwnedWindow = Owner<HWND, FreeWindow>;

// On Windows a wchar_t is a UTF-16 unit: the form's texts pass as they are.
inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}
inline std::u16string Text(std::wstring_view text) {
    return {text.begin(), text.end()};
}

// A window's whole text.
inline std::u16string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Text(text);
}

// A selected GDI object, put back when the painting is done.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace delvarin::win32
