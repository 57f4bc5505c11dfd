// The main window's geometry: outer and client sizes, room in the work area, DPI, placement.
#include "platform/win32/Win32Window.h"

#include <algorithm>

#include "platform/win32/Twips.h"
#include "platform/win32/Win32WindowInternal.h"

namespace ruvo::win32 {

SIZE Win32Window::OuterPixels() const {
    RECT outer{};
    if (::IsIconic(window_.get())) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        ::GetWindowPlacement(window_.get(), &placement);
        outer = placement.rcNormalPosition;
    } else {
        ::GetWindowRect(window_.get(), &outer);
    }
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

void Win32Window::ResizeOuter(SIZE pixels) {
    ::SetWindowPos(window_.get(), nullptr, 0, 0, std::max(pixels.cx, LONG{0}),
                   std::max(pixels.cy, LONG{0}), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE Win32Window::RoomInWorkArea() const {
    RECT outer{};
    ::GetWindowRect(window_.get(), &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(window_.get(), MONITOR_DEFAULTTONEAREST), &monitor);
    return SIZE{monitor.rcWork.right - outer.left, monitor.rcWork.bottom - outer.top};
}

float Win32Window::Width() {
    return PixelsToTwips(OuterPixels().cx, twipsPerPixelX_);
}

void Win32Window::SetWidth(float twips) {
    SIZE size = OuterPixels();
    size.cx = TwipsToPixels(twips, twipsPerPixelX_);
    ResizeOuter(size);
}

float Win32Window::Height() {
    return PixelsToTwips(OuterPixels().cy, twipsPerPixelY_);
}

void Win32Window::SetHeight(float twips) {
    SIZE size = OuterPixels();
    size.cy = TwipsToPixels(twips, twipsPerPixelY_);
    ResizeOuter(size);
}

float Win32Window::ScaleWidth() {
    RECT client{};
    ::GetClientRect(window_.get(), &client);
    return PixelsToTwips(client.right, twipsPerPixelX_);
}

float Win32Window::ScaleHeight() {
    RECT client{};
    ::GetClientRect(window_.get(), &client);
    return PixelsToTwips(client.bottom, twipsPerPixelY_);
}

float Win32Window::AvailableWidth() {
    return PixelsToTwips(RoomInWorkArea().cx, twipsPerPixelX_);
}

float Win32Window::AvailableHeight() {
    return PixelsToTwips(RoomInWorkArea().cy, twipsPerPixelY_);
}

float Win32Window::SmallestWidth() {
    // The system's smallest window with a caption shows its buttons whole.
    return std::max(menuBarWidth_,
                    PixelsToTwips(WindowMetric(window_.get(), SM_CXMIN), twipsPerPixelX_));
}

void Win32Window::SetDpi(UINT x, UINT y) noexcept {
    twipsPerPixelX_ = TwipsPerPixel(static_cast<int>(x));
    twipsPerPixelY_ = TwipsPerPixel(static_cast<int>(y));
}

float Win32Window::TwipsPerPixelX() {
    return twipsPerPixelX_;
}

void Win32Window::SetWindowPos(platform::Handle window, platform::Handle insertAfter,
                               std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy,
                               std::uint32_t flags) {
    ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, cx, cy, flags);
}

}  // namespace ruvo::win32
