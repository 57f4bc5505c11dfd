// The main window's drawing: the back buffer and the surface on it.
#include "platform/win32/Win32Window.h"

#include <algorithm>
#include <utility>

#include "platform/win32/Twips.h"
#include "platform/win32/Win32WindowInternal.h"

namespace ruvo::win32 {

void Win32Window::GrowBuffer(LONG width, LONG height) noexcept {
    if (width <= bufferSize_.cx && height <= bufferSize_.cy) {
        return;
    }
    const SIZE size{std::max(width, bufferSize_.cx), std::max(height, bufferSize_.cy)};
    WindowDc screen(nullptr);
    UniqueBitmap larger(::CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
    UniqueDc scratch(::CreateCompatibleDC(screen.get()));
    if (!larger || !scratch) {
        return;  // drawing goes on in the old buffer, clipped
    }
    {
        SelectionGuard selected(scratch.get(), larger.get());
        const RECT all{0, 0, size.cx, size.cy};
        ::FillRect(scratch.get(), &all, ::GetSysColorBrush(COLOR_WINDOW));
        ::BitBlt(scratch.get(), 0, 0, bufferSize_.cx, bufferSize_.cy, buffer_.get(), 0, 0, SRCCOPY);
    }
    // The same DC keeps the font the surface may have selected into it.
    ::SelectObject(buffer_.get(), larger.get());
    bufferBitmap_ = std::move(larger);
    bufferSize_ = size;
    client_->SetPixels(size);
}

void Win32Window::Invalidate() noexcept {
    ::InvalidateRect(window_.get(), nullptr, FALSE);
}

platform::Surface& Win32Window::ClientSurface() {
    return *client_;
}

}  // namespace ruvo::win32
