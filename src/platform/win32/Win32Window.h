#pragma once

#include <memory>
#include <span>
#include <string>

#include "platform/Error.h"
#include "platform/Window.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32.h"
#include "platform/win32/Win32Surface.h"

#include <shellapi.h>

namespace ruvo::win32 {

// What the window reports to the program. Each call runs one handler to its
// end and must not throw: the program catches and reports its own errors.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;

    virtual void Load() noexcept = 0;
    virtual void Click() noexcept = 0;
    virtual void Command(platform::MenuItem item) noexcept = 0;
    virtual void KeyDown(platform::Key key) noexcept = 0;
    virtual void MouseWheel(platform::Wheel wheel, std::int32_t notches) noexcept = 0;
    virtual void Scroll(platform::ScrollBar bar, platform::ScrollRequest request,
                        std::int32_t position) noexcept = 0;
    virtual void Resize() noexcept = 0;
    // The clipboard's contents changed, once for a burst of changes.
    virtual void ClipboardChange() noexcept = 0;
    virtual void FileDropped(const std::u16string& path) noexcept = 0;
    virtual void Unload() noexcept = 0;
};

// The run-time error report's text: number, then the error's own text.
std::wstring ErrorReportText(const RuntimeError& error);

// The main window: caption, icon, menu bar and a back buffer that keeps the
// drawing, so the view survives being covered, minimised or resized.
class Win32Window final : public platform::Window {
  public:
    // Created hidden; the load handler shows it.
    Win32Window(HINSTANCE instance, std::span<const platform::MenuEntry> menu);
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;
    ~Win32Window() override;

    HWND Hwnd() const noexcept { return window_.get(); }
    // The back buffer, which the client area shows.
    HDC BufferDc() const noexcept { return buffer_.get(); }

    // Runs the load handler, then the message loop until the window is gone.
    // Returns the program's exit code.
    int Run(WindowEvents& events);

    float Width() override;
    void SetWidth(float twips) override;
    float Height() override;
    void SetHeight(float twips) override;
    float ClientWidth() override;
    float ClientHeight() override;
    float AvailableWidth() override;
    float AvailableHeight() override;
    float SmallestWidth() override;
    float ScrollBarBreadth(platform::ScrollBar bar) override;
    float TwipsPerPixel() override;
    void ShowTopmost(std::int32_t widthPixels, std::int32_t heightPixels) override;
    void SetScrollBar(platform::ScrollBar bar, const platform::ScrollBarState& state) override;
    void SetMenuChecked(platform::MenuItem item, bool checked) override;
    void SetMenuEnabled(platform::MenuItem item, bool enabled) override;
    platform::Surface& ClientSurface() override;
    void End() override;
    void ReportError(const RuntimeError& error) override;
    void ShowMessage(std::u16string_view text) override;

  private:
    class Client;

    // The window and its message procedure: Win32Window.cpp.
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    template <typename Event>
    void Raise(Event event) noexcept;
    // Raises a settled clipboard change, or keeps it for later.
    void ClipboardChanged() noexcept;
    // Raises the first of the files dropped on the window.
    void FilesDropped(HDROP drop) noexcept;

    // The menu bar: Win32WindowMenu.cpp.
    void BuildMenu(HMENU menu, platform::MenuItem parent);
    bool IsCommand(WORD id) const noexcept;
    // The outer width, in twips, that shows the menu bar's items whole on one line.
    float MeasureMenuBar();

    // Scrolling: Win32WindowScrolling.cpp.
    // False for a key the program does not scroll with: the system's default handling gets it.
    bool KeyDown(WPARAM virtualKey) noexcept;
    void Wheel(bool tilt, WPARAM wParam) noexcept;
    void Scroll(platform::ScrollBar bar, WORD request) noexcept;

    // Geometry: Win32WindowGeometry.cpp.
    // Outer size in pixels; the restored size while minimised.
    SIZE OuterPixels() const;
    void ResizeOuter(SIZE pixels);
    // Pixels from the window's top-left corner to its work area's far edges.
    SIZE RoomInWorkArea() const;
    // Twips per pixel from here on; the screen's stands until the window has its own.
    void SetDpi(UINT x, UINT y) noexcept;

    // Drawing: Win32WindowDrawing.cpp.
    void GrowBuffer(LONG width, LONG height) noexcept;
    // The client area needs painting from the buffer.
    void Invalidate() noexcept;

    WindowEvents* events_ = nullptr;
    bool inHandler_ = false;
    bool inModalLoop_ = false;  // one of the system's, as WM_SYSCOMMAND runs it
    bool clipboardPending_ = false;
    bool clickArmed_ = false;
    UINT exitCode_ = 0;

    std::span<const platform::MenuEntry> menuTree_;
    float menuBarWidth_ = 0;

    int wheelPending_ = 0;  // parts of a notch from fine-grained wheels
    int tiltPending_ = 0;

    Resolution resolution_;

    UniqueDc buffer_;
    HGDIOBJ bufferOriginalBitmap_ = nullptr;
    UniqueBitmap bufferBitmap_;
    SIZE bufferSize_{};
    std::unique_ptr<Client> client_;  // draws on the buffer

    // Declared last, so destroyed first, before the buffer it paints from.
    UniqueWindow window_;
};

}  // namespace ruvo::win32
