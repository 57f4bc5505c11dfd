// The main window's drawing: the back buffer, text output and measurement, and fonts.
#include "platform/win32/Win32Window.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

#include "platform/win32/Twips.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32WindowInternal.h"

namespace ruvo::win32 {

namespace {

int Length(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<int>(size);
}

}  // namespace

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
    // The same DC keeps the font the renderer may have selected into it.
    ::SelectObject(buffer_.get(), larger.get());
    bufferBitmap_ = std::move(larger);
    bufferSize_ = size;
}

platform::Handle Win32Window::DeviceContext() {
    return ToHandle(buffer_.get());
}

float Win32Window::CurrentX() {
    return currentX_;
}

void Win32Window::SetCurrentX(float twips) {
    currentX_ = twips;
}

float Win32Window::CurrentY() {
    return currentY_;
}

void Win32Window::SetCurrentY(float twips) {
    currentY_ = twips;
}

void Win32Window::Cls() {
    const RECT all{0, 0, bufferSize_.cx, bufferSize_.cy};
    ::FillRect(buffer_.get(), &all, ::GetSysColorBrush(COLOR_WINDOW));
    ::InvalidateRect(window_.get(), nullptr, FALSE);
}

void Win32Window::Print(std::u16string_view text) {
    // Line ends move no pen here and have no glyph worth drawing.
    std::wstring ink;
    for (const char16_t c : text) {
        if (c != u'\r' && c != u'\n') {
            ink += static_cast<wchar_t>(c);
        }
    }
    if (ink.empty()) {
        return;
    }
    const int x = TwipsToPixels(currentX_, twipsPerPixelX_);
    const int y = TwipsToPixels(currentY_, twipsPerPixelY_);
    ::TextOutW(buffer_.get(), x, y, ink.data(), Length(ink.size()));
    ::InvalidateRect(window_.get(), nullptr, FALSE);
}

SIZE Win32Window::Extent(std::u16string_view text) {
    const std::wstring wide = ToWide(text);
    SIZE size{};
    ::GetTextExtentPoint32W(buffer_.get(), wide.data(), Length(wide.size()), &size);
    return size;
}

float Win32Window::TextWidth(std::u16string_view text) {
    return PixelsToTwips(Extent(text).cx, twipsPerPixelX_);
}

float Win32Window::TextHeight(std::u16string_view text) {
    return PixelsToTwips(Extent(text).cy, twipsPerPixelY_);
}

platform::Handle Win32Window::CreateFont(const platform::FontRequest& request) {
    const std::wstring face = ToWide(request.faceName);
    return ToHandle(::CreateFontW(
        request.height, request.width, request.escapement, request.orientation, request.weight,
        request.italic, request.underline, request.strikeOut, request.charSet, request.outPrecision,
        request.clipPrecision, request.quality, request.pitchAndFamily, face.c_str()));
}

platform::Handle Win32Window::SelectObject(platform::Handle deviceContext,
                                           platform::Handle object) {
    return ToHandle(
        ::SelectObject(reinterpret_cast<HDC>(deviceContext), reinterpret_cast<HGDIOBJ>(object)));
}

void Win32Window::DeleteObject(platform::Handle object) {
    ::DeleteObject(reinterpret_cast<HGDIOBJ>(object));
}

}  // namespace ruvo::win32
