// Win32.h before any other OS header: it keeps the ChooseFont macro out of
// the core's headers.
#include "platform/win32/Win32.h"

#include <objbase.h>

#include "app/App.h"
#include "app/MenuTree.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32CommonDialog.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Picture.h"
#include "platform/win32/Win32Printer.h"
#include "platform/win32/Win32Window.h"

namespace {

// Hands the window's events to the program's handlers, each through Dispatch.
class AppEvents final : public ruvo::win32::WindowEvents {
  public:
    explicit AppEvents(ruvo::App& app) : app_(app) {}

    void Load() noexcept override {
        app_.Dispatch([this] { app_.Start(); });
    }
    void Click() noexcept override {
        app_.Dispatch([this] { app_.OnClick(); });
    }
    void Command(ruvo::platform::MenuItem item) noexcept override {
        app_.Dispatch([this, item] { app_.OnMenu(item); });
    }
    void KeyDown(ruvo::platform::Key key) noexcept override {
        app_.Dispatch([this, key] { app_.OnKey(key); });
    }
    void MouseWheel(ruvo::platform::Wheel wheel, std::int32_t notches) noexcept override {
        app_.Dispatch([this, wheel, notches] { app_.OnWheel(wheel, notches); });
    }
    void Scroll(ruvo::platform::ScrollBar bar, ruvo::platform::ScrollRequest request,
                std::int32_t position) noexcept override {
        app_.Dispatch([&] { app_.OnScrollBar(bar, request, position); });
    }
    void Resize() noexcept override {
        app_.Dispatch([this] { app_.OnResize(); });
    }
    void ClipboardChange() noexcept override {
        app_.Dispatch([this] { app_.OnClipboardChange(); });
    }
    void FileDropped(const std::u16string& path) noexcept override {
        app_.Dispatch([this, &path] { app_.OnFileDropped(path); });
    }
    void Unload() noexcept override {
        app_.Dispatch([this] { app_.OnClose(); });
    }

  private:
    ruvo::App& app_;
};

// The help page opens through ShellExecuteW, which may hand it to shell
// extensions that need COM on the calling thread; PNG files are encoded by
// COM objects.
class ComApartment {
  public:
    ComApartment() noexcept
        : initialized_(SUCCEEDED(
              ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialized_) {
            ::CoUninitialize();
        }
    }

  private:
    bool initialized_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const ComApartment com;
    try {
        ruvo::win32::Win32Window window(instance, ruvo::kMenuTree);
        ruvo::win32::Win32Clipboard clipboard;
        ruvo::win32::Win32CommonDialog commonDialog(window.Hwnd());
        ruvo::win32::Win32Files files;
        ruvo::win32::Win32Pictures pictures(window.Hwnd());
        ruvo::win32::Win32Printer printer(window.Hwnd());
        ruvo::App app(window, clipboard, commonDialog, files, pictures, printer);
        AppEvents events(app);
        return window.Run(events);
    } catch (const ruvo::RuntimeError& error) {
        // The window could not be made: report without an owner.
        ::MessageBoxW(nullptr, ruvo::win32::ErrorReportText(error).c_str(), L" Ruvo",
                      MB_OK | MB_ICONERROR);
    } catch (...) {
        ::MessageBoxW(
            nullptr,
            ruvo::win32::ErrorReportText(ruvo::RuntimeError(ruvo::ErrorNumber::Unexpected)).c_str(),
            L" Ruvo", MB_OK | MB_ICONERROR);
    }
    return 1;
}
