// The main window's scrolling: scroll bars, the mouse wheel and the scrolling keys.
#include "platform/win32/Win32Window.h"

#include <optional>

#include "platform/win32/Twips.h"
#include "platform/win32/Win32WindowInternal.h"

namespace ruvo::win32 {

namespace {

int BarOf(platform::ScrollBar bar) {
    return bar == platform::ScrollBar::Horizontal ? SB_HORZ : SB_VERT;
}

std::optional<platform::Key> KeyOf(WPARAM virtualKey) {
    if ((::GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        switch (virtualKey) {
            case VK_OEM_PLUS:
            case VK_ADD:
                return platform::Key::CtrlPlus;
            case VK_OEM_MINUS:
            case VK_SUBTRACT:
                return platform::Key::CtrlMinus;
            case '0':
            case VK_NUMPAD0:
                return platform::Key::CtrlZero;
            case 'O':
                return platform::Key::CtrlO;
            case 'C':
                return platform::Key::CtrlC;
            case 'S':
                return platform::Key::CtrlS;
            case 'P':
                return platform::Key::CtrlP;
            default:
                break;
        }
    }
    switch (virtualKey) {
        case VK_LEFT:
            return platform::Key::Left;
        case VK_RIGHT:
            return platform::Key::Right;
        case VK_UP:
            return platform::Key::Up;
        case VK_DOWN:
            return platform::Key::Down;
        case VK_PRIOR:
            return platform::Key::PageUp;
        case VK_NEXT:
            return platform::Key::PageDown;
        case VK_HOME:
            return platform::Key::Home;
        case VK_END:
            return platform::Key::End;
        case VK_F5:
            return platform::Key::F5;
        case VK_ESCAPE:
            return platform::Key::Escape;
        default:
            return std::nullopt;
    }
}

std::optional<platform::ScrollRequest> RequestOf(WORD code) {
    switch (code) {
        case SB_LINEUP:
            return platform::ScrollRequest::LineLess;
        case SB_LINEDOWN:
            return platform::ScrollRequest::LineMore;
        case SB_PAGEUP:
            return platform::ScrollRequest::PageLess;
        case SB_PAGEDOWN:
            return platform::ScrollRequest::PageMore;
        case SB_TOP:
            return platform::ScrollRequest::ToMinimum;
        case SB_BOTTOM:
            return platform::ScrollRequest::ToMaximum;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            return platform::ScrollRequest::ToPosition;
        default:
            return std::nullopt;  // SB_ENDSCROLL
    }
}

}  // namespace

bool Win32Window::KeyDown(WPARAM virtualKey) noexcept {
    const std::optional<platform::Key> key = KeyOf(virtualKey);
    if (!key) {
        return false;
    }
    Raise([this, key] { events_->KeyDown(*key); });
    return true;
}

void Win32Window::Wheel(bool tilt, WPARAM wParam) noexcept {
    // Fine-grained wheels and touchpads send parts of a notch: they add up.
    int& pending = tilt ? tiltPending_ : wheelPending_;
    pending += GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = pending / WHEEL_DELTA;
    pending -= notches * WHEEL_DELTA;
    if (notches == 0) {
        return;
    }
    const WORD keys = GET_KEYSTATE_WPARAM(wParam);
    const platform::Wheel wheel = tilt                       ? platform::Wheel::Horizontal
                                  : (keys & MK_CONTROL) != 0 ? platform::Wheel::VerticalWithCtrl
                                  : (keys & MK_SHIFT) != 0   ? platform::Wheel::VerticalWithShift
                                                             : platform::Wheel::Vertical;
    // A setting of 0 lines or characters a notch turns wheel scrolling off;
    // the wheel with Ctrl sizes the text whatever that setting says.
    UINT setting = 1;
    ::SystemParametersInfoW(tilt ? SPI_GETWHEELSCROLLCHARS : SPI_GETWHEELSCROLLLINES, 0, &setting,
                            0);
    if (setting == 0 && wheel != platform::Wheel::VerticalWithCtrl) {
        return;
    }
    Raise([this, wheel, notches] { events_->MouseWheel(wheel, notches); });
}

void Win32Window::Scroll(platform::ScrollBar bar, WORD code) noexcept {
    const std::optional<platform::ScrollRequest> request = RequestOf(code);
    if (!request) {
        return;
    }
    // The 32-bit position of a dragged thumb, not the message's 16 bits.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    ::GetScrollInfo(window_.get(), BarOf(bar), &info);
    Raise([this, bar, request, &info] { events_->Scroll(bar, *request, info.nTrackPos); });
}

void Win32Window::SetScrollBar(platform::ScrollBar bar, const platform::ScrollBarState& state) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (state.visible) {
        info.nMax = state.maximum;
        info.nPage = static_cast<UINT>(state.page);
        info.nPos = state.position;
    }
    ::SetScrollInfo(window_.get(), BarOf(bar), &info, TRUE);
    ::ShowScrollBar(window_.get(), BarOf(bar), state.visible ? TRUE : FALSE);
}

float Win32Window::ScrollBarBreadth(platform::ScrollBar bar) {
    return bar == platform::ScrollBar::Horizontal
               ? PixelsToTwips(WindowMetric(window_.get(), SM_CYHSCROLL), resolution_.y)
               : PixelsToTwips(WindowMetric(window_.get(), SM_CXVSCROLL), resolution_.x);
}

}  // namespace ruvo::win32
