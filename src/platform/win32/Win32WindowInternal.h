// What the main window's source files share and nothing else includes.
#pragma once

#include "platform/win32/Win32Window.h"

namespace ruvo::win32 {

// The window's own resolution in dots per inch; 0 where the system keeps one
// for the whole screen. GetDpiForWindow is looked up at run time, so that the
// program still starts on systems that lack it.
inline UINT WindowDpi(HWND window) {
    using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowProc>(reinterpret_cast<void (*)()>(
            ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
}

// A system metric in pixels at the window's resolution, where the system
// can tell one; GetSystemMetricsForDpi is looked up as GetDpiForWindow is.
inline int WindowMetric(HWND window, int index) {
    using GetSystemMetricsForDpiProc = int(WINAPI*)(int, UINT);
    static const auto getSystemMetricsForDpi =
        reinterpret_cast<GetSystemMetricsForDpiProc>(reinterpret_cast<void (*)()>(
            ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    const UINT dpi = WindowDpi(window);
    return getSystemMetricsForDpi != nullptr && dpi != 0 ? getSystemMetricsForDpi(index, dpi)
                                                         : ::GetSystemMetrics(index);
}

// The buffer as the client area shows it: as large as the client area, and
// every change painted on the screen when the system next asks.
class Win32Window::Client final : public GdiSurface {
  public:
    explicit Client(Win32Window& window) noexcept
        : GdiSurface(window.buffer_.get(), window.resolution_, {}, ::GetSysColor(COLOR_WINDOW),
                     ::GetSysColor(COLOR_BTNTEXT)),
          window_(window) {}

    float Width() override { return window_.ClientWidth(); }
    float Height() override { return window_.ClientHeight(); }
    void Clear() override {
        GdiSurface::Clear();
        window_.Invalidate();
    }
    void Fill(const platform::Area& area, platform::Colour colour) override {
        GdiSurface::Fill(area, colour);
        window_.Invalidate();
    }
    void Text(const platform::Font& font, float x, float y, std::u16string_view text) override {
        GdiSurface::Text(font, x, y, text);
        window_.Invalidate();
    }

  private:
    Win32Window& window_;
};

// Here, not in one source file: the message procedure and the scrolling input both raise events.
template <typename Event>
void Win32Window::Raise(Event event) noexcept {
    // A modal chooser or message box pumps messages while a handler runs;
    // events that slip through then wait for nobody and are dropped, all but
    // a clipboard change, which is heard once the handler has finished.
    if (events_ == nullptr || inHandler_) {
        return;
    }
    inHandler_ = true;
    event();
    inHandler_ = false;
    if (clipboardPending_) {
        ClipboardChanged();
    }
}

}  // namespace ruvo::win32
