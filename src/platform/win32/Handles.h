#pragma once

#include <utility>

#include "platform/win32/Win32.h"

namespace ruvo::win32 {

// Owns one OS handle and releases it once; moves, never copies.
template <typename T, auto Release>
class Unique {
  public:
    Unique() = default;
    explicit Unique(T handle) noexcept : handle_(handle) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, T{})) {}
    Unique& operator=(Unique&& other) noexcept {
        reset(std::exchange(other.handle_, T{}));
        return *this;
    }
    ~Unique() { reset(); }

    T get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != T{}; }
    // Gives up ownership, for a handle the OS has already released.
    T release() noexcept { return std::exchange(handle_, T{}); }
    void reset(T handle = T{}) noexcept {
        if (handle_ != T{}) {
            Release(handle_);
        }
        handle_ = handle;
    }

  private:
    T handle_{};
};

inline void CloseFileHandle(HANDLE handle) noexcept {
    if (handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle);
    }
}

using UniqueBitmap = Unique<HBITMAP, &::DeleteObject>;
using UniqueFont = Unique<HFONT, &::DeleteObject>;
using UniqueDc = Unique<HDC, &::DeleteDC>;
using UniqueWindow = Unique<HWND, &::DestroyWindow>;
using UniqueMenu = Unique<HMENU, &::DestroyMenu>;
using UniqueGlobal = Unique<HGLOBAL, &::GlobalFree>;

// A file handle: INVALID_HANDLE_VALUE, not null, marks a failed open.
class UniqueFile {
  public:
    explicit UniqueFile(HANDLE handle) noexcept : handle_(handle) {}
    UniqueFile(const UniqueFile&) = delete;
    UniqueFile& operator=(const UniqueFile&) = delete;
    ~UniqueFile() { CloseFileHandle(handle_); }

    HANDLE get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ::ReleaseDC(window_, dc_);
        }
    }

    HDC get() const noexcept { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class SelectionGuard {
  public:
    SelectionGuard(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectionGuard(const SelectionGuard&) = delete;
    SelectionGuard& operator=(const SelectionGuard&) = delete;
    ~SelectionGuard() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            ::SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint ... EndPaint.
class PaintScope {
  public:
    explicit PaintScope(HWND window) noexcept : window_(window) { ::BeginPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { ::EndPaint(window_, &paint_); }

    const PAINTSTRUCT& get() const noexcept { return paint_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

}  // namespace ruvo::win32
