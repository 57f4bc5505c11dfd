// The main window itself: its creation, the message loop and procedure, and reports to the user.
#include "platform/win32/Win32Window.h"

#include <utility>

#include "platform/win32/Resource.h"
#include "platform/win32/Twips.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32WindowInternal.h"

namespace ruvo::win32 {

namespace {

constexpr wchar_t kClassName[] = L"RuvoMainWindow";
constexpr wchar_t kCaption[] = L" Ruvo";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr LONG kInitialClientWidth = 80;
constexpr LONG kInitialClientHeight = 522;
// A program may put its formats on the clipboard one change after another;
// the burst has settled once it has been quiet this long.
constexpr UINT_PTR kClipboardTimer = 1;
constexpr UINT kClipboardSettleMs = 80;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    if (::GetClassInfoExW(instance, kClassName, &windowClass)) {
        return;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpszClassName = kClassName;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_RUVO));
    windowClass.hIconSm = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDI_RUVO), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpfnWndProc = procedure;
    if (!::RegisterClassExW(&windowClass)) {
        throw RuntimeError(ErrorNumber::Unexpected, u"RegisterClassExW");
    }
}

}  // namespace

std::wstring ErrorReportText(const RuntimeError& error) {
    return L"実行時エラー '" + std::to_wstring(static_cast<std::int32_t>(error.Number())) +
           L"':\n\n" + ToWide(error.Text());
}

Win32Window::Win32Window(HINSTANCE instance, std::span<const platform::MenuEntry> menu)
    : menuTree_(menu) {
    {
        WindowDc screen(nullptr);
        resolution_ = {win32::TwipsPerPixel(::GetDeviceCaps(screen.get(), LOGPIXELSX)),
                       win32::TwipsPerPixel(::GetDeviceCaps(screen.get(), LOGPIXELSY))};
        buffer_.reset(::CreateCompatibleDC(screen.get()));
    }
    if (!buffer_) {
        throw RuntimeError(ErrorNumber::OutOfMemory);
    }
    bufferOriginalBitmap_ = ::GetCurrentObject(buffer_.get(), OBJ_BITMAP);
    client_ = std::make_unique<Client>(*this);
    GrowBuffer(kInitialClientWidth, kInitialClientHeight);

    RegisterWindowClass(instance, &Procedure);
    UniqueMenu menuBar(::CreateMenu());
    BuildMenu(menuBar.get(), platform::MenuItem::None);

    RECT outer{0, 0, kInitialClientWidth, kInitialClientHeight};
    ::AdjustWindowRectEx(&outer, kStyle, TRUE, 0);
    HWND window = ::CreateWindowExW(0, kClassName, kCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                    outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                    menuBar.get(), instance, this);
    if (window == nullptr) {
        throw RuntimeError(ErrorNumber::Unexpected, u"CreateWindowExW");
    }
    menuBar.release();  // the window destroys its menu
    window_.reset(window);
    // Without it the program still runs; the clipboard is then read on clicks only.
    ::AddClipboardFormatListener(window);
    ::DragAcceptFiles(window, TRUE);
    if (const UINT dpi = WindowDpi(window); dpi != 0) {
        SetDpi(dpi, dpi);
    }
    menuBarWidth_ = MeasureMenuBar();
}

Win32Window::~Win32Window() {
    window_.reset();
    client_.reset();
    ::SelectObject(buffer_.get(), bufferOriginalBitmap_);
}

int Win32Window::Run(WindowEvents& events) {
    events_ = &events;
    Raise([&] { events.Load(); });
    // Start-up shows the window; should that have failed, the program still
    // needs a window the user can see and close.
    if (window_ && !::IsWindowVisible(window_.get())) {
        ::ShowWindow(window_.get(), SW_SHOWNORMAL);
    }
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    events_ = nullptr;
    return static_cast<int>(exitCode_);
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(window, message, wParam, lParam);
}

