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
    return PixelsToTwips(OuterPixels().cx, resolution_.x);
}

void Win32Window::SetWidth(float twips) {
    SIZE size = OuterPixels();
    size.cx = TwipsToPixels(twips, resolution_.x);
    ResizeOuter(size);
}

float Win32Window::Height() {
    return PixelsToTwips(OuterPixels().cy, resolution_.y);
}

void Win32Window::SetHeight(float twips) {
    SIZE size = OuterPixels();
    size.cy = TwipsToPixels(twips, resolution_.y);
    ResizeOuter(size);
}

float Win32Window::ClientWidth() {
    RECT client{};
    ::GetClientRect(window_.get(), &client);
    return PixelsToTwips(client.right, resolution_.x);
}

float Win32Window::ClientHeight() {
    RECT client{};
    ::GetClientRect(window_.get(), &client);
    return PixelsToTwips(client.bottom, resolution_.y);
}

float Win32Window::AvailableWidth() {
    return PixelsToTwips(RoomInWorkArea().cx, resolution_.x);
}

float Win32Window::AvailableHeight() {
    return PixelsToTwips(RoomInWorkArea().cy, resolution_.y);
}

float Win32Window::SmallestWidth() {
    // The system's smallest window with a caption shows its buttons whole.
    return std::max(menuBarWidth_,
                    PixelsToTwips(WindowMetric(window_.get(), SM_CXMIN), resolution_.x));
}

void Win32Window::SetDpi(UINT x, UINT y) noexcept {
    resolution_ = {win32::TwipsPerPixel(static_cast<int>(x)),
                   win32::TwipsPerPixel(static_cast<int>(y))};
    client_->SetResolution(resolution_);
}

float Win32Window::TwipsPerPixel() {
    return resolution_.x;
}

void Win32Window::ShowTopmost(std::int32_t widthPixels, std::int32_t heightPixels) {
    ::SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, widthPixels, heightPixels, SWP_SHOWWINDOW);
}

}  // namespace ruvo::win32
