#pragma once

#include <functional>
#include <set>
#include <string>

#include "app/App.h"
#include "doubles/Doubles.h"

namespace ruvo::test {

// The program on doubles of every platform service, with the executable in
// C:\Tools, where Started puts a settings file.
struct TestApp {
    static constexpr char kExampleLine[] = "\"MS Mincho\",12,1350,8550,1\r\n";
    static inline const std::u16string kSettingsPath = u"C:\\Tools\\Ruvo.ini";

    // Starts with this settings line, and forgets what start-up did.
    void Started(const std::string& line = kExampleLine) {
        files.files[kSettingsPath] = line;
        app.Start();
        window.calls.clear();
        files.calls.clear();
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
    FakePictures pictures;
    FakePrinter printer;
    App app{window, clipboard, dialog, files, pictures, printer};
};

}  // namespace ruvo::test
