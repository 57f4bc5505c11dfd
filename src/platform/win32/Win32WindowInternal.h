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

}  // namespace ruvo::win32
