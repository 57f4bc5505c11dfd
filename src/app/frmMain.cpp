#include "app/frmMain.h"

#include "platform/Convert.h"

namespace ruvo {

namespace {

// Outer size of the window while start-up places it, before the saved size.
constexpr std::int32_t kStartWidthPixels = 90;
constexpr std::int32_t kStartHeightPixels = 570;

}  // namespace

frmMain::frmMain(platform::Window& mainWindow, platform::Clipboard& systemClipboard,
                 platform::CommonDialog& commonDialog, platform::Files& fileSystem)
    : window(mainWindow),
      clipboard(systemClipboard),
      CommonDialog1(commonDialog),
      files(fileSystem) {}

std::u16string frmMain::GetAppDir() {
    if (appDirCache_.empty()) {
        appDirCache_ = files.ExecutableDirectory();
        if (appDirCache_.empty() || appDirCache_.back() != u'\\') {
            appDirCache_ += u'\\';
        }
    }
    return appDirCache_;
}

void frmMain::Form_Load() {
    AppDir = GetAppDir();

    const platform::Handle handle = window.WindowHandle();
    const std::int32_t x = ToInt32(window.CurrentX());
    const std::int32_t y = ToInt32(window.CurrentY());
    window.SetWindowPos(handle, platform::kHwndTopmost, x, y, kStartWidthPixels, kStartHeightPixels,
                        platform::kSwpShowWindow);

    ClipShown = 0;
    ReadSettings();

    window.SetWidth(ToSingle(FrameWidth));
    window.SetHeight(ToSingle(FrameHeight));

    // As for the sizing: any mode but 0 fits the window to the text.
    const bool variable = FrameMode != 0.0F;
    window.SetMenuChecked(platform::MenuItem::Hkahen, variable);
    window.SetMenuChecked(platform::MenuItem::Hkotei, !variable);
    window.SetMenuChecked(platform::MenuItem::Horikaeshi, Wrapping);
    window.SetMenuChecked(platform::MenuItem::Hrubi, Ruby);
    window.SetMenuChecked(platform::MenuItem::Hjido, AutoUpdate);

    BoldFlag = 0;
    ItalicFlag = 0;
}

void frmMain::Form_Unload() {
    WriteSettings();
}

void frmMain::ReportAndEnd(const RuntimeError& error) noexcept {
    try {
        window.ReportError(error);
    } catch (...) {
        // Nothing is left to report with; end regardless.
    }
    window.End();
}

}  // namespace ruvo