LRESULT Win32Window::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            clickArmed_ = true;
            ::SetCapture(window);
            return 0;
        case WM_LBUTTONUP: {
            if (!clickArmed_) {
                return 0;
            }
            clickArmed_ = false;
            ::ReleaseCapture();
            const POINT point{static_cast<short>(LOWORD(lParam)),
                              static_cast<short>(HIWORD(lParam))};
            RECT client{};
            ::GetClientRect(window, &client);
            if (::PtInRect(&client, point)) {
                Raise([this] { events_->Click(); });
            }
            return 0;
        }
        case WM_KEYDOWN:
            if (KeyDown(wParam)) {
                return 0;
            }
            break;
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
            Wheel(message == WM_MOUSEHWHEEL, wParam);
            return 0;
        case WM_HSCROLL:
            Scroll(platform::ScrollBar::Horizontal, LOWORD(wParam));
            return 0;
        case WM_VSCROLL:
            Scroll(platform::ScrollBar::Vertical, LOWORD(wParam));
            return 0;
        case WM_CAPTURECHANGED:
            clickArmed_ = false;
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0 && IsCommand(LOWORD(wParam))) {
                const auto item = static_cast<platform::MenuItem>(LOWORD(wParam));
                Raise([this, item] { events_->Command(item); });
            }
            return 0;
        case WM_CLIPBOARDUPDATE:
            // Each change restarts the wait.
            ::SetTimer(window, kClipboardTimer, kClipboardSettleMs, nullptr);
            return 0;
        case WM_TIMER:
            if (wParam == kClipboardTimer) {
                ::KillTimer(window, kClipboardTimer);
                ClipboardChanged();
                return 0;
            }
            break;
        case WM_DROPFILES:
            FilesDropped(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_SYSCOMMAND: {
            // The system's modal loops on the window run in here: its menus,
            // moving and sizing it, tracking a scroll bar's thumb.
            const bool outer = std::exchange(inModalLoop_, true);
            const LRESULT result = ::DefWindowProcW(window, message, wParam, lParam);
            inModalLoop_ = outer;
            if (clipboardPending_) {
                ClipboardChanged();
            }
            return result;
        }
        case WM_CLOSE:
            if (events_ != nullptr && !inHandler_) {
                Raise([this] { events_->Unload(); });
                ::DestroyWindow(window);
            }
            return 0;
        case WM_DESTROY:
            ::RemoveClipboardFormatListener(window);
            if (events_ != nullptr) {
                ::PostQuitMessage(static_cast<int>(exitCode_));
            }
            return 0;
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window_.release();
            break;
        case WM_GETMINMAXINFO:
            // The program sets sizes narrower than the platform's minimum
            // tracking width (90 pixels at start-up, fitted sizes later).
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{1, 1};
            return 0;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) {
                GrowBuffer(LOWORD(lParam), HIWORD(lParam));
                // The program's own resizing happens inside a handler and is
                // dropped here; this is the user's.
                Raise([this] { events_->Resize(); });
            }
            return 0;
        case WM_DPICHANGED: {
            // On a monitor with another scale twips keep their length and
            // pixels change; the system suggests the rectangle at the new scale.
            SetDpi(LOWORD(wParam), HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(window, nullptr, suggested.left, suggested.top,
                           suggested.right - suggested.left, suggested.bottom - suggested.top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers the whole area from the buffer
        case WM_PAINT: {
            PaintScope paint(window);
            const RECT& area = paint.get().rcPaint;
            ::BitBlt(paint.get().hdc, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, buffer_.get(), area.left, area.top, SRCCOPY);
            return 0;
        }
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// A refresh under an open menu, while the user moves, sizes or scrolls the
// window, or while a handler runs (a chooser or a message box pumps this timer
// too) would be in the way: it waits until that has finished. The program's
// own copy is not news to it.
void Win32Window::ClipboardChanged() noexcept {
    clipboardPending_ = inModalLoop_ || inHandler_;
    if (!clipboardPending_ && ::GetClipboardOwner() != window_.get()) {
        Raise([this] { events_->ClipboardChange(); });
    }
}

void Win32Window::FilesDropped(HDROP drop) noexcept {
    std::u16string path;
    try {
        std::wstring name(::DragQueryFileW(drop, 0, nullptr, 0), L'\0');
        if (!name.empty() &&
            ::DragQueryFileW(drop, 0, name.data(), static_cast<UINT>(name.size() + 1)) != 0) {
            path = FromWide(name);
        }
    } catch (...) {
        path.clear();  // no memory for the name: the drop is not taken
    }
    ::DragFinish(drop);
    if (!path.empty()) {
        Raise([this, &path] { events_->FileDropped(path); });
    }
}

void Win32Window::End() {
    ::ExitProcess(exitCode_);
}

void Win32Window::ReportError(const RuntimeError& error) {
    exitCode_ = 1;
    ::MessageBoxW(window_.get(), ErrorReportText(error).c_str(), kCaption, MB_OK | MB_ICONERROR);
}

void Win32Window::ShowMessage(std::u16string_view text) {
    ::MessageBoxW(window_.get(), ToWide(text).c_str(), kCaption, MB_OK | MB_ICONWARNING);
}

}  // namespace ruvo::win32
