#pragma once

#include <cstdint>
#include <new>
#include <optional>
#include <string>

#include "platform/Clipboard.h"
#include "platform/CommonDialog.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Picture.h"
#include "platform/Printer.h"
#include "platform/Window.h"
#include "settings/SettingsLine.h"
#include "view/VerticalView.h"

namespace ruvo {

// The program: it owns the settings and the view, and turns each event of
// the main window into the command it asks for.
class App {
  public:
    App(platform::Window& window, platform::Clipboard& clipboard, platform::CommonDialog& dialogs,
        platform::Files& files, platform::Pictures& pictures, platform::Printer& printer);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The window has been made: it shows in the screen's corner, then takes
    // the saved settings; a bad settings file stops start-up.
    void Start();
    // A click on the client area alternates between the clipboard's text
    // and an empty view.
    void OnClick();
    void OnMenu(platform::MenuItem item);
    void OnKey(platform::Key key);
    // Notches turned away from the user or tilted to the right are positive.
    void OnWheel(platform::Wheel wheel, std::int32_t notches);
    void OnScrollBar(platform::ScrollBar bar, platform::ScrollRequest request,
                     std::int32_t position);
    // The user's resize.
    void OnResize();
    // A change of the clipboard's contents, once for a burst of changes.
    void OnClipboardChange();
    // A file dropped on the window (the first, when they were several).
    void OnFileDropped(const std::u16string& path);
    // The window closes: the settings are saved.
    void OnClose();

    // Runs one event's handler. An error it does not trap is shown as the
    // run-time error report and ends the program without saving; the
    // result then is false.
    template <typename Handler>
    bool Dispatch(Handler&& handler) noexcept;

    const SettingsRecord& Settings() const { return settings_; }
    const VerticalView& View() const { return view_; }
    // Whether a text is on display, so that a click clears.
    bool TextShown() const { return textShown_; }

  private:
    // Shows the clipboard's or a file's text, with the items that take it
    // out of the window, and writes the settings.
    void ShowText(std::u16string text);
    void OpenFileCommand();
    // Shows a text file's text as a showing click shows the clipboard's; a
    // file that cannot be shown leaves the view as it is, with a message.
    void ShowFile(const std::u16string& path);
    void ClearView();
    void OnFrameSizeChosen(float mode);
    // 折り返し, ルビ and 原稿用紙.
    void OnOptionToggled(bool& option, platform::MenuItem item);
    void OnColumnLengthChosen(std::int32_t cells);
    void OnAutoUpdateToggled();
    void ChooseFontCommand();
    void ChangeFontSize(std::int32_t points);
    // The text on display in a face and size, which the settings then keep;
    // a font the platform will not make changes nothing and is reported.
    void TakeFont(const std::u16string& face, std::int32_t points);
    void CheckMenuItems();
    void CheckColumnLength();
    // The commands that take the text out of the window, there while text
    // is on display: Output.cpp.
    void EnableOutputItems();
    void CopyPictureCommand();
    void SavePictureCommand();
    void PrintCommand();
    // The size of the picture of the text on display; nothing, with a
    // message, where not one character fits a picture.
    std::optional<PictureSize> PictureToMake();
    // Says how much of the text a picture holds, when not all of it.
    void ReportCut(const PictureSize& size);
    Typesetting TypesettingNow() const;
    // The window's outer size and the settings into the settings file.
    void SaveSettings();
    void ReportAndEnd(const RuntimeError& error) noexcept;

    platform::Window& window_;
    platform::Clipboard& clipboard_;
    platform::CommonDialog& dialogs_;
    platform::Files& files_;
    platform::Pictures& pictures_;
    platform::Printer& printer_;
    std::u16string folder_;      // the executable's, ending in "\"
    std::u16string fileFolder_;  // that of the file opened last
    std::u16string saveFolder_;  // where the last picture was saved, ending in "\"
    SettingsRecord settings_;
    VerticalView view_;
    bool textShown_ = false;
};

template <typename Handler>
bool App::Dispatch(Handler&& handler) noexcept {
    try {
        handler();
        return true;
    } catch (const RuntimeError& error) {
        ReportAndEnd(error);
    } catch (const std::bad_alloc&) {
        ReportAndEnd(RuntimeError(ErrorNumber::OutOfMemory));
    } catch (...) {
        ReportAndEnd(RuntimeError(ErrorNumber::Unexpected));
    }
    return false;
}

}  // namespace ruvo
