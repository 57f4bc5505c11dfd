#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Menu.h"
#include "platform/Surface.h"

namespace ruvo {
class RuntimeError;
}

namespace ruvo::platform {

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
// Esc, Ctrl with + or - (main keys or keypad) and with 0, Ctrl+O, and Ctrl
// with C, S and P.
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
    CtrlZero,
    CtrlO,
    CtrlC,
    CtrlS,
    CtrlP
};

// A plain wheel, one turned with Shift or with Ctrl held, and a tilt wheel
// or a touchpad's sideways scrolling.
enum class Wheel { Vertical, VerticalWithShift, VerticalWithCtrl, Horizontal };

// The main window: its geometry in twips, its scroll bars, its menu's check
// marks and its messages, and the surface of its client area. Width and
// height are the outer size, frame, caption and menu bar included.
class Window {
  public:
    virtual ~Window() = default;

    virtual float Width() = 0;
    virtual void SetWidth(float twips) = 0;
    virtual float Height() = 0;
    virtual void SetHeight(float twips) = 0;

    // Size of the client area, which drawing can reach; the outer size less
    // this is what the frame, caption, menu bar and bars take at this moment.
    virtual float ClientWidth() = 0;
    virtual float ClientHeight() = 0;
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
    // Horizontal twips per screen pixel, positive (15 at 96 dpi).
    virtual float TwipsPerPixel() = 0;

    // Shows the window in the screen's top-left corner, above every window
    // that is not topmost itself, at an outer size in pixels.
    virtual void ShowTopmost(std::int32_t widthPixels, std::int32_t heightPixels) = 0;
    virtual void SetScrollBar(ScrollBar bar, const ScrollBarState& state) = 0;
    virtual void SetMenuChecked(MenuItem item, bool checked) = 0;
    // A greyed item cannot be chosen.
    virtual void SetMenuEnabled(MenuItem item, bool enabled) = 0;

    // Where the program draws what the client area shows; the window keeps
    // the picture and paints it again when the system asks it to.
    virtual Surface& ClientSurface() = 0;

    // Ends the program at once: no unload handler runs.
    virtual void End() = 0;
    // Shows the run-time error report (number and text).
    virtual void ReportError(const RuntimeError& error) = 0;
    // Shows a notice the user confirms; the program goes on.
    virtual void ShowMessage(std::u16string_view text) = 0;
};

}  // namespace ruvo::platform
