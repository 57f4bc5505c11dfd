// What the main window's source files share and nothing else includes.
#pragma once

#include "platform/win32/Win32Window.h"

namespace ruvo::win32 {

// The program passes OS handles around as opaque numbers.
inline HWND ToHwnd(platform::Handle handle) {
    return reinterpret_cast<HWND>(handle);
}

template <typename T>
platform::Handle ToHandle(T handle) {
    return reinterpret_cast<platform::Handle>(handle);
}

// Here, not in one source file: the message procedure and the scrolling input both raise events.
template <typename Event>
void Win32Window::Raise(Event event) noexcept {
    // A modal chooser or message box pumps messages while a handler runs;
    // events that slip through then wait for nobody and are dropped.
    if (events_ == nullptr || inHandler_) {
        return;
    }
    inHandler_ = true;
    event();
    inHandler_ = false;
}

}  // namespace ruvo::win32
