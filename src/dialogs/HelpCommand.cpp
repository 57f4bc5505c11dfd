#include <exception>

#include "app/frmMain.h"

namespace ruvo {

namespace {

constexpr std::u16string_view kHelpFileName = u"ruvo.hlp";
constexpr std::u16string_view kHelpPageName = u"ruvo.html";

// The WinHelp viewer; false when it fails (current Windows has none).
bool ShowHelpFile(platform::CommonDialog& dialog, const std::u16string& path) {
    dialog.SetCancelError(true);
    try {
        dialog.SetHelpCommand(platform::kHelpForceFile);
        dialog.SetHelpFile(path);
        dialog.ShowHelp();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The help page in the user's browser; false when it does not open.
bool OpenHelpPage(platform::CommonDialog& dialog, const std::u16string& path) {
    try {
        dialog.OpenDocument(path);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

void frmMain::Hhelp_Click() {
    const std::u16string helpFile = AppDir + std::u16string(kHelpFileName);
    const std::u16string helpPage = AppDir + std::u16string(kHelpPageName);
    if (files.Exists(helpFile) && ShowHelpFile(CommonDialog1, helpFile)) {
        return;
    }
    if (OpenHelpPage(CommonDialog1, helpPage)) {
        return;
    }
    // A command that shows nothing must say so, or it looks like it worked.
    window.ShowMessage(u"ヘルプを表示できませんでした。次のどちらも開けません。\n\n" + helpFile +
                       u"\n" + helpPage +
                       u"\n\nruvo.html が ruvo.exe と同じフォルダーにあり、HTML ファイルを開く"
                       u"既定のブラウザーが設定されているか確かめてください。");
}

}  // namespace ruvo
