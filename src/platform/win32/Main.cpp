// Win32.h before any other OS header: it keeps the CreateFont macro out of
// the core's headers.
#include "platform/win32/Win32.h"

#include <objbase.h>

#include "app/MenuTree.h"
#include "app/frmMain.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32CommonDialog.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Window.h"

namespace {

// Hands the window's events to frmMain's handlers, each through Dispatch.
class FormEvents final : public ruvo::win32::WindowEvents {
  public:
    explicit FormEvents(ruvo::frmMain& form) : form_(form) {}

    void Load() noexcept override {
        form_.Dispatch([this] { form_.Form_Load(); });
    }
    void Click() noexcept override {
        form_.Dispatch([this] { form_.Form_Click(); });
    }
    void Command(ruvo::platform::MenuItem item) noexcept override {
        form_.Dispatch([this, item] { form_.Menu_Click(item); });
    }
    void KeyDown(ruvo::platform::Key key) noexcept override {
        form_.Dispatch([this, key] { form_.Form_KeyDown(key); });
    }
    void MouseWheel(ruvo::platform::Wheel wheel, std::int32_t notches) noexcept override {
        form_.Dispatch([this, wheel, notches] { form_.Form_MouseWheel(wheel, notches); });
    }
    void Scroll(ruvo::platform::ScrollBar bar, ruvo::platform::ScrollRequest request,
                std::int32_t position) noexcept override {
        form_.Dispatch([&] { form_.Form_Scroll(bar, request, position); });
    }
    void Resize() noexcept override {
        form_.Dispatch([this] { form_.Form_Resize(); });
    }
    void ClipboardChange() noexcept override {
        form_.Dispatch([this] { form_.Form_ClipboardChange(); });
    }
    void Unload() noexcept override {
        form_.Dispatch([this] { form_.Form_Unload(); });
    }

  private:
    ruvo::frmMain& form_;
};

// The help page opens through ShellExecuteW, which may hand it to shell
// extensions that need COM on the calling thread.
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
        ruvo::frmMain form(window, clipboard, commonDialog, files);
        FormEvents events(form);
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
