// The main window's menu bar: built from the program's menu tree, commands and check marks.
#include "platform/win32/Win32Window.h"

#include <algorithm>
#include <string>

#include "platform/win32/Twips.h"
#include "platform/win32/WideText.h"

namespace ruvo::win32 {

void Win32Window::BuildMenu(HMENU menu, platform::MenuItem parent) {
    for (const platform::MenuEntry& entry : menuTree_) {
        if (entry.parent != parent) {
            continue;
        }
        const std::wstring caption = ToWide(entry.caption);
        switch (entry.kind) {
            case platform::MenuKind::DropDown: {
                HMENU popup = ::CreatePopupMenu();
                BuildMenu(popup, entry.item);
                ::AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                              caption.c_str());
                break;
            }
            case platform::MenuKind::Separator:
                ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                break;
            case platform::MenuKind::Command:
            case platform::MenuKind::CheckCommand:
            case platform::MenuKind::RadioCommand:
                ::AppendMenuW(menu,
                              MF_STRING | (entry.checked ? MF_CHECKED : MF_UNCHECKED) |
                                  (entry.enabled ? MF_ENABLED : MF_GRAYED),
                              static_cast<UINT_PTR>(entry.item), caption.c_str());
                if (entry.kind == platform::MenuKind::RadioCommand) {
                    MENUITEMINFOW radio{};
                    radio.cbSize = sizeof radio;
                    radio.fMask = MIIM_FTYPE;
                    radio.fType = MFT_STRING | MFT_RADIOCHECK;
                    ::SetMenuItemInfoW(menu, static_cast<UINT>(entry.item), FALSE, &radio);
                }
                break;
        }
    }
}

bool Win32Window::IsCommand(WORD id) const noexcept {
    return std::any_of(menuTree_.begin(), menuTree_.end(), [id](const platform::MenuEntry& e) {
        return static_cast<WORD>(e.item) == id && e.kind != platform::MenuKind::DropDown &&
               e.kind != platform::MenuKind::Separator;
    });
}

void Win32Window::SetMenuChecked(platform::MenuItem item, bool checked) {
    ::CheckMenuItem(::GetMenu(window_.get()), static_cast<UINT>(item),
                    MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Window::SetMenuEnabled(platform::MenuItem item, bool enabled) {
    ::EnableMenuItem(::GetMenu(window_.get()), static_cast<UINT>(item),
                     MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

float Win32Window::MeasureMenuBar() {
    // The system lays the bar out for the window's width and cuts an item
    // that does not fit, so it is measured as wide as the screen, while the
    // window is still hidden.
    const SIZE initial = OuterPixels();
    ResizeOuter(SIZE{::GetSystemMetrics(SM_CXSCREEN), initial.cy});
    RECT outer{};
    ::GetWindowRect(window_.get(), &outer);
    HMENU bar = ::GetMenu(window_.get());
    LONG left = outer.right;
    LONG right = outer.left;
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        RECT item{};
        if (::GetMenuItemRect(window_.get(), bar, static_cast<UINT>(i), &item)) {
            left = std::min(left, item.left);
            right = std::max(right, item.right);
        }
    }
    ResizeOuter(initial);
    if (right <= left) {
        return 0;
    }
    // As much frame right of the items as left of them.
    return PixelsToTwips(right - outer.left + (left - outer.left), resolution_.x);
}

}  // namespace ruvo::win32
