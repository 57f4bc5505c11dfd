#pragma once

#include <functional>
#include <set>
#include <string>

#include "app/frmMain.h"
#include "doubles/Doubles.h"

namespace ruvo::test {

// frmMain on doubles of every platform service, with the executable in
// C:\Tools and the worked example as its settings file.
struct TestForm {
    static constexpr char kExampleLine[] = "\"MS Mincho\",12,1350,8550,1\r\n";
    static inline const std::u16string kSettingsPath = u"C:\\Tools\\Ruvo.ini";
    static inline const std::u16string kTemporaryPath = u"C:\\Tools\\Ruvo.ini.tmp";

    TestForm() { files.files[kSettingsPath] = kExampleLine; }

    // The state start-up leaves from the worked example, without running it.
    void AsLoaded(std::int32_t fontSize = 12) {
        form.AppDir = u"C:\\Tools\\";
        form.CurFontName = u"MS Mincho";
        form.CurFontSize = fontSize;
        form.FrameWidth = 1350;
        form.FrameHeight = 8550;
        form.FrameMode = 1.0F;
    }

    // The settings file's bytes; empty when there is none.
    std::string SavedFile() const {
        const auto found = files.files.find(kSettingsPath);
        return found == files.files.end() ? std::string() : found->second;
    }

    // An onCall hook that makes the named calls fail.
    static std::function<void(const std::string&)> FailOn(
        std::set<std::string> names, ErrorNumber number = ErrorNumber::DeviceUnavailable) {
        return [names, number](const std::string& call) {
            if (names.contains(call)) {
                throw RuntimeError(number);
            }
        };
    }

    FakeWindow window;
    FakeClipboard clipboard;
    FakeCommonDialog dialog;
    FakeFiles files;
    frmMain form{window, clipboard, dialog, files};
};

}  // namespace ruvo::test
