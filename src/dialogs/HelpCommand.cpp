#include "dialogs/HelpCommand.h"

#include <exception>

namespace ruvo {

namespace {

constexpr std::u16string_view kHelpFileName = u"ruvo.hlp";
constexpr std::u16string_view kHelpPageName = u"ruvo.html";

// Whether one of the viewers showed the file.
template <typename Open>
bool Opens(Open open) {
    try {
        open();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

void ShowHelp(platform::CommonDialog& dialogs, platform::Files& files, platform::Window& window,
              const std::u16string& folder) {
    const std::u16string helpFile = folder + std::u16string(kHelpFileName);
    const std::u16string helpPage = folder + std::u16string(kHelpPageName);
    if (files.Exists(helpFile) && Opens([&] { dialogs.ShowHelpFile(helpFile); })) {
        return;
    }
    if (Opens([&] { dialogs.OpenDocument(helpPage); })) {
        return;
    }
    // A command that shows nothing must say so, or it looks like it worked.
    window.ShowMessage(u"ヘルプを表示できませんでした。次のどちらも開けません。\n\n" + helpFile +
                       u"\n" + helpPage +
                       u"\n\nruvo.html が ruvo.exe と同じフォルダーにあり、HTML ファイルを開く"
                       u"既定のブラウザーが設定されているか確かめてください。");
}

}  // namespace ruvo
