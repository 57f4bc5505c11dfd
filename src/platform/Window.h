#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Menu.h"

namespace ruvo {
class RuntimeError;
}

namespace ruvo::platform {

// Opaque OS handles (window, device context, font) as the core passes them on.
using Handle = std::intptr_t;

inline constexpr Handle kHwndTopmost = -1;
inline constexpr std::uint32_t kSwpShowWindow = 0x40;

// The fourteen arguments of a logical font request, in their published order.
struct FontRequest {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint32_t italic = 0;
    std::uint32_t underline = 0;
    std::uint32_t strikeOut = 0;
    std::uint32_t charSet = 0;
    std::uint32_t outPrecision = 0;
    std::uint32_t clipPrecision = 0;
    std::uint32_t quality = 0;
    std::uint32_t pitchAndFamily = 0;
    std::u16string faceName;

    bool operator==(const FontRequest&) const = default;
};

enum class ScrollBar { Horizontal, Vertical };

// One of the window's scroll bars: positions 0..maximum, `page` of which
// show at once. A hidden bar takes no room from the client area.
struct ScrollBarState {
    bool visible = false;
    std::int32_t maximum = 0;
    std::int32_t page = 0;
    std::int32_t position = 0;

    bool operator==(const ScrollBarState&) const = default;
};

// What the user asks of a scroll bar, in the bar's own terms: "Less" is
// towards position 0, the left or the top.
enum class ScrollRequest {
    LineLess,
    LineMore,
    PageLess,
    PageMore,
    ToMinimum,
    ToMaximum,
    ToPosition
};

// The keys the window answers: those that move through the text, F5 and
// Esc, and Ctrl with + or - (main keys or keypad) and with 0.
enum class Key {
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    F5,
    Escape,
    CtrlPlus,
    CtrlMinus,
    CtrlZero
};

// A plain wheel, one turned with Shift or with Ctrl held, and a tilt wheel
// or a touchpad's sideways scrolling.
enum class Wheel { Vertical, VerticalWithShift, VerticalWithCtrl, Horizontal };

// The main window and its drawing surface. Sizes and positions are twips;
// width and height are the outer size, frame, caption and menu bar included;
// drawing positions count from the client area's top-left corner.
class Window {
  public:
    virtual ~Window() = default;

    virtual Handle WindowHandle() = 0;
    virtual Handle DeviceContext() = 0;

    virtual float Width() = 0;
    virtual void SetWidth(float twips) = 0;
    virtual float Height() = 0;
    virtual void SetHeight(float twips) = 0;

    // Size of the client area, which drawing can reach; the outer size less
    // this is what the frame, caption and menu bar take at this moment.
    virtual float ScaleWidth() = 0;
    virtual float ScaleHeight() = 0;
    // The largest outer size that keeps the window inside the work area of
    // its monitor, from where the window stands.
    virtual float AvailableWidth() = 0;
    virtual float AvailableHeight() = 0;
    // The narrowest outer width that shows the caption's buttons and the
    // menu bar's items whole, on one line.
    virtual float SmallestWidth() = 0;
    // What a shown scroll bar takes from the client area: the vertical
    // bar's width, the horizontal one's height.
    virtual float ScrollBarBreadth(ScrollBar bar) = 0;

    virtual float CurrentX() = 0;
    virtual void SetCurrentX(float twips) = 0;
    virtual float CurrentY() = 0;
    virtual void SetCurrentY(float twips) = 0;

    // Fills the client area with the background colour.
    virtual void Cls() = 0;
    // Draws text at the drawing position in the selected font and the text
    // colour; current Y stays. An empty string draws nothing.
    virtual void Print(std::u16string_view text) = 0;
    virtual float TextWidth(std::u16string_view text) = 0;
    virtual float TextHeight(std::u16string_view text) = 0;

    // Horizontal twips per screen pixel, positive (15 at 96 dpi).
    virtual float TwipsPerPixelX() = 0;

    virtual void SetScrollBar(ScrollBar bar, const ScrollBarState& state) = 0;

    virtual void SetMenuChecked(MenuItem item, bool checked) = 0;

    // Ends the program at once: no unload handler runs.
    virtual void End() = 0;
    // Shows the run-time error report (number and text).
    virtual void ReportError(const RuntimeError& error) = 0;
    // Shows a notice the user confirms; the program goes on.
    virtual void ShowMessage(std::u16string_view text) = 0;

    // user32 and gdi32 as the program calls them; results are not tested.
    virtual void SetWindowPos(Handle window, Handle insertAfter, std::int32_t x, std::int32_t y,
                              std::int32_t cx, std::int32_t cy, std::uint32_t flags) = 0;
    virtual Handle CreateFont(const FontRequest& request) = 0;
    virtual Handle SelectObject(Handle deviceContext, Handle object) = 0;
    virtual void DeleteObject(Handle object) = 0;
};

}  // namespace ruvo::platform
