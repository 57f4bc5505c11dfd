#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/CommonDialog.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Window.h"
#include "typeset/Units.h"

namespace ruvo {

// The one window of the program. It owns the whole view state; its handlers
// are defined in the folders that own them (app, settings, view, dialogs).
// The fields are public because every handler reads and writes them directly.
class frmMain {
  public:
    frmMain(platform::Window& mainWindow, platform::Clipboard& systemClipboard,
            platform::CommonDialog& commonDialog, platform::Files& fileSystem);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // --- view state ---
    std::int16_t ClipShown = 0;              // 1 while clipboard text is on display
    std::optional<std::u16string> DispText;  // the text on display; nothing before the first click
    std::u16string CurFontName;              // chosen face, without the vertical "@"
    std::int32_t CurFontSize = 0;            // points
    std::int32_t BoldFlag = 0;               // chooser presets: 0 off, anything else on
    std::int32_t ItalicFlag = 0;
    double FrameWidth = 0;  // outer size in twips, as last restored or saved
    double FrameHeight = 0;
    float FrameMode = 0;      // 1 variable (fit the text), 0 fixed
    bool Wrapping = true;     // long lines go on in the next column
    bool Ruby = true;         // ruby notation is drawn as ruby
    bool AutoUpdate = false;  // a new clipboard text shows without a click
    std::u16string AppDir;    // the executable's directory, ending in "\"

    // The text on display as the renderer laid it out.
    double BreakCount = 0;                // columns; 0 for the empty text
    double LongestRun = 0;                // cells of the longest column
    std::vector<ReadPoint> ColumnStarts;  // where each column begins in DispText
    bool HasRuby = false;                 // ruby or emphasis dots stand beside it
    std::u16string ShownFontName;         // the font it is drawn in
    std::int32_t ShownFontSize = 0;
    bool ShownRuby = false;        // whether its notation was read as ruby
    std::int32_t FirstColumn = 0;  // scroll position: the column at the right edge
    std::int32_t FirstCell = 0;    // and the cell at the top of every column

    // --- platform services ---
    platform::Window& window;
    platform::Clipboard& clipboard;
    platform::CommonDialog& CommonDialog1;
    platform::Files& files;

    // --- app ---
    std::u16string GetAppDir();
    void Form_Load();
    void Form_Unload();
    void Hkotei_Click();
    void Hkahen_Click();
    void Hend_Click();
    void Hjido_Click();
    // Routes a chosen menu item to its handler.
    void Menu_Click(platform::MenuItem item);

    // Runs one event handler. An error it does not trap is shown as the
    // run-time error report and ends the program without the unload step;
    // the result then is false.
    template <typename Handler>
    bool Dispatch(Handler&& handler) noexcept;

    // --- settings ---
    void ReadSettings();
    void WriteSettings();

    // --- view ---
    void Form_Click();
    // The two halves of the click: the clipboard's text on display, and
    // the view emptied.
    void ShowClipboardText();
    void ClearView();
    // A change of the clipboard's contents; with 自動更新 it shows a new text.
    void Form_ClipboardChange();
    void ShowVertical();
    // Moving through the text on display; they never write the settings.
    void Form_KeyDown(platform::Key key);
    // Notches turned away from the user or tilted to the right are positive.
    void Form_MouseWheel(platform::Wheel wheel, std::int32_t notches);
    void Form_Scroll(platform::ScrollBar bar, platform::ScrollRequest request,
                     std::int32_t position);
    // The user's resize, and the reading option: the text is laid out again.
    void Form_Resize();
    void Horikaeshi_Click();
    void Hrubi_Click();

    // --- dialogs ---
    void Hfont_Click();
    void Hhelp_Click();
    // The font's size a step or `steps` along the usual sizes, or back to
    // 12 points; the text on display takes it at once and it is saved.
    void StepFontSize(std::int32_t steps);
    void ResetFontSize();

  private:
    void ReportAndEnd(const RuntimeError& error) noexcept;
    void ChangeFontSize(std::int32_t points);
    // The text on display laid out in the chosen font, which is saved.
    void ShowInChosenFont();
    // Says that the platform made no font of the face at that size.
    void TellFontRefused(const std::u16string& face, std::int32_t points);

    std::u16string appDirCache_;  // GetAppDir's own copy, kept for the program's life
};

template <typename Handler>
bool frmMain::Dispatch(Handler&& handler) noexcept {
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
