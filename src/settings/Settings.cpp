#include <string>

#include "app/frmMain.h"
#include "settings/SettingsLine.h"

namespace ruvo {

namespace {

constexpr std::u16string_view kSettingsFile = u"Ruvo.ini";
// Written first and put in place in one step, so that a failed write never
// leaves a broken or empty settings file behind.
constexpr std::u16string_view kTemporaryFile = u"Ruvo.ini.tmp";

}  // namespace

void frmMain::ReadSettings() {
    const std::u16string path = AppDir + std::u16string(kSettingsFile);
    const SettingsRecord record = ParseSettings(files.FromAnsi(files.ReadAll(path)), path);
    CurFontName = record.faceName;
    CurFontSize = record.fontSize;
    FrameWidth = record.frameWidth;
    FrameHeight = record.frameHeight;
    FrameMode = record.frameMode;
    Wrapping = record.wrapping;
    Ruby = record.ruby;
    AutoUpdate = record.autoUpdate;
}

void frmMain::WriteSettings() {
    FrameWidth = window.Width();
    FrameHeight = window.Height();

    const std::string line =
        files.ToAnsi(FormatSettingsLine({CurFontName, CurFontSize, FrameWidth, FrameHeight,
                                         FrameMode, Wrapping, Ruby, AutoUpdate}));
    const std::u16string path = AppDir + std::u16string(kSettingsFile);
    const std::u16string temporary = AppDir + std::u16string(kTemporaryFile);
    try {
        files.WriteAll(temporary, line);
        files.Replace(temporary, path);
    } catch (...) {
        files.Remove(temporary);
        throw;
    }
}

}  // namespace ruvo
